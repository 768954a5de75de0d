#pragma once

#include "core/conversions.h"
#include "core/module1.h"
#include "display/trace_geometry.h"
#include "display/trace_table.h"

#include <optional>

// What the plot reads out under the pointer: the trace of the band there and its value.

struct CursorReadout {
    std::optional<Trace> selection; // the trace whose button is selected after the move
    std::optional<Text> toolTip;    // the new tool tip; none keeps the previous one
};

// The readout of one pointer move at screen coordinates (x, y) of the plot box, used as
// delivered (no clamping). The band under the pointer selects its button: top band first, each
// reaching from its lowest y (compared in single precision) up to the band above, iL from 80,
// iC from 55, Vo from 25, id from 0.1; below the diode band the current selection stays. For
// the selected trace, the tool tip gives the time from the plot's left edge in microseconds at
// the plot x that `view` shows at x, and the trace's value at the pointer's height, with the
// trace's name and unit of the trace table, after refreshing the trace's largest magnitude
// with its finder on m: through the band as drawn by default, or through the trace's fitted
// band when the bands are fitted. A runtime error (an overflow, a zero frequency, arrays not
// yet simulated) keeps the previous tool tip; the selection still changes.
CursorReadout ReadCursor(float x, float y, std::optional<Trace> currentSelection, Module1& m,
                         char16_t decimalSeparator, const WaveformView& view = {},
                         const std::optional<FittedBands>& fittedBands = {});

// The trace of the pointer band at height y of the plot box (see ReadCursor), top band first;
// none in the strip below the diode band.
std::optional<Trace> TraceUnderPointer(float y);
