#include "core/conversions.h"
#include "display/trace_geometry.h"
#include "test_support/named_case.h"

#include <gtest/gtest.h>

namespace {

constexpr WaveformView kWhole{};

struct ViewCase : NamedCase {
    WaveformView from;
    double factor, anchor; // a factor of 0: a pan by `anchor`
    WaveformView expected;
    bool anchorStays = true;
};

// Zooms keep the plot x under the anchor where it is, with a smallest span of 1 here; pans
// move by screen units. Both stay inside the plot.
TEST(WaveformView, ZoomsAroundTheAnchorAndPansInsideThePlot) {
    const ViewCase cases[] = {
        {{"in, whole to half"}, kWhole, 2, 30, {15, 65}},
        {{"in again, off centre"}, {15, 65}, 5, 80, {47, 57}},
        {{"out at the right end"}, {90, 100}, 0.25, 100, {60, 100}},
        {{"out past the left end: shifted back"}, {0, 10}, 0.5, 100, {0, 20}, false},
        {{"no narrower than the smallest span"}, {40, 60}, 100, 50, {49.5, 50.5}},
        {{"out beyond the plot: the whole view"}, {40, 60}, 0.1, 50, kWhole, false},
        {{"pan half a view later"}, {20, 30}, 0, 50, {25, 35}, false},
        {{"pan far earlier: stops at 0"}, {20, 30}, 0, -1000, {0, 10}, false},
        {{"pan the whole view: stays whole"}, kWhole, 0, 10, kWhole, false},
    };
    for (const ViewCase& c : cases) {
        const WaveformView moved =
            c.factor == 0 ? c.from.panned(c.anchor) : c.from.zoomed(c.factor, c.anchor, 1);
        EXPECT_DOUBLE_EQ(moved.left, c.expected.left) << c.name;
        EXPECT_DOUBLE_EQ(moved.right, c.expected.right) << c.name;
        if (c.anchorStays) {
            EXPECT_NEAR(moved.plotX(c.anchor), c.from.plotX(c.anchor), 1e-12) << c.name;
        }
    }
}

TEST(WaveformView, ZoomingBackOutGivesExactlyTheWholeView) {
    const WaveformView in = kWhole.zoomed(3, 37, 1e-6).zoomed(7, 61, 1e-6);
    const WaveformView out = in.zoomed(1.0 / 7, 61, 1e-6).zoomed(1.0 / 3, 37, 1e-6);
    EXPECT_FALSE(in.whole());
    EXPECT_EQ(out, kWhole);
    // A plot without segments is only ever whole.
    EXPECT_EQ(kWhole.zoomed(2, 50, SmallestViewSpan(3, 1)), kWhole);
}

// Ten periods at 11 kHz span 909.09 us: a view's edges in microseconds from the plot's left
// edge.
TEST(WaveformView, TheTimesTextGivesTheViewsStartAndEndInMicroseconds) {
    Module1 m;
    m.NP = 10;
    m.f = 11000;
    EXPECT_EQ(Utf8(ViewTimesText({20, 30.5}, m, u',')), "181,82 ... 277,27 µs");
    EXPECT_EQ(Utf8(ViewTimesText({0, 100}, m, u'.')), "0.00 ... 909.09 µs");
}

} // namespace
