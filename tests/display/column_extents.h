#pragma once

#include "display/plot_line.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

// Lowest and highest y that the segments of each colour (key: 0xRRGGBB) reach in each pixel column
// of a plot `width` pixels wide, whose first and last columns are centred on x 0 and 100: a
// segment reaches its ends, and the points where it crosses the edges of the columns it spans.
using ColumnExtents = std::map<std::pair<int, int>, std::pair<double, double>>;

inline ColumnExtents ExtentsOf(const std::vector<PlotLine>& lines, int width) {
    const double perUnit = (width - 1) / 100.0;
    const auto column = [&](double x) {
        return std::clamp(static_cast<int>(std::floor(x * perUnit + 0.5)), 0, width - 1);
    };
    ColumnExtents extents;
    const auto reach = [&](const PlotLine& line, int c, double y) {
        const Color colour = line.colour.value();
        const int key = colour.red << 16 | colour.green << 8 | colour.blue;
        auto [entry, added] = extents.try_emplace({key, c}, y, y);
        entry->second = {std::min(entry->second.first, y), std::max(entry->second.second, y)};
    };
    for (const PlotLine& line : lines) {
        reach(line, column(line.x1), line.y1);
        reach(line, column(line.x2), line.y2);
        for (int c = column(line.x1); c < column(line.x2); ++c) {
            const double edge = (c + 0.5) / perUnit;
            const double along = std::clamp((edge - line.x1) / (line.x2 - line.x1), 0.0, 1.0);
            reach(line, c, line.y1 + (line.y2 - line.y1) * along);
            reach(line, c + 1, line.y1 + (line.y2 - line.y1) * along);
        }
    }
    return extents;
}
