#pragma once

#include "core/conversions.h"
#include "core/module1.h"
#include "display/trace_geometry.h"

#include <optional>

// The trace option buttons of the waveform window (there is no Option4).
enum class TraceOption { Option1, Option2, Option3, Option5 };

struct CursorReadout {
    std::optional<TraceOption> selection; // the button selected after the move
    std::optional<Text> toolTip;          // the new tool tip; none keeps the previous one
};

// The trace of the pointer band at height y, top band first, each band reaching from its
// lowest y (compared in single precision) up to the band above: iL from 80, iC from 55, Vo
// from 25, id from 0.1. None in the strip below the diode band.
std::optional<TraceOption> TraceUnderPointer(float y);

// The readout of one pointer move at screen coordinates (x, y) of the plot box, used as
// delivered (no clamping). The band under the pointer selects its button; below the diode
// band the current selection stays. For the selected trace, the tool tip gives the time from
// the plot's left edge in microseconds at the plot x that `view` shows at x, and the trace's
// value at the pointer's height, after refreshing the trace's extreme with its finder on m:
// through the band as drawn by default, or through the trace's fitted band when the bands are
// fitted. A runtime error (an overflow, a zero frequency, arrays not yet simulated) keeps the
// previous tool tip; the selection still changes.
CursorReadout ReadCursor(float x, float y, std::optional<TraceOption> currentSelection, Module1& m,
                         char16_t decimalSeparator, const WaveformView& view = {},
                         const std::optional<FittedBands>& fittedBands = {});
