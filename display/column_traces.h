#pragma once

#include "core/module1.h"
#include "display/pixel_columns.h"
#include "display/plot_line.h"

// The traces of a plot with far more segments than pixel columns, without computing every
// segment. Every displayed period repeats the same samples, so for each trace a column needs
// only the segment that enters it from the left, unchanged, and a path from its first sample
// through its lowest and highest samples to its last one: the whole period's when it covers a
// period or more, else those of the samples it covers, read from a range-extremes index of
// the period's samples. The cost is one pass over the N samples of each trace to build the
// index, then per column a binary search for its samples and a query of at most a few
// hundred samples: about O(N + width × log(NP × N)), whatever NP × N is.
// The result is meant for a ReducingSink of the same columns, which then draws, for every
// trace and column, the same vertical extent as the full drawing would. Leaves Iter and Idx as
// the full drawing does. When a mapping faults it draws nothing and returns false: the caller
// then draws the full stream, so that the fault is met where it would be. Needs NP >= 1 and
// N >= 2.
bool DrawColumnTraces(Module1& m, LineSink& sink, const PixelColumns& columns);
