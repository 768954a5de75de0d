#include "display/screen_waveform_drawing.h"

#include "core/handler_support.h"
#include "display/exact_drawing.h"
#include "display/range_extremes.h"
#include "display/trace_geometry.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

void ReducingSink::follow(const PlotLine& line) {
    Trace& trace = traceOf(line.colour);
    if (!trace.collecting || !trace.last.at(line.x1, line.y1)) {
        resume(trace, line.x1, line.y1);
    }
    if (line.x2 < trace.columnEnd) {
        add(trace, line.x2, line.y2);
        return;
    }
    close(trace);
    out_.drawLine(line);
    start(trace, columns_.of(line.x2), line.x2, line.y2);
}

void ReducingSink::flush() {
    for (Trace& trace : traces_) {
        close(trace);
    }
}

// The trace of a colour, added at its first segment.
ReducingSink::Trace& ReducingSink::traceOf(const std::optional<Color>& colour) {
    const auto found = std::find_if(traces_.begin(), traces_.end(),
                                    [&](const Trace& trace) { return trace.colour == colour; });
    if (found == traces_.end()) {
        traces_.emplace_back().colour = colour;
        traceCount_ = traces_.size();
        latest_ = traces_.size() - 1;
    } else {
        latest_ = static_cast<std::size_t>(found - traces_.begin());
    }
    return traces_[latest_];
}

// A segment that does not continue the trace's path: after a gap inside the column it is
// joined to the path, elsewhere it starts a new column.
void ReducingSink::resume(Trace& trace, float x, float y) {
    const int column = columns_.of(x);
    if (trace.collecting && column == trace.column) {
        add(trace, x, y);
        return;
    }
    close(trace);
    start(trace, column, x, y);
}

void ReducingSink::start(Trace& trace, int column, float x, float y) {
    const Point point{x, y};
    trace.collecting = true;
    trace.column = column;
    trace.columnEnd = columns_.endOf(column);
    trace.first = point;
    trace.lowest = point;
    trace.highest = point;
    trace.last = point;
}

void ReducingSink::close(Trace& trace) {
    if (!trace.collecting) {
        return;
    }
    trace.collecting = false;
    const bool lowestFirst = trace.lowest.x < trace.highest.x;
    const std::array<Point, 4> path{trace.first, lowestFirst ? trace.lowest : trace.highest,
                                    lowestFirst ? trace.highest : trace.lowest, trace.last};
    for (std::size_t i = 1; i < path.size(); ++i) {
        drawStep(trace, path[i - 1], path[i]);
    }
}

void ReducingSink::drawStep(const Trace& trace, const Point& from, const Point& to) {
    if (!from.at(to.x, to.y)) {
        out_.drawLine({from.x, from.y, to.x, to.y, trace.colour});
    }
}

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

// Per trace, the ys of its samples and where its samples are lowest and highest over any run.
// Where the samples are extreme, so are the ys: the mapping from sample to y never decreases
// (or, with a negative scale, never increases) as the sample grows.
class TraceIndex {
public:
    TraceIndex(const Module1& m, const TraceBand& band)
        : ys_(m, band),
          extremes_(std::span(m.*band.samples).subspan(1, static_cast<std::size_t>(m.N))),
          period_(over(1, m.N)) {}

    const TraceYs& ys() const { return ys_; }

    // Whether every y is finite, so that no segment faults.
    bool finite() const {
        return ys_.allFinite(extremes_.finite(), period_.lowest, period_.highest);
    }

    // The extremes over samples first .. last (1 <= first <= last <= N).
    Extremes over(std::int32_t first, std::int32_t last) const {
        Extremes extremes = extremes_.over(first - 1, last - 1);
        ++extremes.lowest;
        ++extremes.highest;
        return extremes;
    }

    // The extremes over the whole period.
    const Extremes& period() const { return period_; }

private:
    // Members are initialised in this order, and the order matters: period_ is found through
    // over(), which reads extremes_, so extremes_ comes first. extremes_ views samples 1..N of
    // arrays that every run creates with N + 2 samples, so its subspan stays inside them.
    TraceYs ys_;
    RangeExtremes extremes_; // index i: sample i + 1
    Extremes period_;
};

std::vector<TraceIndex> IndexTraces(const Module1& m) {
    std::vector<TraceIndex> traces;
    for (const TraceBand& band : TraceBands()) {
        traces.emplace_back(m, band);
    }
    return traces;
}

bool AllTracesFinite(const std::vector<TraceIndex>& traces) {
    return std::all_of(traces.begin(), traces.end(),
                       [](const TraceIndex& trace) { return trace.finite(); });
}

class ColumnDrawing {
public:
    ColumnDrawing(const Module1& m, const std::vector<TraceIndex>& traces, LineSink& sink)
        : grid_(m.NP, m.N), traces_(traces), sink_(sink) {}

    const SampleGrid& grid() const { return grid_; }

    // Draws the column holding the sample numbers begin .. end - 1.
    void drawColumn(std::int64_t begin, std::int64_t end) {
        // A column that starts inside a period is entered by the segment from the sample before.
        if (grid_.sample(begin) > 1) {
            for (std::size_t trace = 0; trace < traces_.size(); ++trace) {
                drawStep(trace, begin - 1, begin);
            }
        }
        for (std::size_t trace = 0; trace < traces_.size(); ++trace) {
            drawExtremePath(trace, begin, end - 1);
        }
    }

private:
    // From the first number through the trace's lowest and highest samples among first ..
    // last (in the order they come) to the last number.
    void drawExtremePath(std::size_t trace, std::int64_t first, std::int64_t last) {
        const Extremes extremes = extremesOver(traces_[trace], first, last);
        const std::int64_t low = numberOf(extremes.lowest, first);
        const std::int64_t high = numberOf(extremes.highest, first);
        const std::array<std::int64_t, 4> path{first, std::min(low, high), std::max(low, high),
                                               last};
        for (std::size_t i = 1; i < path.size(); ++i) {
            if (path[i] != path[i - 1]) {
                drawStep(trace, path[i - 1], path[i]);
            }
        }
    }

    // The extremes of the samples numbered first .. last: of the whole period when they are
    // N or more, else of one run of samples, or of two when they cross the end of a period.
    Extremes extremesOver(const TraceIndex& trace, std::int64_t first, std::int64_t last) const {
        const std::int32_t n = grid_.n();
        if (last - first + 1 >= n) {
            return trace.period();
        }
        const std::int32_t from = grid_.sample(first);
        const std::int32_t to = grid_.sample(last);
        if (from <= to) {
            return trace.over(from, to);
        }
        return Join(trace.over(from, n), trace.over(1, to));
    }

    // The number of sample k at or after number `first`, within a period of it.
    std::int64_t numberOf(std::int32_t k, std::int64_t first) const {
        const std::int64_t n = grid_.n();
        return first + (k - grid_.sample(first) + n) % n;
    }

    void drawStep(std::size_t trace, std::int64_t from, std::int64_t to) {
        const TraceYs& ys = traces_[trace].ys();
        sink_.drawLine({grid_.x(from), ys.at(grid_.sample(from)), grid_.x(to),
                        ys.at(grid_.sample(to)), TraceBands()[trace].colour});
    }

    SampleGrid grid_;
    const std::vector<TraceIndex>& traces_;
    LineSink& sink_;
};

// The segments of each trace in the exact drawing, for N >= 2.
std::int64_t SegmentsPerTrace(const Module1& m) {
    if (m.NP < 1) {
        return 0;
    }
    return std::int64_t{m.NP} * (m.N - 1);
}

} // namespace

bool DrawColumnTraces(Module1& m, LineSink& sink, const PixelColumns& columns) {
    const std::vector<TraceIndex> traces = IndexTraces(m);
    if (!AllTracesFinite(traces)) {
        return false;
    }
    ColumnDrawing drawing(m, traces, sink);
    std::int64_t begin = 0;
    for (int column = 0; column < columns.width(); ++column) {
        const std::int64_t end = drawing.grid().firstFrom(column + 1, columns, begin);
        if (begin < end) {
            drawing.drawColumn(begin, end);
        }
        begin = end;
    }
    EndTraceLoops(m);
    return true;
}

void ScreenWaveformDrawing::showAndDrawFrame(Module1& m) {
    surface_.showWindow();
    DrawPlotFrame(m, surface_);
}

void ScreenWaveformDrawing::drawTraces(Module1& m) {
    if (m.NP >= 1 && m.N < 2) {
        EndTraceLoops(m); // periods without a segment, however many
        return;
    }
    const PixelColumns columns = surface_.columns();
    if (SegmentsPerTrace(m) <= columns.width()) {
        DrawTraceSegments(m, surface_);
        return;
    }
    ReducingSink reduced(surface_, columns);
    try {
        if (!DrawColumnTraces(m, reduced, columns)) {
            DrawTraceSegments(m, reduced);
        }
    } catch (const RuntimeError&) {
        reduced.flush(); // what was drawn before the fault stays drawn
        throw;
    }
    reduced.flush();
}
