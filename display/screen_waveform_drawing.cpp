#include "display/screen_waveform_drawing.h"

#include "core/handler_support.h"
#include "display/exact_drawing.h"
#include "display/range_extremes.h"
#include "display/reducing_sink.h"
#include "display/trace_geometry.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace {

// The samples of the whole plot numbered from the left, 0 to NP × N - 1: sample k of
// displayed period p has number (p - 1) × N + k - 1. Any N consecutive numbers hold every
// sample of the period once. Each sample lies at the screen x at which the view shows its
// plot x.
class SampleGrid {
public:
    SampleGrid(std::int32_t np, std::int32_t n, const WaveformView& view)
        : periodWidth_(100 / static_cast<double>(np)), n_(n), count_(std::int64_t{np} * n),
          view_(view) {}

    std::int32_t n() const { return n_; }
    std::int64_t count() const { return count_; }

    std::int32_t sample(std::int64_t number) const {
        return static_cast<std::int32_t>(number % n_ + 1);
    }

    // The x at which the drawing places this sample; in the whole view its plot x.
    float x(std::int64_t number) const {
        return static_cast<float>(view_.screenX(SamplePlotX(periodWidth_, n_, number)));
    }

    // The first number in from .. end - 1 for which `beyond` holds (end when there is none),
    // for a `beyond` of x that, once true, stays true further right. x never decreases with
    // the number, so a binary search finds it.
    template <typename Beyond>
    std::int64_t first(std::int64_t from, std::int64_t end, Beyond beyond) const {
        // The same probes as a textbook search, but each step selects the next range instead of
        // branching to it: which half holds the answer is a coin toss that the processor would
        // mispredict half the time, at a thousand searches per drawing.
        std::int64_t low = from;
        std::int64_t length = end - from;
        while (length > 0) {
            const std::int64_t half = length / 2;
            const bool right = !beyond(x(low + half));
            low = right ? low + half + 1 : low;
            length = right ? length - half - 1 : half;
        }
        return low;
    }

    // The numbers of the samples that the box shows, from screen x 0 to 100: all of them in
    // the whole view.
    std::pair<std::int64_t, std::int64_t> shown() const {
        if (view_.whole()) {
            return {0, count_};
        }
        const std::int64_t begin = first(0, count_, [](float x) { return x >= 0; });
        return {begin, first(begin, count_, [](float x) { return x > 100; })};
    }

private:
    double periodWidth_;
    std::int32_t n_;
    std::int64_t count_;
    WaveformView view_;
};

// The extremes of a trace over the samples numbered first .. last: of the whole period when
// they are N or more, else of one run of samples, or of two when they cross the end of a
// period.
Extremes ExtremesOver(const TraceExtremes& extremes, std::size_t trace, const SampleGrid& grid,
                      std::int64_t first, std::int64_t last) {
    const std::int32_t n = grid.n();
    if (last - first + 1 >= n) {
        return extremes.period(trace);
    }
    const std::int32_t from = grid.sample(first);
    const std::int32_t to = grid.sample(last);
    if (from <= to) {
        return extremes.over(trace, from, to);
    }
    return Join(extremes.over(trace, from, n), extremes.over(trace, 1, to));
}

using TraceYsOfBands = std::array<TraceYs, 4>;

// The ys of the four traces, in their bands as drawn by default or fitted.
TraceYsOfBands YsOf(const Module1& m, const std::optional<FittedBands>& fit) {
    const std::array<TraceBand, 4>& bands = TraceBands();
    const auto ys = [&](std::size_t trace) {
        return TraceYs(m, bands[trace], fit ? std::optional((*fit)[trace]) : std::nullopt);
    };
    return {ys(0), ys(1), ys(2), ys(3)};
}

// Whether every y is finite, so that no segment faults.
bool AllTracesFinite(const TraceYsOfBands& ys, const TraceExtremes& extremes) {
    for (std::size_t trace = 0; trace < ys.size(); ++trace) {
        const Extremes& period = extremes.period(trace);
        if (!ys[trace].allFinite(extremes.finite(trace), period.lowest, period.highest)) {
            return false;
        }
    }
    return true;
}

// Draws the segments between samples of the grid, one trace after the other at each sample.
class GridSegments {
public:
    GridSegments(const SampleGrid& grid, const TraceYsOfBands& ys, LineSink& sink)
        : grid_(grid), ys_(ys), sink_(sink) {}

    const SampleGrid& grid() const { return grid_; }

    void draw(std::size_t trace, std::int64_t from, std::int64_t to) {
        const TraceYs& ys = ys_[trace];
        sink_.drawLine({grid_.x(from), ys.at(grid_.sample(from)), grid_.x(to),
                        ys.at(grid_.sample(to)), TraceBands()[trace].colour});
    }

    // The segments from sample `number` to the next, when both lie in one displayed period.
    void drawFrom(std::int64_t number) {
        if (number + 1 < grid_.count() && grid_.sample(number + 1) > 1) {
            for (std::size_t trace = 0; trace < ys_.size(); ++trace) {
                draw(trace, number, number + 1);
            }
        }
    }

private:
    const SampleGrid& grid_;
    const TraceYsOfBands& ys_;
    LineSink& sink_;
};

class ColumnDrawing {
public:
    ColumnDrawing(GridSegments& segments, const TraceExtremes& extremes)
        : segments_(segments), extremes_(extremes) {}

    // Draws the columns of the sample numbers begin .. end - 1, each entered from the sample
    // before it.
    void drawColumns(const PixelColumns& columns, std::int64_t begin, std::int64_t end) {
        const SampleGrid& grid = segments_.grid();
        for (int column = 0; column < columns.width(); ++column) {
            const std::int64_t columnEnd =
                grid.first(begin, end, [&](float x) { return columns.of(x) > column; });
            if (begin < columnEnd) {
                drawColumn(begin, columnEnd);
            }
            begin = columnEnd;
        }
    }

private:
    // Draws the column holding the sample numbers begin .. end - 1.
    void drawColumn(std::int64_t begin, std::int64_t end) {
        // A column that starts inside a period is entered by the segment from the sample before.
        if (begin > 0) {
            segments_.drawFrom(begin - 1);
        }
        for (std::size_t trace = 0; trace < TraceBands().size(); ++trace) {
            drawExtremePath(trace, begin, end - 1);
        }
    }

    // From the first number through the trace's lowest and highest samples among first ..
    // last (in the order they come) to the last number.
    void drawExtremePath(std::size_t trace, std::int64_t first, std::int64_t last) {
        const Extremes extremes = ExtremesOver(extremes_, trace, segments_.grid(), first, last);
        const std::int64_t low = numberOf(extremes.lowest, first);
        const std::int64_t high = numberOf(extremes.highest, first);
        const std::array<std::int64_t, 4> path{first, std::min(low, high), std::max(low, high),
                                               last};
        for (std::size_t i = 1; i < path.size(); ++i) {
            if (path[i] != path[i - 1]) {
                segments_.draw(trace, path[i - 1], path[i]);
            }
        }
    }

    // The number of sample k at or after number `first`, within a period of it.
    std::int64_t numberOf(std::int32_t k, std::int64_t first) const {
        const SampleGrid& grid = segments_.grid();
        const std::int64_t n = grid.n();
        return first + (k - grid.sample(first) + n) % n;
    }

    GridSegments& segments_;
    const TraceExtremes& extremes_;
};

// The segments of each trace in the exact drawing, for N >= 2.
std::int64_t SegmentsPerTrace(const Module1& m) {
    if (m.NP < 1) {
        return 0;
    }
    return std::int64_t{m.NP} * (m.N - 1);
}

// Passes on the part of each segment that lies between screen x 0 and 100, the box's width:
// a segment that runs into the view from a sample outside it starts at its left edge, one
// that runs out of it ends at its right edge. Segments run left to right.
class BoxClippingSink final : public LineSink {
public:
    explicit BoxClippingSink(LineSink& out) : out_(out) {}

    void drawLine(const PlotLine& line) override {
        if (line.x2 < 0 || line.x1 > 100) {
            return;
        }
        PlotLine clipped = line;
        if (line.x1 < 0) {
            clipped.x1 = 0;
            clipped.y1 = YAt(line, 0);
        }
        if (line.x2 > 100) {
            clipped.x2 = 100;
            clipped.y2 = YAt(line, 100);
        }
        out_.drawLine(clipped);
    }

private:
    static float YAt(const PlotLine& line, double x) {
        const double along = (x - line.x1) / (static_cast<double>(line.x2) - line.x1);
        return static_cast<float>(line.y1 + (static_cast<double>(line.y2) - line.y1) * along);
    }

    LineSink& out_;
};

// Draws the traces of the whole view segment by segment when that is how the screen draws
// them: without a segment (N < 2), or with no more segments than pixel columns. Returns
// whether it did.
bool DrawnSegmentBySegment(Module1& m, PlotSurface& surface) {
    if (m.NP >= 1 && m.N < 2) {
        EndTraceLoops(m); // periods without a segment, however many
        return true;
    }
    if (SegmentsPerTrace(m) <= surface.columns().width()) {
        DrawTraceSegments(m, surface);
        return true;
    }
    return false;
}

// Draws denser traces of the whole view column by column through a ReducingSink, or, when a
// mapping faults, the full stream through it, so that the fault is met where it would be.
void DrawReducedTraces(Module1& m, const TraceExtremes& extremes, PlotSurface& surface) {
    const PixelColumns columns = surface.columns();
    ReducingSink reduced(surface, columns);
    try {
        if (!DrawColumnTraces(m, extremes, reduced, columns)) {
            DrawTraceSegments(m, reduced);
        }
    } catch (const RuntimeError&) {
        reduced.flush(); // what was drawn before the fault stays drawn
        throw;
    }
    reduced.flush();
}

// The traces of a view with no more samples shown than pixel columns: every segment between
// the samples shown, and those from the sample before them and to the sample after them.
void DrawShownSegments(GridSegments& segments, std::int64_t begin, std::int64_t end) {
    for (std::int64_t number = std::max<std::int64_t>(begin - 1, 0); number < end; ++number) {
        segments.drawFrom(number);
    }
}

} // namespace

TraceExtremes::TraceExtremes(const Module1& m) {
    traces_.reserve(TraceBands().size());
    for (const TraceBand& band : TraceBands()) {
        const std::vector<double>& samples = m.*band.samples;
        if (samples.size() < static_cast<std::size_t>(m.N) + 1) {
            throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
        }
        const RangeExtremes& extremes =
            traces_.emplace_back(std::span(samples).subspan(1, static_cast<std::size_t>(m.N)));
        periods_.push_back(extremes.over(0, m.N - 1));
        ++periods_.back().lowest;
        ++periods_.back().highest;
    }
}

Extremes TraceExtremes::over(std::size_t trace, std::int32_t first, std::int32_t last) const {
    Extremes extremes = traces_[trace].over(first - 1, last - 1);
    ++extremes.lowest;
    ++extremes.highest;
    return extremes;
}

bool DrawColumnTraces(Module1& m, const TraceExtremes& extremes, LineSink& sink,
                      const PixelColumns& columns) {
    const TraceYsOfBands ys = YsOf(m, std::nullopt);
    if (!AllTracesFinite(ys, extremes)) {
        return false;
    }
    const SampleGrid grid(m.NP, m.N, WaveformView{});
    GridSegments segments(grid, ys, sink);
    ColumnDrawing(segments, extremes).drawColumns(columns, 0, grid.count());
    EndTraceLoops(m);
    return true;
}

FittedBands FitBands(const Module1& m, const TraceExtremes& extremes, const WaveformView& view) {
    const SampleGrid grid(m.NP, m.N, view);
    const auto [begin, end] = grid.shown();
    FittedBands fitted;
    for (std::size_t trace = 0; trace < fitted.size(); ++trace) {
        const Extremes shown = begin < end ? ExtremesOver(extremes, trace, grid, begin, end - 1)
                                           : extremes.period(trace);
        fitted[trace] = {shown.low, shown.high};
    }
    return fitted;
}

void DrawViewTraces(const Module1& m, const TraceExtremes& extremes, const WaveformView& view,
                    const std::optional<FittedBands>& fit, LineSink& sink,
                    const PixelColumns& columns) {
    if (m.NP < 1 || m.N < 2) {
        return;
    }
    const TraceYsOfBands ys = YsOf(m, fit);
    if (!AllTracesFinite(ys, extremes)) {
        return;
    }
    const SampleGrid grid(m.NP, m.N, view);
    const auto [begin, end] = grid.shown();
    if (end - begin <= columns.width()) {
        BoxClippingSink clipped(sink);
        GridSegments segments(grid, ys, clipped);
        DrawShownSegments(segments, begin, end);
        return;
    }
    ReducingSink reduced(sink, columns);
    BoxClippingSink clipped(reduced);
    GridSegments segments(grid, ys, clipped);
    ColumnDrawing(segments, extremes).drawColumns(columns, begin, end);
    segments.drawFrom(end - 1);
    reduced.flush();
}

void ScreenWaveformDrawing::showAndDrawFrame(Module1& m) {
    surface_.showWindow();
    DrawPlotFrame(m, surface_);
}

// The index that the column drawing makes is offered to the surface, which may draw other
// views of the run with it.
void ScreenWaveformDrawing::drawTraces(Module1& m) {
    if (DrawnSegmentBySegment(m, surface_)) {
        return;
    }
    const auto extremes = std::make_shared<const TraceExtremes>(m);
    DrawReducedTraces(m, *extremes, surface_);
    surface_.keepTraceExtremes(extremes);
}

void DrawPlotView(Module1& m, const TraceExtremes& extremes, const WaveformView& view,
                  const std::optional<FittedBands>& fit, PlotSurface& surface) {
    const LoopCountersKept counters(m);
    DrawPlotFrame(m, surface);
    if (view.whole() && !fit) {
        if (!DrawnSegmentBySegment(m, surface)) {
            DrawReducedTraces(m, extremes, surface);
        }
        return;
    }
    DrawViewTraces(m, extremes, view, fit, surface, surface.columns());
}
