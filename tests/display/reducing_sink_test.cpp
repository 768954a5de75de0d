#include "column_extents.h"
#include "display/reducing_sink.h"
#include "line_recorder.h"
#include "test_support/synthetic_run.h"

#include <gtest/gtest.h>

namespace {

struct ReductionCase {
    const char* name;
    std::int32_t np, n;
    int width;
};

TEST(ReducingSink, KeepsEveryColumnsExtentWithABoundedOutput) {
    const ReductionCase cases[] = {
        {"dense, pixels inside periods", 3, 3000, 200},
        {"dense, periods narrower than a pixel", 2000, 37, 300},
        {"dense, about a period per pixel", 190, 50, 200},
        {"a few samples per pixel", 7, 60, 211},
        {"sparse, segments wider than a pixel", 2, 9, 400},
    };
    for (const ReductionCase& c : cases) {
        Module1 m = SyntheticRun(c.np, c.n);
        const std::vector<PlotLine> full = ExactTraces(m);
        const PlotAxis axis{static_cast<double>(c.width)};
        LineRecorder reduced;
        ReducingSink sink(reduced, PixelColumns(axis));
        for (const PlotLine& line : full) {
            sink.drawLine(line);
        }
        sink.flush();
        EXPECT_EQ(ExtentsOf(reduced.lines, axis), ExtentsOf(full, axis)) << c.name;
        // Per trace and column: the three steps of its path and the segment leaving it.
        EXPECT_LE(reduced.lines.size(), 4u * 4 * c.width) << c.name;
        if (std::int64_t{c.np} * c.n < c.width) {
            EXPECT_EQ(reduced.lines, full) << c.name << ": passed on unchanged";
        }
    }
}

} // namespace
