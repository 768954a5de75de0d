#include "display/waveform_view.h"
#include "test_support/named_case.h"
#include "test_support/utf8.h"

#include <gtest/gtest.h>

namespace {

constexpr WaveformView kWhole{};

struct ZoomCase : NamedCase {
    WaveformView from;
    double factor, anchor;
    WaveformView expected;
    bool anchorStays = true;
};

// Smallest span 1 throughout.
TEST(WaveformViewZoom, KeepsThePlotXUnderTheAnchorInsideThePlot) {
    const ZoomCase cases[] = {
        {{"in, whole to half"}, kWhole, 2, 30, {15, 65}},
        {{"in again, off centre"}, {15, 65}, 5, 80, {47, 57}},
        {{"in at the left edge"}, kWhole, 4, 0, {0, 25}},
        {{"out at the right edge"}, {90, 100}, 0.25, 100, {60, 100}},
        {{"out past the left end, shifted back"}, {0, 10}, 0.5, 100, {0, 20}, false},
        {{"no narrower than the smallest span"}, {40, 60}, 100, 50, {49.5, 50.5}},
        {{"out beyond the plot: the whole view"}, {40, 60}, 0.1, 50, kWhole, false},
    };
    for (const ZoomCase& c : cases) {
        const WaveformView zoomed = c.from.zoomed(c.factor, c.anchor, 1);
        EXPECT_DOUBLE_EQ(zoomed.left, c.expected.left) << c.name;
        EXPECT_DOUBLE_EQ(zoomed.right, c.expected.right) << c.name;
        if (c.anchorStays) {
            EXPECT_NEAR(zoomed.plotX(c.anchor), c.from.plotX(c.anchor), 1e-12) << c.name;
        }
    }
}

TEST(WaveformViewZoom, ZoomingBackOutGivesExactlyTheWholeView) {
    const WaveformView in = kWhole.zoomed(3, 37, 1e-6).zoomed(7, 61, 1e-6);
    EXPECT_FALSE(in.whole());
    const WaveformView out = in.zoomed(1.0 / 7, 61, 1e-6).zoomed(1.0 / 3, 37, 1e-6);
    EXPECT_TRUE(out.whole());
    EXPECT_EQ(out.left, 0);
    EXPECT_EQ(out.right, 100);
}

struct PanCase : NamedCase {
    WaveformView from;
    double distance;
    WaveformView expected;
};

TEST(WaveformViewPan, MovesByScreenUnitsAndStopsAtTheEnds) {
    const PanCase cases[] = {
        {{"half a view later"}, {20, 30}, 50, {25, 35}},
        {{"a tenth earlier"}, {20, 30}, -10, {19, 29}},
        {{"far earlier: stops at 0"}, {20, 30}, -1000, {0, 10}},
        {{"later at the right end"}, {90, 100}, 10, {90, 100}},
        {{"the whole view stays whole"}, kWhole, 10, kWhole},
    };
    for (const PanCase& c : cases) {
        const WaveformView panned = c.from.panned(c.distance);
        EXPECT_DOUBLE_EQ(panned.left, c.expected.left) << c.name;
        EXPECT_DOUBLE_EQ(panned.right, c.expected.right) << c.name;
    }
}

// In the whole view, screen x is plot x without a rounding step: the readout and the drawing
// of the whole view stay those of a plot without views.
TEST(WaveformView, TheWholeViewMapsEveryXOntoItself) {
    for (const double x : {0.1, 1.0 / 3, 33.3, 99.99999999999999}) {
        EXPECT_EQ(kWhole.plotX(x), x);
        EXPECT_EQ(kWhole.screenX(x), x);
    }
}

struct SpanCase : NamedCase {
    std::int32_t np, n;
    double expected;
};

TEST(WaveformView, TheSmallestSpanIsAFewSampleSpacings) {
    const SpanCase cases[] = {
        {{"10 periods of 1000"}, 10, 1000, 0.08},
        {{"the most samples, 3 periods"}, 3, 10000000, 8e-2 / 3e3},
        {{"one sample per period: whole only"}, 3, 1, 100},
        {{"no period: whole only"}, 0, 1000, 100},
    };
    for (const SpanCase& c : cases) {
        EXPECT_DOUBLE_EQ(SmallestViewSpan(c.np, c.n), c.expected) << c.name;
    }
}

// Ten periods at 11 kHz span 909.09 us.
TEST(WaveformView, TheSpanTextGivesTheViewsTimeInMicroseconds) {
    Module1 m;
    m.NP = 10;
    m.f = 11000;
    EXPECT_EQ(Utf8(ViewSpanText(kWhole, m, u',')), "909,09 µs");
    EXPECT_EQ(Utf8(ViewSpanText({20, 30.5}, m, u'.')), "95.45 µs");
}

} // namespace
