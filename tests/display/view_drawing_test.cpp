#include "column_extents.h"
#include "core/conversions.h"
#include "display/plot_readout.h"
#include "display/screen_waveform_drawing.h"
#include "line_recorder.h"
#include "test_support/named_case.h"
#include "test_support/synthetic_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

constexpr WaveformView kWhole{};

std::vector<PlotLine> ViewLines(const Module1& m, const WaveformView& view, const PlotAxis& axis) {
    LineRecorder surface(axis);
    DrawViewTraces(m, TraceExtremes(m), view, std::nullopt, surface, surface.columns());
    return surface.lines;
}

// A trace's vertex: its colour, its plot x to four decimals and its y.
using Vertex = std::tuple<int, double, float>;

void AddVertex(std::vector<Vertex>& vertices, const PlotLine& line, double plotX, float y) {
    const Color c = line.colour.value();
    vertices.emplace_back(c.red << 16 | c.green << 8 | c.blue, std::round(plotX * 1e4) / 1e4, y);
}

// Two periods of 50 samples, sample k of period p at plot x 50 (p - 1) + k, a gap from 50 to
// 51. A view with fewer samples than columns draws every segment that meets it, and no other:
// its vertices are the samples it shows, at their plot x through the view and at their ys of
// the whole drawing, the segments that enter and leave it are cut at the box's edges.
TEST(ViewTraces, FewSamplesAreDrawnAsTheRealPoints) {
    Module1 m = SyntheticRun(2, 50);
    const std::vector<PlotLine> whole = ExactTraces(m);
    for (const WaveformView view : {WaveformView{20.3, 30.7}, WaveformView{45.3, 55.7},
                                    WaveformView{0, 7.7}, WaveformView{93.3, 99.5}}) {
        std::vector<Vertex> expected;
        std::size_t meeting = 0;
        for (const PlotLine& line : whole) {
            if (line.x2 >= view.left && line.x1 <= view.right) {
                ++meeting;
                for (const auto& [x, y] :
                     {std::pair(line.x1, line.y1), std::pair(line.x2, line.y2)}) {
                    if (x >= view.left && x <= view.right) {
                        AddVertex(expected, line, x, y);
                    }
                }
            }
        }
        std::vector<Vertex> drawn;
        int outside = 0;
        const std::vector<PlotLine> lines = ViewLines(m, view, {1000});
        for (const PlotLine& line : lines) {
            for (const auto& [x, y] : {std::pair(line.x1, line.y1), std::pair(line.x2, line.y2)}) {
                if (x > 0 && x < 100) {
                    AddVertex(drawn, line, view.plotX(x), y);
                }
                outside += x < 0 || x > 100 ? 1 : 0;
            }
        }
        for (auto* vertices : {&expected, &drawn}) {
            std::sort(vertices->begin(), vertices->end());
            vertices->erase(std::unique(vertices->begin(), vertices->end()), vertices->end());
        }
        EXPECT_EQ(lines.size(), meeting) << view.left;
        EXPECT_EQ(outside, 0) << view.left;
        EXPECT_EQ(drawn, expected) << view.left;
    }
}

struct DenseCase : NamedCase {
    std::int32_t np, n;
    WaveformView view;
    int width;
    double ratio = 1;
};

// A view with more samples than columns keeps, in every column, the vertical extent of every
// segment of the view in it (as drawn on a box too wide to reduce anything), with an output
// bounded by the width.
TEST(ViewTraces, ManySamplesKeepEveryColumnsExtent) {
    const DenseCase cases[] = {
        {{"across a period's end"}, 3, 200000, {20.1, 50.2}, 1000},
        {{"many periods per column"}, 5000, 7, {10.01, 60.3}, 100},
        {{"device pixels, ratio 2"}, 3, 60000, {33, 34.1}, 100, 2},
        {{"three samples per column, edges on a slope"}, 1, 3000, {10.005, 20.005}, 100},
    };
    for (const DenseCase& c : cases) {
        const Module1 m = SyntheticRun(c.np, c.n);
        const PlotAxis axis{static_cast<double>(c.width), c.ratio};
        const std::vector<PlotLine> reduced = ViewLines(m, c.view, axis);
        EXPECT_LE(reduced.size(), 4u * 4 * PixelColumns(axis).width()) << c.name;
        EXPECT_EQ(ExtentsOf(reduced, axis), ExtentsOf(ViewLines(m, c.view, {1e9}), axis)) << c.name;
    }
}

// The whole view in the bands as drawn by default is the run's own drawing, segment for
// segment, and the redraw leaves the shared counters as it found them.
TEST(PlotView, TheWholeViewRedrawsExactlyWhatTheRunDrew) {
    for (const auto& [np, n] : {std::pair(2, 50), std::pair(3, 3000)}) {
        Module1 run = SyntheticRun(np, n);
        Module1 drawn = run;
        LineRecorder original(PlotAxis{200});
        ScreenWaveformDrawing drawing(original);
        drawing.showAndDrawFrame(drawn);
        drawing.drawTraces(drawn);
        run.Idx = 7;
        run.Iter = 9;
        LineRecorder again(PlotAxis{200});
        DrawPlotView(run, TraceExtremes(run), kWhole, std::nullopt, again);
        EXPECT_EQ(again.lines, original.lines) << n;
        EXPECT_EQ(std::make_pair(run.Idx, run.Iter), std::make_pair(7, 9)) << n;
    }
}

// Two periods of 1000 samples, sample k of period p at plot x 50 (p - 1) + k / 20. A band
// fitted to the samples a view shows puts their lowest at its bottom and their highest at its
// top: 80 to 98 for iL, 61 to 79 for iC, 32 to 50 for Vo, 0.1 to 18.1 for id.
TEST(FittedBands, SpanTheBandFromTheLowestToTheHighestSampleShown) {
    constexpr std::array<std::pair<float, float>, 4> bands{
        {{80, 98}, {61, 79}, {32, 50}, {0.1f, 18.1f}}};
    const Module1 m = SyntheticRun(2, 1000);
    const TraceExtremes extremes(m);
    for (const WaveformView view : {kWhole, WaveformView{45.01, 55.02}}) {
        const FittedBands fitted = FitBands(m, extremes, view);
        for (std::size_t trace = 0; trace < bands.size(); ++trace) {
            const TraceBand& band = TraceBands()[trace];
            const std::vector<double>& samples = m.*band.samples;
            std::vector<std::int32_t> shown;
            for (std::int32_t number = 0; number < 2000; ++number) {
                const double x = 50.0 * (number / 1000) + (number % 1000 + 1) / 20.0;
                if (x >= view.left && x <= view.right) {
                    shown.push_back(number % 1000 + 1);
                }
            }
            const auto [lowest, highest] =
                std::minmax_element(shown.begin(), shown.end(),
                                    [&](auto a, auto b) { return samples[a] < samples[b]; });
            const TraceYs ys(m, band, fitted[trace]);
            EXPECT_EQ(ys.at(*lowest), bands[trace].first) << view.left << ", trace " << trace;
            EXPECT_EQ(ys.at(*highest), bands[trace].second) << view.left << ", trace " << trace;
        }
    }
}

struct FittedReadoutCase : NamedCase {
    WaveformView view;
    bool fitted;
    float x, y;
    const char* toolTip;
};

// The samples of the cursor readout's own test: NP 5 at 40 kHz, a plot of 125 us, N = 3
// samples at plot x 20 (p - 1) + 20 k / 3, iL -2 to 1.5, Vo -25.4 to -24. Zoomed, the time is
// that of the plot x the view shows under the pointer; fitted, the value is read through the
// band fitted to the samples shown, which the view 19 .. 30 narrows to iL 1 and 1.5.
TEST(FittedBands, TheReadoutMapsThroughTheViewAndTheFittedBand) {
    const FittedReadoutCase cases[] = {
        {{"iL band bottom"}, kWhole, true, 50, 80, "t= 62.50usec ; iL(t) = -2.00E+00A"},
        {{"iL band top"}, kWhole, true, 50, 98, "t= 62.50usec ; iL(t) = 1.50E+00A"},
        {{"Vo middle"}, kWhole, true, 20, 41, "t= 25.00usec ; Vo(t) = -2.47E+01V"},
        {{"zoomed and fitted"}, {19, 30}, true, 40, 80, "t= 29.25usec ; iL(t) = 1.00E+00A"},
        {{"zoomed, as drawn"}, {19, 30}, false, 40, 89, "t= 29.25usec ; iL(t) = 1.00E+00A"},
    };
    for (const FittedReadoutCase& c : cases) {
        Module1 m;
        m.NP = 5;
        m.f = 40000;
        m.N = 3;
        m.iL_t = {0, 1.5, -2, 1, 0};
        m.iC_t = {0, 0.5, -1.5, 1, 0};
        m.Vo_t = {0, -25.4, -24, -25, 0};
        m.id_t = {0, 0, 1.8, 1, 0};
        const std::optional<FittedBands> fitted =
            c.fitted ? std::optional(FitBands(m, TraceExtremes(m), c.view)) : std::nullopt;
        const CursorReadout readout = ReadCursor(c.x, c.y, {}, m, u'.', c.view, fitted);
        EXPECT_EQ(readout.toolTip ? Utf8(*readout.toolTip) : "(none)", c.toolTip) << c.name;
    }
}

} // namespace
