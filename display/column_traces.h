#pragma once

#include "core/module1.h"
#include "display/pixel_columns.h"
#include "display/plot_line.h"

// The traces of a plot with far more segments than pixel columns, without computing every
// segment. Every displayed period repeats the same samples, so each column needs only:
// - the segment that enters it from the left, unchanged;
// - when it covers fewer samples than a period, the segments between them;
// - when it covers a whole period or more, a path from its first sample through the lowest
//   and the highest sample of the period to its last sample (the same extent as the whole
//   period, found once per drawing).
// The result is meant for a ReducingSink of the same columns, which gives the same per-column
// extents as the full drawing would. Leaves Iter and Idx as the full drawing does, and falls
// back to the full drawing when a mapping faults, so that the fault is met where it would be.
// Needs NP >= 1 and N >= 2.
void DrawColumnTraces(Module1& m, LineSink& sink, const PixelColumns& columns);
