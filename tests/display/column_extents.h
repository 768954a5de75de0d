#pragma once

#include "core/module1.h"
#include "display/plot_geometry.h"
#include "test_support/exact_waveform_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <map>
#include <utility>
#include <vector>

// Lowest and highest y that the segments of each colour (key: 0xRRGGBB) reach in each device
// pixel column of a plot box with horizontal axis `axis`: a segment reaches its ends, and the
// points where it crosses the edges of the columns it spans. Collected segment by segment, so
// that streams of millions of segments need not be kept.
using ColumnExtents = std::map<std::pair<int, int>, std::pair<double, double>>;

class ExtentsRecorder : public LineSink {
public:
    explicit ExtentsRecorder(const PlotAxis& axis)
        : axis_(axis), width_(static_cast<int>(std::lround(axis.pixels * axis.ratio))) {}

    void drawLine(const PlotLine& line) override {
        const int from = column(line.x1);
        const int to = column(line.x2);
        reach(line, from, line.y1);
        reach(line, to, line.y2);
        for (int c = from; c < to; ++c) {
            const double edge = axis_.valueAtDevice(c + 1);
            const double along = std::clamp((edge - line.x1) / (line.x2 - line.x1), 0.0, 1.0);
            reach(line, c, line.y1 + (line.y2 - line.y1) * along);
            reach(line, c + 1, line.y1 + (line.y2 - line.y1) * along);
        }
    }

    ColumnExtents extents() const {
        ColumnExtents extents;
        for (const auto& [key, columns] : byColour_) {
            for (int c = 0; c < width_; ++c) {
                const auto& [low, high] = columns[static_cast<std::size_t>(c)];
                if (low <= high) {
                    extents[{key, c}] = {low, high};
                }
            }
        }
        return extents;
    }

private:
    int column(double x) const {
        return std::clamp(static_cast<int>(std::floor(axis_.deviceAt(x))), 0, width_ - 1);
    }

    void reach(const PlotLine& line, int c, double y) {
        const Color colour = line.colour.value();
        const int key = colour.red << 16 | colour.green << 8 | colour.blue;
        constexpr double none = std::numeric_limits<double>::infinity();
        auto [entry, added] =
            byColour_.try_emplace(key, static_cast<std::size_t>(width_), std::pair(none, -none));
        auto& [low, high] = entry->second[static_cast<std::size_t>(c)];
        low = std::min(low, y);
        high = std::max(high, y);
    }

    PlotAxis axis_;
    int width_;
    std::map<int, std::vector<std::pair<double, double>>> byColour_;
};

inline ColumnExtents ExtentsOf(const std::vector<PlotLine>& lines, const PlotAxis& axis) {
    ExtentsRecorder recorder(axis);
    for (const PlotLine& line : lines) {
        recorder.drawLine(line);
    }
    return recorder.extents();
}

// The extents the exact drawing of m reaches, without keeping its segments.
inline ColumnExtents ExactExtents(Module1& m, const PlotAxis& axis) {
    ExtentsRecorder recorder(axis);
    ExactWaveformDrawing(recorder).drawTraces(m);
    return recorder.extents();
}
