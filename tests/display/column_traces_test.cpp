#include "display/screen_waveform_drawing.h"
#include "line_recorder.h"
#include "test_support/synthetic_run.h"

#include <gtest/gtest.h>

namespace {

struct ColumnCase {
    const char* name;
    std::int32_t np, n;
    int width;
};

// The column drawing itself, before any reduction, computes at most the segment entering each
// column and a path of three through it, per trace: its work follows the width, not NP × N.
TEST(ColumnTraces, ComputeAFewSegmentsPerTraceAndColumn) {
    const ColumnCase cases[] = {
        {"inside long periods", 3, 200000, 1000},
        {"many periods per column", 100000, 50, 1000},
        {"about a period per column", 1000, 1000, 1000},
    };
    for (const ColumnCase& c : cases) {
        Module1 m = SyntheticRun(c.np, c.n);
        const PixelColumns columns(PlotAxis{static_cast<double>(c.width)});
        LineRecorder computed;
        ASSERT_TRUE(DrawColumnTraces(m, TraceExtremes(m), computed, columns)) << c.name;
        EXPECT_LE(computed.lines.size(), 4u * 4 * columns.width()) << c.name;
    }
}

} // namespace
