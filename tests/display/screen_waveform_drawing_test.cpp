#include "column_extents.h"
#include "core/handler_support.h"
#include "display/screen_waveform_drawing.h"
#include "line_recorder.h"
#include "test_support/synthetic_run.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct ScreenCase {
    const char* name;
    std::int32_t np, n;
    int width;        // in logical pixels
    double ratio = 1; // device pixels per logical pixel
};

// The screen drawing of a case against the exact stream: the same vertical extent in every
// column, an output bounded by the width, and the counters where the exact loops leave them.
// Returns the screen's segments.
std::vector<PlotLine> ExpectExactExtentsAndCounters(const ScreenCase& c) {
    const PlotAxis axis{static_cast<double>(c.width), c.ratio};
    Module1 screen = SyntheticRun(c.np, c.n);
    Module1 exact = screen;
    LineRecorder surface(axis);
    ScreenWaveformDrawing(surface).drawTraces(screen);
    EXPECT_EQ(ExtentsOf(surface.lines, axis), ExactExtents(exact, axis)) << c.name;
    EXPECT_LE(surface.lines.size(), 4u * 4 * surface.columns().width()) << c.name;
    EXPECT_EQ(std::make_pair(screen.Iter, screen.Idx), std::make_pair(exact.Iter, exact.Idx))
        << c.name;
    return surface.lines;
}

TEST(ScreenWaveformDrawing, KeepsTheExactDrawingsColumnExtentsAndCounters) {
    const ScreenCase cases[] = {
        {"no denser than the pixels: exact", 2, 50, 98},
        {"pixels inside periods", 3, 3000, 200},
        {"about a period per pixel", 97, 50, 100},
        {"many whole periods per pixel", 5000, 7, 100},
        {"the example's shape", 10, 1000, 1237},
        {"periods without a segment", 5000, 1, 100},
        {"device pixels inside periods, ratio 2", 3, 3000, 100, 2},
        {"about a period per device pixel, ratio 2", 97, 50, 50, 2},
        {"a fractional ratio", 11, 900, 133, 1.5},
    };
    for (const ScreenCase& c : cases) {
        const std::vector<PlotLine> lines = ExpectExactExtentsAndCounters(c);
        const int columns = PixelColumns(PlotAxis{static_cast<double>(c.width), c.ratio}).width();
        if (std::int64_t{c.np} * (c.n - 1) <= columns) {
            Module1 exact = SyntheticRun(c.np, c.n);
            EXPECT_EQ(lines, ExactTraces(exact)) << c.name;
        }
    }
}

// Few periods of very many samples: every pixel column lies inside a period, or straddles the
// end of one, and covers hundreds or thousands of samples.
TEST(ScreenWaveformDrawing, LongPeriodsOnFewColumnsKeepTheExtentsAndCounters) {
    const ScreenCase cases[] = {
        {"600 samples per column", 3, 200000, 1000},
        {"12,000 samples per column", 3, 200000, 50},
        {"one period, 800 samples per device column", 1, 160001, 100, 2},
    };
    for (const ScreenCase& c : cases) {
        ExpectExactExtentsAndCounters(c);
    }
}

TEST(ScreenWaveformDrawing, ABillionPeriodsShowAWholePeriodsExtentInEveryPixel) {
    Module1 m = SyntheticRun(1000000000, 1000);
    LineRecorder surface(PlotAxis{1000});
    ScreenWaveformDrawing(surface).drawTraces(m);
    EXPECT_EQ(std::make_pair(m.Iter, m.Idx), std::make_pair(1000000001, 1000));
    EXPECT_LE(surface.lines.size(), 4u * 4 * 1000);
    Module1 one = SyntheticRun(1, 1000);
    const ColumnExtents whole = ExtentsOf(ExactTraces(one), PlotAxis{1});
    const ColumnExtents columns = ExtentsOf(surface.lines, PlotAxis{1000});
    ASSERT_EQ(columns.size(), 4u * 1000);
    for (const auto& [key, extent] : columns) {
        EXPECT_EQ(extent, whole.at({key.first, 0})) << "column " << key.second;
    }
}

struct FaultCase {
    const char* name;
    std::int32_t np, spoiled; // sample of Vo spoiled, 0 for none
    double value;             // the spoiled sample
    RuntimeErrorKind kind;
    std::int32_t iter, idx;
};

TEST(ScreenWaveformDrawing, AFaultStopsTheDrawingWithWhatWasDrawnBefore) {
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    const FaultCase cases[] = {
        {"a sample that overflows", 100000, 40, 1e308, RuntimeErrorKind::Overflow, 1, 39},
        {"a sample that is not a number", 100000, 60, std::numeric_limits<double>::quiet_NaN(),
         RuntimeErrorKind::InvalidOperation, 1, 59},
        {"Iter beyond the largest int32", max, 0, 1e308, RuntimeErrorKind::Overflow, max, 100},
    };
    for (const FaultCase& c : cases) {
        Module1 m = SyntheticRun(c.np, 100);
        m.Vo_t[static_cast<std::size_t>(c.spoiled)] = c.value;
        LineRecorder surface(PlotAxis{100});
        try {
            ScreenWaveformDrawing(surface).drawTraces(m);
            ADD_FAILURE() << c.name << ": no fault";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), c.kind) << c.name;
        }
        EXPECT_EQ(std::make_pair(m.Iter, m.Idx), std::make_pair(c.iter, c.idx)) << c.name;
        EXPECT_FALSE(surface.lines.empty()) << c.name;
    }
}

} // namespace
