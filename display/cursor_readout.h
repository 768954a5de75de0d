#pragma once

#include "core/module1.h"

#include <optional>

// The trace option buttons of the waveform window (there is no Option4).
enum class TraceOption { Option1, Option2, Option3, Option5 };

struct CursorReadout {
    std::optional<TraceOption> selection; // the button selected after the move
    std::optional<Text> toolTip;          // the new tool tip; none keeps the previous one
};

// The readout of one mouse move at plot coordinates (x, y) with the current selection.
// Runs the selected trace's extreme finder on m. A runtime error keeps the previous tool tip.
CursorReadout ReadCursor(float x, float y, std::optional<TraceOption> currentSelection, Module1& m,
                         char16_t decimalSeparator);
