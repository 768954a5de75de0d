#pragma once

#include "core/conversions.h"

#include <optional>

// One straight segment in plot coordinates: x 0 (left) .. 100 (right), y 0 (bottom) .. 100 (top).
struct PlotLine {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    std::optional<Color> colour; // none: the plot box's foreground colour
    friend bool operator==(const PlotLine&, const PlotLine&) = default;
};

// Receives segments one at a time, in drawing order.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void drawLine(const PlotLine& line) = 0;
};
