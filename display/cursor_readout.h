#pragma once

#include "core/conversions.h"
#include "core/module1.h"

#include <optional>

// The trace option buttons of the waveform window (there is no Option4).
enum class TraceOption { Option1, Option2, Option3, Option5 };

struct CursorReadout {
    std::optional<TraceOption> selection; // the button selected after the move
    std::optional<Text> toolTip;          // the new tool tip; none keeps the previous one
};

// The readout of one pointer move at plot coordinates (x, y), used as delivered (no
// clamping). The band under the pointer selects its button; below the diode band the current
// selection stays. For the selected trace, the tool tip gives the time from the plot's left
// edge in microseconds and the trace's value at the pointer's height, after refreshing the
// trace's extreme with its finder on m. A runtime error (an overflow, a zero frequency, arrays
// not yet simulated) keeps the previous tool tip; the selection still changes.
CursorReadout ReadCursor(float x, float y, std::optional<TraceOption> currentSelection, Module1& m,
                         char16_t decimalSeparator);
