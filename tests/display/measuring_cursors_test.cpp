#include "display/measuring_cursors.h"

#include "core/conversions.h"
#include "core/measurements.h"
#include "core/simulation.h"
#include "display/number_text.h"
#include "line_recorder.h"
#include "test_support/example_converter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Found by GoogleTest next to the type, outside the unnamed namespace.
inline void PrintTo(const MeasuringCursor& c, std::ostream* out) {
    *out << "trace " << static_cast<int>(c.trace) << " p " << c.period << " k " << c.sample;
}

namespace {

constexpr auto iL = Trace::InductorCurrent;
constexpr auto iC = Trace::CapacitorCurrent;
constexpr auto Vo = Trace::OutputVoltage;
constexpr auto id = Trace::DiodeCurrent;
constexpr WaveformView kWhole{};
constexpr WaveformView kZoomed{20, 30};

// The reference converter's last simulated period, N = 1000, shown over NP = 10 displayed
// periods: sample number j lies at plot x (j + 1) / 100.
const Module1& ExampleRun() {
    static const Module1 run = [] {
        Module1 m = ExampleConverter();
        SimulatePeriods(m, nullptr, CycleShortcut::On);
        MeasureLastPeriod(m);
        return m;
    }();
    return run;
}

const CursorSums& ExampleSums() {
    static const CursorSums sums(ExampleRun());
    return sums;
}

// The samples of each trace, in band order.
const std::vector<double>& ArrayOf(Trace trace, const Module1& m) {
    constexpr std::vector<double> Module1::*arrays[] = {&Module1::iL_t, &Module1::iC_t,
                                                        &Module1::Vo_t, &Module1::id_t};
    return m.*arrays[static_cast<std::size_t>(trace)];
}

using C = MeasuringCursor;
constexpr auto A = CursorName::A;
constexpr auto B = CursorName::B;

MeasuringCursors Pair(const C& a, const C& b, CursorName active = A) {
    MeasuringCursors cursors;
    cursors[A] = a;
    cursors[B] = b;
    cursors.active = active;
    return cursors;
}

struct PlacementCase {
    const char* name;
    WaveformView view;
    float x, y;
    Trace before;
    MeasuringCursor after;
};

TEST(MeasuringCursors, PlacingSnapsToTheBandsTraceAndTheNearestSample) {
    const float below80 = std::nextafter(80.0f, 0.0f);
    const float below01 = std::nextafter(0.1f, 0.0f);
    const PlacementCase cases[] = {
        {"iL from 80, last sample of period 5", kWhole, 50, 80, id, C{iL, 5, 1000}},
        {"iC below 80, nearer the left sample", kWhole, 50.004f, below80, iL, C{iC, 5, 1000}},
        {"iC from 55, nearer the right sample", kWhole, 50.006f, 55, iL, C{iC, 6, 1}},
        {"Vo from 25", kWhole, 25, 25, iL, C{Vo, 3, 500}},
        {"id from 0.1", kWhole, 25, 0.1f, iL, C{id, 3, 500}},
        {"strip below the id band keeps Vo", kWhole, 25, below01, Vo, C{Vo, 3, 500}},
        {"above the box is iL", kWhole, 25, 130, Vo, C{iL, 3, 500}},
        {"left edge: first sample", kWhole, 0, 90, iL, C{iL, 1, 1}},
        {"left of the box", kWhole, -5, 90, iL, C{iL, 1, 1}},
        {"right edge: last sample", kWhole, 100, 90, iL, C{iL, 10, 1000}},
        {"right of the box", kWhole, 120, 90, iL, C{iL, 10, 1000}},
        {"zoomed: middle of the box is plot x 25", kZoomed, 50, 60, iL, C{iC, 3, 500}},
        {"zoomed: left edge is plot x 20", kZoomed, 0, 60, iL, C{iC, 2, 1000}},
        {"zoomed: just right of the period gap", kZoomed, 0.07f, 60, iL, C{iC, 3, 1}},
    };
    const Module1& m = ExampleRun();
    const CursorSums& run = ExampleSums();
    for (const PlacementCase& c : cases) {
        MeasuringCursors cursors;
        cursors[B].trace = c.before;
        PlaceCursor(cursors, B, c.x, c.y, c.view, run);
        const MeasuringCursor& placed = cursors[B];
        EXPECT_EQ(placed, c.after) << c.name;
        EXPECT_EQ(cursors[A], MeasuringCursor{}) << c.name;
        const double value = run.sample(placed.trace, placed.sample);
        const double sample = ArrayOf(placed.trace, m)[static_cast<std::size_t>(placed.sample)];
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(sample))
            << c.name;
    }
}

TEST(MeasuringCursors, TurnOnAtAThirdAndTwoThirdsOfTheViewOnTheSelectedTrace) {
    const struct {
        std::optional<Trace> selection;
        WaveformView view;
        MeasuringCursor a, b;
    } cases[] = {
        {{}, kWhole, C{iL, 4, 333}, C{iL, 7, 667}},
        {Vo, kWhole, C{Vo, 4, 333}, C{Vo, 7, 667}},
        {id, kZoomed, C{id, 3, 333}, C{id, 3, 667}},
    };
    for (const auto& c : cases) {
        const MeasuringCursors cursors = TurnOnCursors(c.selection, c.view, ExampleSums());
        EXPECT_EQ(cursors[A], c.a);
        EXPECT_EQ(cursors[B], c.b);
        EXPECT_EQ(cursors.active, A);
    }
}

struct StepCase {
    const char* name;
    MeasuringCursor from;
    std::int64_t step;
    MeasuringCursor to;
};

TEST(MeasuringCursors, KeyboardStepsCrossPeriodsAndStopAtThePlotsEnds) {
    const StepCase cases[] = {
        {"one right", C{iC, 1, 500}, 1, C{iC, 1, 501}},
        {"into the next period", C{iC, 1, 1000}, 1, C{iC, 2, 1}},
        {"into the period before", C{iC, 2, 1}, -1, C{iC, 1, 1000}},
        {"stops at the first sample", C{iC, 1, 1}, -1, C{iC, 1, 1}},
        {"stops at the last sample", C{iC, 10, 1000}, 1, C{iC, 10, 1000}},
        {"a tenth of the whole view", C{iC, 3, 900}, 1000, C{iC, 4, 900}},
        {"a tenth back past the start", C{iC, 1, 300}, -1000, C{iC, 1, 1}},
        {"a tenth past the end", C{iC, 10, 500}, 1000, C{iC, 10, 1000}},
    };
    for (const StepCase& c : cases) {
        MeasuringCursors cursors = Pair(C{iL, 5, 5}, c.from);
        SwitchActiveCursor(cursors);
        StepActiveCursor(cursors, c.step, ExampleSums());
        EXPECT_EQ(cursors[B], c.to) << c.name;
        EXPECT_EQ(cursors[A], (C{iL, 5, 5})) << c.name;
    }
    // The long step: a tenth of the view, and at least one sample.
    EXPECT_EQ(TenthOfView(kWhole, ExampleSums()), 1000);
    EXPECT_EQ(TenthOfView(kZoomed, ExampleSums()), 100);
    EXPECT_EQ(TenthOfView({40, 40.001}, ExampleSums()), 1);
}

struct NearerCase {
    const char* name;
    WaveformView view;
    float x;
    CursorName active, nearer;
};

// A at plot x 15, B at plot x 25.
TEST(MeasuringCursors, ADragMovesTheNearerCursor) {
    const NearerCase cases[] = {
        {"nearer A", kWhole, 19.9f, B, A},
        {"nearer B", kWhole, 20.1f, A, B},
        {"as near: the active A", kWhole, 20, A, A},
        {"as near: the active B", kWhole, 20, B, B},
        {"zoomed, beyond B on the right", kZoomed, 90, A, B},
        {"zoomed, A off the box on the left", kZoomed, -1, B, A},
    };
    for (const NearerCase& c : cases) {
        const MeasuringCursors cursors = Pair(C{iL, 2, 500}, C{Vo, 3, 500}, c.active);
        EXPECT_EQ(NearerCursor(cursors, c.x, c.view, ExampleSums()), c.nearer) << c.name;
    }
}

// The vertex that the drawing puts at sample k of displayed period p of one trace: the start
// of the segment from k, or for the period's last sample the end of the segment into it.
std::pair<float, float> DrawnVertex(const std::vector<PlotLine>& lines, const MeasuringCursor& c,
                                    std::int32_t n) {
    const auto trace = static_cast<std::size_t>(c.trace);
    const auto segment = [&](std::int32_t k) {
        return lines[(static_cast<std::size_t>(c.period - 1) * (n - 1) + k - 1) * 4 + trace];
    };
    if (c.sample < n) {
        return {segment(c.sample).x1, segment(c.sample).y1};
    }
    return {segment(n - 1).x2, segment(n - 1).y2};
}

TEST(MeasuringCursors, MarkersLieOnTheDrawnVertices) {
    Module1 m = ExampleRun();
    const std::vector<PlotLine> lines = ExactTraces(m);
    const MeasuringCursor cursors[] = {C{iL, 1, 1},   C{iC, 4, 1000}, C{Vo, 10, 1000},
                                       C{id, 7, 420}, C{id, 2, 900},  C{iC, 5, 625}};
    for (const MeasuringCursor& c : cursors) {
        const CursorMarker marker = MarkerOf(c, m, ExampleSums());
        EXPECT_EQ(std::make_pair(marker.x, marker.y), DrawnVertex(lines, c, m.N))
            << ::testing::PrintToString(c);
    }
}

// The reference sums, in long double (64-bit mantissa) one sample after the other: over the
// at most 10^4 samples of these ranges their error stays below 10^4 × 2^-64 ≈ 5.4e-16 of
// sum|x|.
struct DirectMoments {
    long double mean, rms, meanMagnitude;
};

DirectMoments Direct(const std::vector<double>& samples, std::int32_t n, std::int64_t first,
                     std::int64_t last) {
    long double sum = 0, squares = 0, magnitudes = 0;
    for (std::int64_t j = std::min(first, last); j <= std::max(first, last); ++j) {
        const long double x = samples[static_cast<std::size_t>(j % n + 1)];
        sum += x;
        squares += x * x;
        magnitudes += std::fabs(x);
    }
    const auto count = static_cast<long double>(std::max(first, last) - std::min(first, last) + 1);
    return {sum / count, std::sqrt(squares / count), magnitudes / count};
}

void ExpectNear(const CursorSums::Moments& got, const DirectMoments& want, double tolerance) {
    EXPECT_NEAR(got.mean, static_cast<double>(want.mean), tolerance);
    EXPECT_NEAR(got.rms, static_cast<double>(want.rms), tolerance);
}

// The block sums err by at most about 12 × 2^-53 ≈ 1.3e-15 of sum|x| over the range, the
// reference by 5.4e-16: 1e-14 of the mean magnitude leaves room for both, and is still far
// below the 1e-12 that a plain running sum over 10^4 samples may reach.
TEST(CursorSums, MeanAndRmsMatchADirectSumOverAnyRange) {
    // One sample, inside a block, across a block boundary, whole blocks and partial ends, one
    // whole period, inside the period's last partial block, across a period boundary, several
    // periods, the whole plot, and B left of A.
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {4321, 4321}, {10, 20},    {250, 260},  {200, 700}, {0, 999},
        {800, 999},   {900, 1100}, {500, 7499}, {0, 9999},  {7499, 500}};
    const Module1& m = ExampleRun();
    for (const Trace trace : {iL, iC, Vo, id}) {
        for (const auto& [first, last] : cases) {
            SCOPED_TRACE(testing::Message() << first << ".." << last);
            const DirectMoments direct = Direct(ArrayOf(trace, m), m.N, first, last);
            ExpectNear(ExampleSums().between(trace, first, last), direct,
                       1e-14 * static_cast<double>(direct.meanMagnitude));
        }
    }
}

// Samples near 10^6 over 2^20 samples: the prefixes reach 10^12, where a double holds steps
// of about 10^-4, and 701 samples near the end keep their digits only if the prefixes carry
// their rounding errors: 2e-15 of the mean is 18 ulps; plain running sums are off by 8e-11.
TEST(CursorSums, ShortRangesFarIntoALargePeriodKeepTheirDigits) {
    constexpr std::int32_t n = 1 << 20;
    Module1 m;
    m.N = n;
    m.NP = 2;
    m.iL_t = m.iC_t = m.Vo_t = m.id_t = std::vector<double>(static_cast<std::size_t>(n) + 2);
    for (std::int32_t k = 1; k <= n; ++k) {
        m.Vo_t[static_cast<std::size_t>(k)] = 1e6 + 1e-3 * (k % 7);
    }
    const CursorSums sums(m);
    for (const std::int64_t first : {1000000, n + 1000000}) {
        SCOPED_TRACE(first);
        ExpectNear(sums.between(Vo, first, first + 700), Direct(m.Vo_t, n, first, first + 700),
                   2e-15 * 1e6);
    }
}

// 11 kHz and N = 1000: one sample every 1/11 µs. Numbers for people: engineering units with
// five significant digits; the mean and RMS over [A, B) or [B, A), or why there are none.
TEST(MeasuringCursors, OverlayListsTimesValuesAndTheTraceBetweenTheCursorsGivenAFrequency) {
    const struct {
        MeasuringCursor a, b;
        char16_t separator;
        std::vector<std::string> lines;
    } cases[] = {
        {C{iL, 2, 250},
         C{iL, 3, 750},
         u',',
         {"A: t = 113,64 µs  iL = 2,4401 A", "B: t = 250,0 µs  iL = 3,0228 A", "Δt = 136,36 µs",
          "1/Δt = 7,3333 kHz", "ΔiL = 582,66 mA", "media [A, B) = 2,8224 A",
          "RMS [A, B) = 2,8838 A"}},
        {C{iL, 3, 750},
         C{iL, 2, 250},
         u'.',
         {"A: t = 250.0 µs  iL = 3.0228 A", "B: t = 113.64 µs  iL = 2.4401 A", "Δt = -136.36 µs",
          "1/Δt = -7.3333 kHz", "ΔiL = -582.66 mA", "media [B, A) = 2.8224 A",
          "RMS [B, A) = 2.8838 A"}},
        {C{iL, 2, 250},
         C{Vo, 1, 1},
         u'.',
         {"A: t = 113.64 µs  iL = 2.4401 A", "B: t = 90.909 ns  Vo = -25.397 V", "Δt = -113.55 µs",
          "1/Δt = -8.807 kHz", "media e RMS: solo con A e B sulla stessa traccia"}},
        {C{id, 4, 900},
         C{id, 4, 900},
         u',',
         {"A: t = 354,55 µs  id = 2,1671 A", "B: t = 354,55 µs  id = 2,1671 A", "Δt = 0,0 s",
          "Δid = 0,0 A", "media e RMS: A e B sullo stesso campione"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines;
        for (const Text& line :
             CursorOverlayLines(Pair(c.a, c.b), ExampleSums(), ExampleRun().f, c.separator)) {
            lines.push_back(Utf8(line));
        }
        EXPECT_EQ(lines, c.lines);
    }
    // Without a frequency there is no time to show.
    const std::vector<Text> timeless = CursorOverlayLines(Pair({}, {}), ExampleSums(), 0, u'.');
    EXPECT_EQ(Utf8(timeless[0]),
              "A: t = —  iL = " + Utf8(EngineeringText(ExampleRun().iL_t[1], u"A", u'.')));
}

// Over [A, B): cursors a whole period apart give the period's own mean and RMS, in either
// order, wherever the period starts; one sample more or less gives others; cursors on one
// sample or on two traces give none.
TEST(MeasuringCursors, MeanAndRmsRunFromTheEarlierCursorUpToTheLaterOneLeftOut) {
    const Module1& m = ExampleRun();
    for (const Trace trace : {iL, iC, Vo, id}) {
        const DirectMoments period = Direct(ArrayOf(trace, m), m.N, 0, m.N - 1);
        for (const auto& [a, b] : {std::pair(C{trace, 1, 1}, C{trace, 2, 1}),
                                   std::pair(C{trace, 7, 420}, C{trace, 6, 420}),
                                   std::pair(C{trace, 3, 1000}, C{trace, 4, 1000})}) {
            const std::optional<CursorSums::Moments> moments =
                MomentsBetween(Pair(a, b), ExampleSums());
            ASSERT_TRUE(moments.has_value());
            ExpectNear(*moments, period, 1e-14 * static_cast<double>(period.meanMagnitude));
        }
        const std::optional<CursorSums::Moments> longer =
            MomentsBetween(Pair(C{trace, 1, 1}, C{trace, 2, 2}), ExampleSums());
        ASSERT_TRUE(longer.has_value());
        const DirectMoments direct = Direct(ArrayOf(trace, m), m.N, 0, m.N);
        ExpectNear(*longer, direct, 1e-14 * static_cast<double>(direct.meanMagnitude));
    }
    EXPECT_FALSE(MomentsBetween(Pair(C{iC, 4, 5}, C{iC, 4, 5}), ExampleSums()).has_value());
    EXPECT_FALSE(MomentsBetween(Pair(C{iC, 4, 5}, C{Vo, 6, 5}), ExampleSums()).has_value());
}

// Choosing a trace moves both cursors onto it, each on its own sample.
TEST(MeasuringCursors, ChoosingATraceMovesBothCursorsOntoIt) {
    MeasuringCursors cursors = Pair(C{iL, 2, 250}, C{Vo, 3, 750}, B);
    MoveCursorsTo(cursors, id);
    EXPECT_EQ(cursors[A], (C{id, 2, 250}));
    EXPECT_EQ(cursors[B], (C{id, 3, 750}));
    EXPECT_EQ(cursors.active, B);
}

// In the view 20 .. 30, A (plot x 15) lies before it, B (plot x 25) in its middle and a cursor
// at plot x 35 after it; the bands the box leaves clear are those of the traces measured.
TEST(MeasuringCursors, TheOverlayMarksEachCursorInOrBeyondTheViewAndTheMeasuredBands) {
    const struct {
        MeasuringCursor a, b;
        CursorPlace aPlace, bPlace;
        std::vector<std::pair<double, double>> bands;
    } cases[] = {
        {C{iL, 2, 500}, C{iL, 3, 500}, CursorPlace::BeforeView, CursorPlace::InView, {{80, 98}}},
        {C{iC, 3, 500},
         C{Vo, 4, 500},
         CursorPlace::InView,
         CursorPlace::AfterView,
         {{61, 79}, {32, 50}}},
    };
    for (const auto& c : cases) {
        const CursorOverlay overlay =
            OverlayOf(Pair(c.a, c.b, B), ExampleRun(), ExampleSums(), kZoomed, std::nullopt, u',');
        ASSERT_EQ(overlay.marks.size(), 2u);
        EXPECT_EQ(overlay.marks[0].name, A);
        EXPECT_EQ(overlay.marks[0].place, c.aPlace);
        EXPECT_FALSE(overlay.marks[0].active);
        EXPECT_EQ(overlay.marks[1].place, c.bPlace);
        EXPECT_TRUE(overlay.marks[1].active);
        const CursorMark& inView =
            c.aPlace == CursorPlace::InView ? overlay.marks[0] : overlay.marks[1];
        EXPECT_NEAR(inView.x, 50, 0.01);
        std::vector<std::pair<double, double>> bands;
        for (const HeightSpan& band : overlay.measuredBands) {
            bands.emplace_back(band.low, band.high);
        }
        EXPECT_EQ(bands, c.bands);
        EXPECT_EQ(overlay.readings,
                  CursorOverlayLines(Pair(c.a, c.b, B), ExampleSums(), ExampleRun().f, u','));
    }
}

} // namespace
