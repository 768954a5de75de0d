#include "display/measuring_cursors.h"

#include "core/measurements.h"
#include "core/simulation.h"
#include "line_recorder.h"
#include "test_support/example_converter.h"
#include "test_support/utf8.h"

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

constexpr auto iL = TraceOption::Option1;
constexpr auto iC = TraceOption::Option2;
constexpr auto Vo = TraceOption::Option3;
constexpr auto id = TraceOption::Option5;
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

MeasuringCursor At(TraceOption trace, std::int32_t period, std::int32_t sample) {
    return {trace, period, sample};
}

const std::vector<double>& ArrayOf(TraceOption trace, const Module1& m) {
    switch (trace) {
    case TraceOption::Option1:
        return m.iL_t;
    case TraceOption::Option2:
        return m.iC_t;
    case TraceOption::Option3:
        return m.Vo_t;
    case TraceOption::Option5:
        return m.id_t;
    }
    return m.iL_t;
}

struct PlacementCase {
    const char* name;
    WaveformView view;
    float x, y;
    TraceOption before;
    MeasuringCursor after;
};

TEST(MeasuringCursors, PlacingSnapsToTheBandsTraceAndTheNearestSample) {
    const float below80 = std::nextafter(80.0f, 0.0f);
    const float below01 = std::nextafter(0.1f, 0.0f);
    const PlacementCase cases[] = {
        {"iL from 80, last sample of period 5", kWhole, 50, 80, id, At(iL, 5, 1000)},
        {"iC below 80, nearer the left sample", kWhole, 50.004f, below80, iL, At(iC, 5, 1000)},
        {"iC from 55, nearer the right sample", kWhole, 50.006f, 55, iL, At(iC, 6, 1)},
        {"Vo from 25", kWhole, 25, 25, iL, At(Vo, 3, 500)},
        {"id from 0.1", kWhole, 25, 0.1f, iL, At(id, 3, 500)},
        {"strip below the id band keeps Vo", kWhole, 25, below01, Vo, At(Vo, 3, 500)},
        {"above the box is iL", kWhole, 25, 130, Vo, At(iL, 3, 500)},
        {"left edge: first sample", kWhole, 0, 90, iL, At(iL, 1, 1)},
        {"left of the box", kWhole, -5, 90, iL, At(iL, 1, 1)},
        {"right edge: last sample", kWhole, 100, 90, iL, At(iL, 10, 1000)},
        {"right of the box", kWhole, 120, 90, iL, At(iL, 10, 1000)},
        {"zoomed: middle of the box is plot x 25", kZoomed, 50, 60, iL, At(iC, 3, 500)},
        {"zoomed: left edge is plot x 20", kZoomed, 0, 60, iL, At(iC, 2, 1000)},
        {"zoomed: just right of the period gap", kZoomed, 0.07f, 60, iL, At(iC, 3, 1)},
    };
    const Module1& m = ExampleRun();
    const CursorSums& run = ExampleSums();
    for (const PlacementCase& c : cases) {
        MeasuringCursors cursors;
        cursors[CursorName::B].trace = c.before;
        PlaceCursor(cursors, CursorName::B, c.x, c.y, c.view, run);
        const MeasuringCursor& placed = cursors[CursorName::B];
        EXPECT_EQ(placed, c.after) << c.name;
        EXPECT_EQ(cursors[CursorName::A], MeasuringCursor{}) << c.name;
        const double value = run.sample(placed.trace, placed.sample);
        const double sample = ArrayOf(placed.trace, m)[static_cast<std::size_t>(placed.sample)];
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(sample))
            << c.name;
    }
}

struct TurnOnCase {
    std::optional<TraceOption> selection;
    WaveformView view;
    MeasuringCursor a, b;
};

TEST(MeasuringCursors, TurnOnAtAThirdAndTwoThirdsOfTheViewOnTheSelectedTrace) {
    const TurnOnCase cases[] = {
        {{}, kWhole, At(iL, 4, 333), At(iL, 7, 667)},
        {Vo, kWhole, At(Vo, 4, 333), At(Vo, 7, 667)},
        {id, kZoomed, At(id, 3, 333), At(id, 3, 667)},
    };
    for (const TurnOnCase& c : cases) {
        const MeasuringCursors cursors = TurnOnCursors(c.selection, c.view, ExampleSums());
        EXPECT_EQ(cursors[CursorName::A], c.a);
        EXPECT_EQ(cursors[CursorName::B], c.b);
        EXPECT_EQ(cursors.active, CursorName::A);
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
        {"one right", At(iC, 1, 500), 1, At(iC, 1, 501)},
        {"into the next period", At(iC, 1, 1000), 1, At(iC, 2, 1)},
        {"into the period before", At(iC, 2, 1), -1, At(iC, 1, 1000)},
        {"stops at the first sample", At(iC, 1, 1), -1, At(iC, 1, 1)},
        {"stops at the last sample", At(iC, 10, 1000), 1, At(iC, 10, 1000)},
        {"a tenth of the whole view", At(iC, 3, 900), 1000, At(iC, 4, 900)},
        {"a tenth back past the start", At(iC, 1, 300), -1000, At(iC, 1, 1)},
        {"a tenth past the end", At(iC, 10, 500), 1000, At(iC, 10, 1000)},
    };
    for (const StepCase& c : cases) {
        MeasuringCursors cursors;
        cursors[CursorName::A] = At(iL, 5, 5);
        cursors[CursorName::B] = c.from;
        SwitchActiveCursor(cursors);
        StepActiveCursor(cursors, c.step, ExampleSums());
        EXPECT_EQ(cursors[CursorName::B], c.to) << c.name;
        EXPECT_EQ(cursors[CursorName::A], At(iL, 5, 5)) << c.name;
    }
}

TEST(MeasuringCursors, TheLongStepIsATenthOfTheViewAndAtLeastOneSample) {
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
        {"nearer A", kWhole, 19.9f, CursorName::B, CursorName::A},
        {"nearer B", kWhole, 20.1f, CursorName::A, CursorName::B},
        {"as near: the active A", kWhole, 20, CursorName::A, CursorName::A},
        {"as near: the active B", kWhole, 20, CursorName::B, CursorName::B},
        {"zoomed, beyond B on the right", kZoomed, 90, CursorName::A, CursorName::B},
        {"zoomed, A off the box on the left", kZoomed, -1, CursorName::B, CursorName::A},
    };
    for (const NearerCase& c : cases) {
        MeasuringCursors cursors;
        cursors[CursorName::A] = At(iL, 2, 500);
        cursors[CursorName::B] = At(Vo, 3, 500);
        cursors.active = c.active;
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
    const MeasuringCursor cursors[] = {At(iL, 1, 1),   At(iC, 4, 1000), At(Vo, 10, 1000),
                                       At(id, 7, 420), At(id, 2, 900),  At(iC, 5, 625)};
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
    long double mean = 0;
    long double rms = 0;
    long double meanMagnitude = 0;
};

DirectMoments Direct(const std::vector<double>& samples, std::int32_t n, std::int64_t first,
                     std::int64_t last) {
    long double sum = 0;
    long double squares = 0;
    long double magnitudes = 0;
    for (std::int64_t j = std::min(first, last); j <= std::max(first, last); ++j) {
        const long double x = samples[static_cast<std::size_t>(j % n + 1)];
        sum += x;
        squares += x * x;
        magnitudes += std::fabs(x);
    }
    const auto count = static_cast<long double>(std::max(first, last) - std::min(first, last) + 1);
    return {sum / count, std::sqrt(squares / count), magnitudes / count};
}

struct RangeCase {
    const char* name;
    std::int64_t first, last;
};

// The block sums err by at most about 12 × 2^-53 ≈ 1.3e-15 of sum|x| over the range, the
// reference by 5.4e-16: 1e-14 of the mean magnitude leaves room for both, and is still far
// below the 1e-12 that a plain running sum over 10^4 samples may reach.
TEST(CursorSums, MeanAndRmsMatchADirectSumOverAnyRange) {
    const RangeCase cases[] = {
        {"one sample", 4321, 4321},
        {"inside one block", 10, 20},
        {"across a block boundary", 250, 260},
        {"whole blocks and partial ends", 200, 700},
        {"one whole period", 0, 999},
        {"inside the period's last, partial block", 800, 999},
        {"across a period boundary", 900, 1100},
        {"several periods", 500, 7499},
        {"the whole plot", 0, 9999},
        {"B left of A", 7499, 500},
    };
    const Module1& m = ExampleRun();
    for (const TraceOption trace : {iL, iC, Vo, id}) {
        for (const RangeCase& c : cases) {
            const CursorSums::Moments moments = ExampleSums().between(trace, c.first, c.last);
            const DirectMoments direct = Direct(ArrayOf(trace, m), m.N, c.first, c.last);
            const double tolerance = 1e-14 * static_cast<double>(direct.meanMagnitude);
            EXPECT_NEAR(moments.mean, static_cast<double>(direct.mean), tolerance) << c.name;
            EXPECT_NEAR(moments.rms, static_cast<double>(direct.rms), tolerance) << c.name;
        }
    }
}

// Samples near 10^6 over a period of 2^20 samples: the prefixes reach 10^12, where a double
// holds steps of about 10^-4, and a range of 701 samples near the end, whole blocks between
// two partial ones, keeps its digits only if the prefixes carry their rounding errors. 2e-15
// of the mean is 18 units in its last place; prefixes kept as plain running sums are off here
// by 8e-11 of it.
TEST(CursorSums, ShortRangesFarIntoALargePeriodKeepTheirDigits) {
    constexpr std::int32_t n = 1 << 20;
    Module1 m;
    m.N = n;
    m.NP = 2;
    for (auto* samples : {&m.iL_t, &m.iC_t, &m.Vo_t, &m.id_t}) {
        samples->assign(static_cast<std::size_t>(n) + 2, 0);
    }
    for (std::int32_t k = 1; k <= n; ++k) {
        m.Vo_t[static_cast<std::size_t>(k)] = 1e6 + 1e-3 * (k % 7);
    }
    const CursorSums sums(m);
    for (const std::int64_t first : {1000000, n + 1000000}) {
        const CursorSums::Moments moments = sums.between(Vo, first, first + 700);
        const DirectMoments direct = Direct(m.Vo_t, n, first, first + 700);
        EXPECT_NEAR(moments.mean, static_cast<double>(direct.mean), 2e-15 * 1e6) << first;
        EXPECT_NEAR(moments.rms, static_cast<double>(direct.rms), 2e-15 * 1e6) << first;
    }
}

struct OverlayCase {
    const char* name;
    MeasuringCursor a, b;
    char16_t separator;
    std::vector<std::string> lines;
};

// 11 kHz and N = 1000: one sample every 1/11 µs.
TEST(MeasuringCursors, OverlayListsTimesValuesAndTheTraceBetweenTheCursors) {
    const OverlayCase cases[] = {
        {"same trace",
         At(iL, 2, 250),
         At(iL, 3, 750),
         u',',
         {"A: t = 113,64 µs  iL = 2,44E+00 A", "B: t = 250,00 µs  iL = 3,02E+00 A",
          "Δt = 136,36 µs", "1/Δt = 7,33E+03 Hz", "ΔiL = 5,83E-01 A", "media = 2,82E+00 A",
          "RMS = 2,88E+00 A"}},
        {"different traces",
         At(iL, 2, 250),
         At(Vo, 1, 1),
         u'.',
         {"A: t = 113.64 µs  iL = 2.44E+00 A", "B: t = 0.09 µs  Vo = -2.54E+01 V",
          "Δt = -113.55 µs", "1/Δt = -8.81E+03 Hz"}},
        {"same sample",
         At(id, 4, 900),
         At(id, 4, 900),
         u',',
         {"A: t = 354,55 µs  id = 2,17E+00 A", "B: t = 354,55 µs  id = 2,17E+00 A", "Δt = 0,00 µs",
          "Δid = 0,00E+00 A", "media = 2,17E+00 A", "RMS = 2,17E+00 A"}},
    };
    for (const OverlayCase& c : cases) {
        MeasuringCursors cursors;
        cursors[CursorName::A] = c.a;
        cursors[CursorName::B] = c.b;
        std::vector<std::string> lines;
        for (const Text& line :
             CursorOverlayLines(cursors, ExampleSums(), ExampleRun().f, c.separator)) {
            lines.push_back(Utf8(line));
        }
        EXPECT_EQ(lines, c.lines) << c.name;
    }
}

TEST(MeasuringCursors, OverlayWithoutAFrequencyIsARuntimeError) {
    const MeasuringCursors cursors = TurnOnCursors({}, kWhole, ExampleSums());
    EXPECT_THROW(CursorOverlayLines(cursors, ExampleSums(), 0, u'.'), RuntimeError);
}

} // namespace
