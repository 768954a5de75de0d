#include "column_extents.h"
#include "core/runtime_error.h"
#include "display/screen_waveform_drawing.h"
#include "line_recorder.h"
#include "synthetic_run.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct ScreenCase {
    const char* name;
    std::int32_t np, n;
    int width;
};

TEST(ScreenWaveformDrawing, KeepsTheExactDrawingsColumnExtentsAndCounters) {
    const ScreenCase cases[] = {
        {"no denser than the pixels: exact", 2, 50, 98},
        {"pixels inside periods", 3, 3000, 200},
        {"about a period per pixel", 97, 50, 100},
        {"many whole periods per pixel", 5000, 7, 100},
        {"the example's shape", 10, 1000, 1237},
        {"periods without a segment", 5000, 1, 100},
    };
    for (const ScreenCase& c : cases) {
        Module1 screen = SyntheticRun(c.np, c.n);
        Module1 exact = screen;
        LineRecorder surface(c.width);
        ScreenWaveformDrawing(surface).drawTraces(screen);
        const std::vector<PlotLine> full = ExactTraces(exact);
        EXPECT_EQ(ExtentsOf(surface.lines, c.width), ExtentsOf(full, c.width)) << c.name;
        EXPECT_LE(surface.lines.size(), 4u * 4 * c.width) << c.name;
        EXPECT_EQ(std::make_pair(screen.Iter, screen.Idx), std::make_pair(exact.Iter, exact.Idx))
            << c.name;
        if (std::int64_t{c.np} * (c.n - 1) <= c.width) {
            EXPECT_EQ(surface.lines, full) << c.name;
        }
    }
}

TEST(ScreenWaveformDrawing, ABillionPeriodsShowAWholePeriodsExtentInEveryPixel) {
    Module1 m = SyntheticRun(1000000000, 1000);
    LineRecorder surface(1000);
    ScreenWaveformDrawing(surface).drawTraces(m);
    EXPECT_EQ(std::make_pair(m.Iter, m.Idx), std::make_pair(1000000001, 1000));
    EXPECT_LE(surface.lines.size(), 4u * 4 * 1000);
    Module1 one = SyntheticRun(1, 1000);
    const ColumnExtents whole = ExtentsOf(ExactTraces(one), 1);
    const ColumnExtents columns = ExtentsOf(surface.lines, 1000);
    ASSERT_EQ(columns.size(), 4u * 1000);
    for (const auto& [key, extent] : columns) {
        EXPECT_EQ(extent, whole.at({key.first, 0})) << "column " << key.second;
    }
}

struct FaultCase {
    const char* name;
    std::int32_t np, spoiled; // sample of Vo made to overflow, 0 for none
    std::int32_t iter, idx;
};

TEST(ScreenWaveformDrawing, AnOverflowStopsTheDrawingWithWhatWasDrawnBefore) {
    const FaultCase cases[] = {
        {"a sample in the first period", 100000, 40, 1, 39},
        {"Iter beyond the largest int32", std::numeric_limits<std::int32_t>::max(), 0,
         std::numeric_limits<std::int32_t>::max(), 100},
    };
    for (const FaultCase& c : cases) {
        Module1 m = SyntheticRun(c.np, 100);
        m.Vo_t[static_cast<std::size_t>(c.spoiled)] = 1e308;
        LineRecorder surface(100);
        EXPECT_THROW(ScreenWaveformDrawing(surface).drawTraces(m), RuntimeError) << c.name;
        EXPECT_EQ(std::make_pair(m.Iter, m.Idx), std::make_pair(c.iter, c.idx)) << c.name;
        EXPECT_FALSE(surface.lines.empty()) << c.name;
    }
}

} // namespace
