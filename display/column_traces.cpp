#include "display/column_traces.h"

#include "display/period_positions.h"
#include "display/segment_x.h"
#include "display/trace_band.h"
#include "display/trace_segments.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// The samples of the whole plot numbered from the left, 0 to NP × N - 1: sample k of
// displayed period p has number (p - 1) × N + k - 1. Any N consecutive numbers hold every
// sample of the period once.
class SampleGrid {
public:
    SampleGrid(std::int32_t np, std::int32_t n)
        : periodWidth_(100 / static_cast<double>(np)), n_(n), count_(std::int64_t{np} * n) {}

    std::int32_t n() const { return n_; }

    std::int32_t sample(std::int64_t number) const {
        return static_cast<std::int32_t>(number % n_ + 1);
    }

    // The x at which the drawing places this sample.
    float x(std::int64_t number) const {
        const auto p = static_cast<double>(number / n_ + 1);
        return static_cast<float>(PeriodStartX(periodWidth_, p) +
                                  SampleOffsetX(periodWidth_, sample(number), n_));
    }

    // The first number at or after `from` that lies in `column` or to its right (the count
    // when there is none). x never decreases with the number, so a binary search finds it.
    std::int64_t firstFrom(int column, const PixelColumns& columns, std::int64_t from) const {
        std::int64_t low = from;
        std::int64_t high = count_;
        while (low < high) {
            const std::int64_t middle = low + (high - low) / 2;
            if (columns.of(x(middle)) < column) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        return low;
    }

private:
    double periodWidth_;
    std::int32_t n_;
    std::int64_t count_;
};

// The first sample of the period where a trace is lowest, or highest.
std::int32_t ExtremeSample(const PeriodPositions& positions, std::size_t trace, std::int32_t n,
                           bool highest) {
    std::int32_t extreme = 1;
    for (std::int32_t k = 2; k <= n; ++k) {
        const float y = positions.y(trace, k);
        if (highest ? y > positions.y(trace, extreme) : y < positions.y(trace, extreme)) {
            extreme = k;
        }
    }
    return extreme;
}

class ColumnDrawing {
public:
    ColumnDrawing(const Module1& m, const PeriodPositions& positions, LineSink& sink)
        : grid_(m.NP, m.N), positions_(positions), sink_(sink) {
        for (std::size_t trace = 0; trace < TraceBands().size(); ++trace) {
            lowest_[trace] = ExtremeSample(positions, trace, m.N, false);
            highest_[trace] = ExtremeSample(positions, trace, m.N, true);
        }
    }

    const SampleGrid& grid() const { return grid_; }

    // Draws the column holding the sample numbers begin .. end - 1.
    void drawColumn(std::int64_t begin, std::int64_t end) {
        // A column that starts inside a period is entered by the segment from the sample before.
        const std::int64_t entry = grid_.sample(begin) > 1 ? begin - 1 : begin;
        if (end - begin < grid_.n()) {
            drawSegments(entry, end - 1);
            return;
        }
        drawSegments(entry, begin);
        for (std::size_t trace = 0; trace < TraceBands().size(); ++trace) {
            drawExtremePath(trace, begin, end - 1);
        }
    }

private:
    // The segments from each number in from .. to - 1 to the next, none across two periods.
    void drawSegments(std::int64_t from, std::int64_t to) {
        for (std::int64_t number = from; number < to; ++number) {
            if (grid_.sample(number) == grid_.n()) {
                continue;
            }
            for (std::size_t trace = 0; trace < TraceBands().size(); ++trace) {
                drawStep(trace, number, number + 1);
            }
        }
    }

    // From the first number through the trace's lowest and highest samples (where the first
    // whole period from `first` holds them, in the order they come) to the last number.
    void drawExtremePath(std::size_t trace, std::int64_t first, std::int64_t last) {
        const std::int64_t n = grid_.n();
        const std::int64_t start = grid_.sample(first);
        const std::int64_t low = first + (lowest_[trace] - start + n) % n;
        const std::int64_t high = first + (highest_[trace] - start + n) % n;
        const std::array<std::int64_t, 4> path{first, std::min(low, high), std::max(low, high),
                                               last};
        for (std::size_t i = 1; i < path.size(); ++i) {
            if (path[i] != path[i - 1]) {
                drawStep(trace, path[i - 1], path[i]);
            }
        }
    }

    void drawStep(std::size_t trace, std::int64_t from, std::int64_t to) {
        sink_.drawLine({grid_.x(from), positions_.y(trace, grid_.sample(from)), grid_.x(to),
                        positions_.y(trace, grid_.sample(to)), TraceBands()[trace].colour});
    }

    SampleGrid grid_;
    const PeriodPositions& positions_;
    LineSink& sink_;
    std::array<std::int32_t, 4> lowest_{};
    std::array<std::int32_t, 4> highest_{};
};

} // namespace

void DrawColumnTraces(Module1& m, LineSink& sink, const PixelColumns& columns) {
    const PeriodPositions positions(m);
    if (!positions.faultFree()) {
        DrawTraceSegments(m, sink);
        return;
    }
    ColumnDrawing drawing(m, positions, sink);
    std::int64_t begin = 0;
    for (int column = 0; column < columns.width(); ++column) {
        const std::int64_t end = drawing.grid().firstFrom(column + 1, columns, begin);
        if (begin < end) {
            drawing.drawColumn(begin, end);
        }
        begin = end;
    }
    EndTraceLoops(m);
}
