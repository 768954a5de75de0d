#include "column_extents.h"
#include "display/cursor_readout.h"
#include "display/screen_waveform_drawing.h"
#include "line_recorder.h"
#include "synthetic_run.h"
#include "test_support/named_case.h"
#include "test_support/utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

constexpr WaveformView kWhole{};

// The trace segments that DrawViewTraces draws for a view on a box with horizontal axis `axis`.
std::vector<PlotLine> ViewLines(const Module1& m, const WaveformView& view, const PlotAxis& axis,
                                const std::optional<FittedBands>& fit = {}) {
    LineRecorder surface(axis);
    DrawViewTraces(m, TraceExtremes(m), view, fit, surface, surface.columns());
    return surface.lines;
}

// A box far wider than any view has samples: every segment of the view, none reduced.
const PlotAxis kEverySegment{1e9};

// A vertex of a trace: its colour key, its plot x and its y.
using Vertex = std::tuple<int, double, float>;

std::vector<Vertex> Sorted(std::vector<Vertex> v) {
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
    return v;
}

int ColourKey(const PlotLine& line) {
    return line.colour->red << 16 | line.colour->green << 8 | line.colour->blue;
}

struct SparseCase : NamedCase {
    WaveformView view;
};

// Two periods of 50 samples: sample k of period p at plot x 50 (p - 1) + k, a gap from 50 to
// 51. A view with fewer samples than columns draws every segment that meets it: each sample it
// shows is a vertex, at its plot x through the view and at its y of the whole drawing; the
// segments that enter and leave the view are cut at the box's edges; none bridges the gap.
TEST(ViewTraces, FewSamplesAreDrawnAsTheRealPoints) {
    const SparseCase cases[] = {
        {{"inside a period"}, {20.3, 30.7}},
        {{"across the gap between periods"}, {45.3, 55.7}},
        {{"from the plot's left end"}, {0, 7.7}},
        {{"up to the plot's right end"}, {93.3, 100}},
    };
    Module1 m = SyntheticRun(2, 50);
    const std::vector<PlotLine> whole = ExactTraces(m);
    for (const SparseCase& c : cases) {
        const WaveformView& view = c.view;
        std::vector<Vertex> expected;
        std::size_t meeting = 0;
        int cut = 0;
        for (const PlotLine& line : whole) {
            if (line.x2 < view.left || line.x1 > view.right) {
                continue;
            }
            ++meeting;
            cut += (line.x1 < view.left ? 1 : 0) + (line.x2 > view.right ? 1 : 0);
            for (const auto& [x, y] : {std::pair(line.x1, line.y1), std::pair(line.x2, line.y2)}) {
                if (x >= view.left && x <= view.right) {
                    expected.emplace_back(ColourKey(line), std::round(x * 1e4) / 1e4, y);
                }
            }
        }
        std::vector<Vertex> drawn;
        int atEdges = 0;
        const std::vector<PlotLine> lines = ViewLines(m, view, {1000});
        for (const PlotLine& line : lines) {
            for (const auto& [x, y] : {std::pair(line.x1, line.y1), std::pair(line.x2, line.y2)}) {
                const std::tuple vertex(ColourKey(line), std::round(view.plotX(x) * 1e4) / 1e4, y);
                // A sample may lie on the box's edge itself.
                if ((x > 0 && x < 100) ||
                    std::find(expected.begin(), expected.end(), vertex) != expected.end()) {
                    drawn.push_back(vertex);
                } else {
                    ++atEdges;
                }
            }
        }
        EXPECT_EQ(lines.size(), meeting) << c.name;
        EXPECT_EQ(atEdges, cut) << c.name;
        EXPECT_EQ(Sorted(drawn), Sorted(expected)) << c.name;
    }
}

struct DenseCase : NamedCase {
    std::int32_t np, n;
    WaveformView view;
    int width;
    double ratio = 1;
};

// A view with more samples than columns is drawn column by column: every column keeps the
// vertical extent of every segment of the view in it, with an output bounded by the width.
TEST(ViewTraces, ManySamplesKeepEveryColumnsExtent) {
    const DenseCase cases[] = {
        {{"inside a long period"}, 3, 200000, {5.5, 30.25}, 1000},
        {{"across a period's end"}, 3, 200000, {20.1, 50.2}, 1000},
        {{"many periods per column"}, 5000, 7, {10.01, 60.3}, 100},
        {{"device pixels, ratio 2"}, 3, 60000, {33, 34.1}, 100, 2},
        {{"three samples per column, edges inside a rising stretch"},
         1,
         3000,
         {10.005, 20.005},
         100},
    };
    for (const DenseCase& c : cases) {
        const Module1 m = SyntheticRun(c.np, c.n);
        const PlotAxis axis{static_cast<double>(c.width), c.ratio};
        const std::vector<PlotLine> reduced = ViewLines(m, c.view, axis);
        EXPECT_LE(reduced.size(), 4u * 4 * PixelColumns(axis).width()) << c.name;
        EXPECT_EQ(ExtentsOf(reduced, axis), ExtentsOf(ViewLines(m, c.view, kEverySegment), axis))
            << c.name;
    }
}

struct RedrawCase : NamedCase {
    std::int32_t np, n;
    int width;
};

// The whole view with the bands as drawn by default is the run's own drawing, segment for
// segment, and the redraw leaves the shared counters as it found them.
TEST(PlotView, TheWholeViewRedrawsExactlyWhatTheRunDrew) {
    const RedrawCase cases[] = {
        {{"every segment"}, 2, 50, 1000},
        {{"reduced to columns"}, 3, 3000, 200},
    };
    for (const RedrawCase& c : cases) {
        Module1 run = SyntheticRun(c.np, c.n);
        Module1 drawn = run;
        LineRecorder original(PlotAxis{static_cast<double>(c.width)});
        ScreenWaveformDrawing drawing(original);
        drawing.showAndDrawFrame(drawn);
        drawing.drawTraces(drawn);
        run.Idx = 7;
        run.Iter = 9;
        LineRecorder again(PlotAxis{static_cast<double>(c.width)});
        DrawPlotView(run, TraceExtremes(run), kWhole, std::nullopt, again);
        EXPECT_EQ(again.lines, original.lines) << c.name;
        EXPECT_EQ(std::make_pair(run.Idx, run.Iter), std::make_pair(7, 9)) << c.name;
    }
}

struct FitCase : NamedCase {
    WaveformView view;
};

// A band fitted to the samples a view shows puts their lowest at its bottom and their highest
// at its top: 80 to 98 for iL, 61 to 79 for iC, 32 to 50 for Vo, 0.1 to 18.1 for id.
TEST(FittedBands, SpanTheBandFromTheLowestToTheHighestSampleShown) {
    const FitCase cases[] = {
        {{"the whole view"}, kWhole},
        {{"inside a period's off interval"}, {33.02, 43.03}},
        {{"across the gap between periods"}, {45.01, 55.02}},
    };
    constexpr std::array<std::pair<float, float>, 4> bands{
        {{80, 98}, {61, 79}, {32, 50}, {0.1f, 18.1f}}};
    // Two periods of 1000 samples: sample k of period p at plot x 50 (p - 1) + k / 20.
    const Module1 m = SyntheticRun(2, 1000);
    const TraceExtremes extremes(m);
    for (const FitCase& c : cases) {
        const FittedBands fitted = FitBands(m, extremes, c.view);
        for (std::size_t trace = 0; trace < bands.size(); ++trace) {
            const TraceBand& band = TraceBands()[trace];
            const std::vector<double>& samples = m.*band.samples;
            std::int32_t lowest = 0;
            std::int32_t highest = 0;
            for (std::int32_t p = 1; p <= 2; ++p) {
                for (std::int32_t k = 1; k <= 1000; ++k) {
                    const double x = 50.0 * (p - 1) + k / 20.0;
                    if (x < c.view.left || x > c.view.right) {
                        continue;
                    }
                    lowest = lowest == 0 || samples[k] < samples[lowest] ? k : lowest;
                    highest = highest == 0 || samples[k] > samples[highest] ? k : highest;
                }
            }
            EXPECT_EQ(fitted[trace].low, samples[lowest]) << c.name << ", trace " << trace;
            EXPECT_EQ(fitted[trace].high, samples[highest]) << c.name << ", trace " << trace;
            const TraceYs ys(m, band, fitted[trace]);
            EXPECT_EQ(ys.at(lowest), bands[trace].first) << c.name << ", trace " << trace;
            EXPECT_EQ(ys.at(highest), bands[trace].second) << c.name << ", trace " << trace;
        }
    }
}

TEST(FittedBands, AFlatTraceLiesOnItsBandsMiddleLine) {
    Module1 m = SyntheticRun(1, 100);
    std::fill(m.iC_t.begin(), m.iC_t.end(), 0.5);
    const FittedBands fitted = FitBands(m, TraceExtremes(m), kWhole);
    const TraceYs ys(m, TraceBands()[1], fitted[1]);
    EXPECT_EQ(ys.at(1), 70.0f);
    EXPECT_EQ(ys.at(100), 70.0f);
}

// Samples of iL, iC, Vo and id as in the cursor readout's own test: NP 5 at 40 kHz, a plot of
// 125 us, N = 3 samples at plot x 20 (p - 1) + 20 k / 3.
Module1 ReadoutRun() {
    Module1 m;
    m.NP = 5;
    m.f = 40000;
    m.N = 3;
    m.iL_t = {0, 1.5, -2, 1, 0};
    m.iC_t = {0, 0.5, -1.5, 1, 0};
    m.Vo_t = {0, -25.4, -24, -25, 0};
    m.id_t = {0, 0, 1.8, 1, 0};
    return m;
}

struct FittedReadoutCase : NamedCase {
    WaveformView view;
    bool fitted;
    float x, y;
    const char* toolTip;
};

// Zoomed, the time is that of the plot x the view shows under the pointer; fitted, the value
// is read through the band fitted to the samples shown.
TEST(FittedBands, TheReadoutMapsThroughTheViewAndTheFittedBand) {
    const FittedReadoutCase cases[] = {
        {{"whole, iL band bottom: lowest"},
         kWhole,
         true,
         50,
         80,
         "t= 62.50usec ; iL(t) = -2.00E+00A"},
        {{"whole, iL band top: highest"}, kWhole, true, 50, 98, "t= 62.50usec ; iL(t) = 1.50E+00A"},
        {{"whole, Vo middle"}, kWhole, true, 20, 41, "t= 25.00usec ; Vo(t) = -2.47E+01V"},
        {{"whole, id from 0.1f"}, kWhole, true, 20, 0.1f, "t = 25.00usec ; id(t) = 1.49E-10A"},
        {{"zoomed, fitted to samples 3 and 1"},
         {19, 30},
         true,
         40,
         80,
         "t= 29.25usec ; iL(t) = 1.00E+00A"},
        {{"zoomed, bands as drawn"}, {19, 30}, false, 40, 89, "t= 29.25usec ; iL(t) = 1.00E+00A"},
    };
    for (const FittedReadoutCase& c : cases) {
        Module1 m = ReadoutRun();
        const std::optional<FittedBands> fitted =
            c.fitted ? std::optional(FitBands(m, TraceExtremes(m), c.view)) : std::nullopt;
        const CursorReadout readout = ReadCursor(c.x, c.y, {}, m, u'.', c.view, fitted);
        EXPECT_EQ(readout.toolTip ? Utf8(*readout.toolTip) : "(none)", c.toolTip) << c.name;
    }
}

TEST(FittedBands, TheLimitsAreWrittenInTheToolsNumberStyle) {
    const Module1 m = ReadoutRun();
    const auto limits = LimitsOf(FitBands(m, TraceExtremes(m), kWhole), u',');
    EXPECT_EQ(limits[0].bottom, 80.0f);
    EXPECT_EQ(limits[0].top, 98.0f);
    EXPECT_EQ(Utf8(limits[0].low), "-2,00E+00");
    EXPECT_EQ(Utf8(limits[0].high), "1,50E+00");
    EXPECT_EQ(Utf8(limits[2].low), "-2,54E+01");
}

} // namespace
