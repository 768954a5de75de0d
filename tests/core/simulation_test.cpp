#include "core/conversions.h"
#include "core/simulation.h"
#include "test_support/example_converter.h"
#include "test_support/named_case.h"
#include "test_support/recorders.h"
#include "test_support/thrown_kind.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace {

using enum CycleShortcut;
using enum RuntimeErrorKind;

const std::string ConductionMessage =
    "MsgBox Il Duty Cycle non può essere così basso, la corrente nell'induttore non può "
    "annullarsi, prova ad aumentare L ( anche di molto )!";

Module1 Converter(std::int32_t N, double D, std::int32_t NI, double L = 0.0004) {
    Module1 m = ExampleConverter();
    m.N = N;
    m.D = D;
    m.NI = NI;
    m.L = L;
    return m;
}

// Samples 1..N: '0' where exactly zero, 'x' elsewhere.
std::string ZeroPattern(const Module1& m, const std::vector<double>& samples) {
    std::string pattern;
    for (std::int32_t k = 1; k <= m.N; ++k) {
        pattern += samples[k] == 0 ? '0' : 'x';
    }
    return pattern;
}

bool BitIdentical(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

// Records as its base does, raising the invalid-operation flag at every question: a listener's
// own arithmetic is not a simulation fault.
class FlagRaisingObserver : public RecordingObserver {
public:
    bool keepGoing(double fraction) override {
        std::feraiseexcept(FE_INVALID);
        return RecordingObserver::keepGoing(fraction);
    }
};

TEST(SimulationTest, ExampleLastPeriod) {
    Module1 m = ExampleConverter();
    ASSERT_TRUE(SimulatePeriods(m, nullptr, On));
    EXPECT_EQ(m.Iter, 5001);
    EXPECT_EQ(m.iL_t[1], m.iL_t[1000]);
    const auto first = m.iL_t.begin() + 1;
    const auto end = m.iL_t.begin() + 1001;
    EXPECT_EQ(*std::min_element(first, end), m.iL_t[1000]);
    EXPECT_NEAR(*std::max_element(first, end), m.iL_t[625], 1e-12);
    EXPECT_NEAR(*std::max_element(first, end), m.iL_t[626], 1e-12);
    const auto [low, high] = std::minmax_element(m.Vo_t.begin() + 1, m.Vo_t.begin() + 1001);
    EXPECT_NEAR(*low, -25.397, 0.0005);
    EXPECT_NEAR(*high, -24.454, 0.0005);
}

struct SampleCase : NamedCase {
    std::int32_t N;
    double D;
    std::int32_t k;
    std::array<double, 4> iLVoiCid;
};

class ExactSampleTest : public testing::TestWithParam<SampleCase> {};

// Bit-exact samples after 50 periods (the example: 5000), computed literally as the formulas
// are written, one rounding per operation in their order.
TEST_P(ExactSampleTest, MatchesTheWrittenArithmetic) {
    const SampleCase& c = GetParam();
    Module1 m = Converter(c.N, c.D, c.N == 1000 ? 5000 : 50);
    SimulatePeriods(m, nullptr, On);
    const std::array<double, 4> sample = {m.iL_t[c.k], m.Vo_t[c.k], m.iC_t[c.k], m.id_t[c.k]};
    EXPECT_EQ(sample, c.iLVoiCid);
}

// iL, Vo, iC, id
const SampleCase Samples[] = {
    {{"Example1"},
     1000,
     0.625,
     1,
     {1.5912406650955022, -25.396963237474882, -0.57536213559650673, 1.5912406650955022}},
    {{"Example625"},
     1000,
     0.625,
     625,
     {3.7185133923682345, -24.454402998031327, 0.97817611992084619, 0}},
    {{"Example626"},
     1000,
     0.625,
     626,
     {3.7185133923679619, -24.454402998031327, -2.740337272446709, 3.7185133923679619}},
    {{"Example1001"}, 1000, 0.625, 1001, {1.5854686279960142, -25.397834998286392, 0, 0}},
    {{"QuarterOn3"}, 10, 0.25, 3, {0.031989067905233259, -2.2792088644531239, 0, 0}},
    {{"QuarterOn11"}, 10, 0.25, 11, {-0.63898569395911109, -1.7198272749466337, 0, 0}},
    {{"FifteenPercentOn2"},
     10,
     0.15,
     2,
     {-0.11239656394109501, -2.1655432444494527, 0.19901829371907312, -0.11239656394109501}}};

INSTANTIATE_TEST_SUITE_P(Samples, ExactSampleTest, testing::ValuesIn(Samples), ByCaseName());

struct LayoutCase : NamedCase {
    std::int32_t N;
    double D;
    const char* iL;
    const char* Vo;
    const char* iC;
    const char* id;
};

class SampleLayoutTest : public testing::TestWithParam<LayoutCase> {};

// Which samples a period writes depends on how N x D (the last on step) and N x D + 1 (the
// first off step) round.
TEST_P(SampleLayoutTest, SamplesLeftZero) {
    const LayoutCase& c = GetParam();
    Module1 m = Converter(c.N, c.D, 50);
    SimulatePeriods(m, nullptr, Off);
    EXPECT_EQ(ZeroPattern(m, m.iL_t), c.iL);
    EXPECT_EQ(ZeroPattern(m, m.Vo_t), c.Vo);
    EXPECT_EQ(ZeroPattern(m, m.iC_t), c.iC);
    EXPECT_EQ(ZeroPattern(m, m.id_t), c.id);
}

const LayoutCase Layouts[] = {
    {{"OnTo5OffFrom6"}, 8, 0.625, "xxxxxxxx", "xxxxxxxx", "xxxxxxxx", "x0000xxx"},
    {{"OnTo2OffFrom4"}, 10, 0.25, "xxxxxxxxxx", "xxxxxxxxxx", "xx0xxxxxxx", "x00xxxxxxx"},
    {{"OnTo2OffFrom2"}, 10, 0.15, "xxxxxxxxxx", "xxxxxxxxxx", "xxxxxxxxxx", "xxxxxxxxxx"},
    {{"NoOnStepOffFrom1"}, 10, 0.04, "0000000000", "0000000000", "0000000000", "0000000000"},
    {{"OnTo10NoOffStep"}, 10, 0.97, "xxxxxxxxxx", "0000000000", "0000000000", "0000000000"}};

INSTANTIATE_TEST_SUITE_P(Rounding, SampleLayoutTest, testing::ValuesIn(Layouts), ByCaseName());

// 2.5 samples on: sample 4 repeats sample 2, sample 3 keeps the last on step's rise. 1.5 on:
// the off interval takes sample 2 over. 9.7 on: the inductor current only rises.
TEST(SimulationTest, RoundingOfTheSwitchOffSample) {
    Module1 m = Converter(10, 0.25, 50);
    SimulatePeriods(m, nullptr, Off);
    EXPECT_EQ(m.Vo_t[4], m.Vo_t[2]);
    EXPECT_GT(m.iL_t[3], m.iL_t[2]);
    m = Converter(10, 0.15, 50);
    SimulatePeriods(m, nullptr, Off);
    EXPECT_EQ(m.id_t[2], m.iL_t[2]);
    EXPECT_LT(m.iL_t[3], m.iL_t[2]);
    m = Converter(10, 0.97, 3);
    SimulatePeriods(m, nullptr, Off);
    const auto end = m.iL_t.begin() + 11;
    EXPECT_EQ(std::adjacent_find(m.iL_t.begin() + 2, end, std::greater_equal<>()), end);
    EXPECT_EQ(m.iL_t[1], m.iL_t[10]);
}

struct RunCase : NamedCase {
    Module1 m;
    std::vector<std::string> calls;
    std::int32_t idx;
};

class SimulateAndPlotTest : public testing::TestWithParam<RunCase> {};

TEST_P(SimulateAndPlotTest, StepsAndSharedCounter) {
    Module1 m = GetParam().m;
    m.DeltaiLSim = m.DeltaVoSim = m.IDPSim = m.IdmSim = m.IimSim = 42;
    Form1Recorder form1;
    WaveformRecorder form2(form1.calls);
    SimulateAndPlot(m, form2, form1, nullptr);
    EXPECT_EQ(form1.calls, GetParam().calls);
    EXPECT_EQ(m.Idx, GetParam().idx);
    const bool completed = GetParam().calls.back() == "drawTraces";
    EXPECT_EQ(m.DeltaiLSim == 42 && m.DeltaVoSim == 42 && m.IDPSim == 42 && m.IdmSim == 42 &&
                  m.IimSim == 42,
              !completed);
}

// The on-step rise (Vi dt) / L overflows, but with no on step it is never computed: the run is
// an ordinary conduction failure, not an arithmetic fault.
Module1 NoOnStepWhoseRiseOverflows() {
    Module1 m = Converter(10, 0.04, 5, 1E-300);
    m.Vi = 1E300;
    m.f = 1;
    return m;
}

const std::vector<std::string> Drawn = {"showAndDrawFrame", "drawTraces"};
const std::vector<std::string> Refused = {"showAndDrawFrame", ConductionMessage};

INSTANTIATE_TEST_SUITE_P(
    Outcomes, SimulateAndPlotTest,
    testing::Values(RunCase{"Example", ExampleConverter(), Drawn, 1001},
                    RunCase{"NoPeriod", Converter(1000, 0.625, 0), Refused, 1},
                    RunCase{"NegativePeriods", Converter(1000, 0.625, -3), Refused, 1},
                    RunCase{"NoOnStep", Converter(10, 0.04, 20), Refused, 1},
                    RunCase{"CurrentVanishesAtSample9", Converter(20, 0.1, 1, 4e-6), Refused, 9},
                    RunCase{"NoOnStepWhoseRiseWouldOverflow", NoOnStepWhoseRiseOverflows(), Refused,
                            1}),
    ByCaseName());

// Stopped at the first call, or (N 200000, whose arrays take three calls to make) after on
// step 65536: the run ends after the frame, without message, keeping the last measurement.
TEST(SimulationTest, StoppedRunEndsAfterTheFrameWithoutMessage) {
    const struct {
        Module1 m;
        std::size_t stopAtCall;
        std::int32_t lastStep; // 0: no step ran
    } cases[] = {{ExampleConverter(), 1, 0}, {Converter(200000, 0.625, 3), 4, 65536}};
    for (const auto& c : cases) {
        Module1 m = c.m;
        FlagRaisingObserver observer;
        observer.stopAtCall = c.stopAtCall;
        m.DeltaiLSim = m.iLMax = 42; // the previous run's measurement
        Form1Recorder form1;
        WaveformRecorder form2(form1.calls);
        SimulateAndPlot(m, form2, form1, &observer);
        EXPECT_EQ(form1.calls, std::vector<std::string>{"showAndDrawFrame"});
        EXPECT_EQ(observer.fractions.size(), c.stopAtCall);
        EXPECT_EQ(m.DeltaiLSim, 42);
        EXPECT_EQ(m.iLMax, 42);
        if (c.lastStep > 0) {
            EXPECT_EQ(m.Iter, 1);
            EXPECT_NE(m.iL_t[c.lastStep + 1], 0);
            EXPECT_EQ(m.iL_t[c.lastStep + 2], 0);
        }
    }
}

struct RateCase : NamedCase {
    std::int32_t N;
    std::int32_t NI;
    std::int32_t stepsPerReport;
    std::vector<double> fractions;
    std::vector<std::int32_t> periods; // named with each fraction, 0 while the arrays are made
};

class ObserverRateTest : public testing::TestWithParam<RateCase> {};

// About every stepsPerReport steps: after every so many short periods; between stretches of
// that many steps of a long period's intervals (62.5 % on), or of samples while the arrays
// are made (fraction 0). Each period's report names it, out of NI.
TEST_P(ObserverRateTest, FractionsReported) {
    Module1 m = Converter(GetParam().N, 0.625, GetParam().NI);
    FlagRaisingObserver observer;
    SimulatePeriods(m, &observer, On, GetParam().stepsPerReport);
    EXPECT_EQ(observer.fractions, GetParam().fractions);
    EXPECT_EQ(observer.periods, GetParam().periods);
    const bool periodNamed = std::any_of(GetParam().periods.begin(), GetParam().periods.end(),
                                         [](std::int32_t period) { return period > 0; });
    EXPECT_EQ(observer.periodCount, periodNamed ? GetParam().NI : 0);
}

// N 100 at 62.5 %: on steps 1..62, off steps 64..100. N 200000: on steps 1..125000, off steps
// 125001..200000.
INSTANTIATE_TEST_SUITE_P(
    Periods, ObserverRateTest,
    testing::Values(
        RateCase{
            "AfterEachPeriod", 100000, 3, StepsPerReport, {0, 1.0 / 3, 2.0 / 3, 1}, {0, 1, 2, 3}},
        RateCase{
            "AfterEvery65Periods", 1000, 200, StepsPerReport, {0.325, 0.65, 0.975}, {65, 130, 195}},
        RateCase{"NoneWithin64Periods", 1000, 64, StepsPerReport, {}, {}},
        RateCase{"StretchesWithinAPeriod",
                 100,
                 1,
                 16,
                 {0, 0, 0, 0, 0, 0, 0.16, 0.32, 0.48, 0.79, 0.95, 1},
                 {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1}},
        RateCase{"StretchesWithinLongPeriods",
                 200000,
                 2,
                 StepsPerReport,
                 {0, 0, 0, (65536 / 200000.0) / 2, (190536 / 200000.0) / 2, 0.5,
                  (1 + 65536 / 200000.0) / 2, (1 + 190536 / 200000.0) / 2, 1},
                 {0, 0, 0, 1, 1, 1, 2, 2, 2}}),
    ByCaseName());

// A run simulated in stretches of `stepsPerReport` steps; `reportsTheEnd`: its observer's
// last fraction is 1.
struct StretchCase : NamedCase {
    Module1 m;
    std::int32_t stepsPerReport;
    CycleShortcut shortcut;
    bool reportsTheEnd = false;
};

class BitIdentityTest : public testing::TestWithParam<StretchCase> {};

// The straight-line run simulates every period, each interval in one loop (no stretch can be
// that long), with no observer. Stretches, the cycle shortcut and an observer leave the arrays
// bit for bit as it does. The fractions an observer hears never go back.
TEST_P(BitIdentityTest, ArraysBitIdenticalToTheStraightLineRun) {
    const StretchCase& c = GetParam();
    Module1 straight = c.m;
    ASSERT_TRUE(SimulatePeriods(straight, nullptr, Off, std::numeric_limits<int32_t>::max()));
    FlagRaisingObserver observer;
    for (bool observed : {false, true}) {
        Module1 m = c.m;
        ASSERT_TRUE(
            SimulatePeriods(m, observed ? &observer : nullptr, c.shortcut, c.stepsPerReport));
        EXPECT_EQ(m.Iter, straight.Iter);
        EXPECT_TRUE(BitIdentical(m.iL_t, straight.iL_t)) << "observed " << observed;
        EXPECT_TRUE(BitIdentical(m.Vo_t, straight.Vo_t)) << "observed " << observed;
        EXPECT_TRUE(BitIdentical(m.iC_t, straight.iC_t)) << "observed " << observed;
        EXPECT_TRUE(BitIdentical(m.id_t, straight.id_t)) << "observed " << observed;
    }
    EXPECT_TRUE(std::is_sorted(observer.fractions.begin(), observer.fractions.end()));
    EXPECT_GE(observer.fractions.empty() ? 0 : observer.fractions.front(), 0);
    if (c.reportsTheEnd) {
        ASSERT_FALSE(observer.fractions.empty());
        EXPECT_EQ(observer.fractions.back(), 1);
    }
}

// The example has 625 on steps and 375 off steps (626..1000); its state entering period 1055
// repeats the one entering 1054: a fixed point. N 10 at 50 % settles into a cycle of 17
// periods from period 1941 (found entering 2064), N 200 at 45 % into one of 41 from 1106
// (found entering 2088).
INSTANTIATE_TEST_SUITE_P(
    Runs, BitIdentityTest,
    testing::Values(
        StretchCase{"EveryStep", Converter(1000, 0.625, 20), 1, Off},
        StretchCase{"SevenSteps", Converter(1000, 0.625, 20), 7, Off},
        StretchCase{"OffIntervalOneStepLonger", Converter(1000, 0.625, 20), 374, Off},
        StretchCase{"WholeOffInterval", Converter(1000, 0.625, 20), 375, Off},
        StretchCase{"OnIntervalOneStepLonger", Converter(1000, 0.625, 20), 624, Off},
        StretchCase{"HoldPastTheLastOnSample", Converter(10, 0.25, 30), 1, Off},
        StretchCase{"OffIntervalFromTheLastOnSample", Converter(10, 0.15, 30), 1, Off},
        StretchCase{"NoOffStep", Converter(10, 0.97, 3), 2, Off},
        StretchCase{"NoOnStep", Converter(10, 0.04, 5), 1, Off},
        StretchCase{"Cycle17InStretchesOf3", Converter(10, 0.5, 3000), 3, On},
        StretchCase{"LongPeriods", Converter(200000, 0.625, 3), StepsPerReport, Off, true},
        StretchCase{"ShortStretches", Converter(100, 0.625, 3), 16, Off, true},
        StretchCase{"EveryStepAcrossAFixedPoint", Converter(1000, 0.625, 2000), 1, On, true},
        StretchCase{"EveryStepAcrossACycle", Converter(10, 0.5, 3000), 1, On, true},
        StretchCase{"NoRepeatWithinNI", Converter(1000, 0.625, 1054), StepsPerReport, On},
        StretchCase{"FixedPointAtLastPeriod", Converter(1000, 0.625, 1055), StepsPerReport, On},
        StretchCase{"FixedPoint", Converter(1000, 0.625, 5000), StepsPerReport, On},
        StretchCase{"Cycle17", Converter(10, 0.5, 3000), StepsPerReport, On},
        StretchCase{"Cycle17AtLastPeriod", Converter(10, 0.5, 2064), StepsPerReport, On},
        StretchCase{"Cycle17WholeCycles", Converter(10, 0.5, 2064 + 17 * 50), StepsPerReport, On},
        StretchCase{"Cycle41", Converter(200, 0.45, 2500), StepsPerReport, On}),
    ByCaseName());

struct StopCase : NamedCase {
    std::size_t stopAtCall;
    std::int32_t lastStep;
};

class StopWithinPeriodTest : public testing::TestWithParam<StopCase> {};

// N 100 in stretches of 16: six calls while the arrays are made, then period 1 pauses after
// on steps 16, 32, 48 and off steps 79, 95. No step runs after the stop, and the observer is
// not called again.
TEST_P(StopWithinPeriodTest, EndsAtTheStretch) {
    Module1 m = Converter(100, 0.625, 3);
    FlagRaisingObserver observer;
    observer.stopAtCall = GetParam().stopAtCall;
    EXPECT_FALSE(SimulatePeriods(m, &observer, Off, 16));
    EXPECT_EQ(observer.fractions.size(), GetParam().stopAtCall);
    EXPECT_EQ(m.Iter, 1);
    const std::int32_t k = GetParam().lastStep;
    EXPECT_NE(m.iL_t[k + 1], 0);
    EXPECT_EQ(m.iL_t[k + 2], 0);
}

INSTANTIATE_TEST_SUITE_P(Stretches, StopWithinPeriodTest,
                         testing::Values(StopCase{"AfterOnStep16", 7, 16},
                                         StopCase{"AfterOnStep48", 9, 48},
                                         StopCase{"AfterOffStep79", 10, 79},
                                         StopCase{"AfterOffStep95", 11, 95}),
                         ByCaseName());

// A stop while the arrays are made ends there: the rest of them is not made (at N 10^7 that
// would keep the thread busy for as long again), and nothing of the previous run is kept.
TEST(SimulationTest, StopWhileTheArraysAreMadeLeavesThemEmpty) {
    Module1 m = Converter(200000, 0.625, 3);
    m.iL_t = {7};
    m.id_t = std::vector<double>(300000, 7);
    FlagRaisingObserver observer;
    observer.stopAtCall = 1;
    EXPECT_FALSE(SimulatePeriods(m, &observer, On));
    EXPECT_EQ(observer.fractions, std::vector<double>{0});
    for (const std::vector<double>* samples : {&m.iL_t, &m.Vo_t, &m.iC_t, &m.id_t}) {
        EXPECT_TRUE(samples->empty());
    }
}

TEST(SimulationTest, FloatingPointFaultsAreRuntimeErrors) {
    Module1 m = Converter(1000, 0.625, 50, 1E-300);
    Form1Recorder form1;
    WaveformRecorder form2(form1.calls);
    EXPECT_TRUE(ThrownKind([&] { SimulateAndPlot(m, form2, form1, nullptr); }));
    EXPECT_EQ(form1.calls, std::vector<std::string>{"showAndDrawFrame"});
    m = Converter(1000, 0.625, 50);
    m.f = 0;
    m.iL_t = {7};
    EXPECT_EQ(ThrownKind([&] { SimulatePeriods(m, nullptr, On); }), DivisionByZero);
    EXPECT_EQ(m.iL_t, std::vector<double>{7});
}

// The on steps raise the inductor current by 4.5E304 each: it overflows at step 3955 and
// stays infinite; the off interval then forms inf - inf. The overflow, met within the first
// stretch of 65536 steps, is raised there, before an observer could clear it with its flags.
TEST(SimulationTest, FaultWithinALongPeriodIsRaisedAtTheStretch) {
    for (bool observed : {false, true}) {
        Module1 m = Converter(200000, 0.625, 1, 1E-14);
        m.Vi = 1E300;
        FlagRaisingObserver observer;
        EXPECT_EQ(ThrownKind([&] { SimulatePeriods(m, observed ? &observer : nullptr, On); }),
                  Overflow)
            << "observed " << observed;
        EXPECT_EQ(observer.fractions, std::vector<double>(observed ? 3 : 0, 0.0));
    }
}

// Arithmetic that notes the first fault of its operations from their values alone: a NaN
// from operands that are not NaN is an invalid operation; an infinity from finite operands a
// division by zero when it divides by zero, else an overflow.
class FaultNotingArithmetic {
public:
    std::optional<RuntimeErrorKind> fault;

    double add(double a, double b) { return noted(a + b, a, b, false); }
    double sub(double a, double b) { return noted(a - b, a, b, false); }
    double mul(double a, double b) { return noted(a * b, a, b, false); }
    double div(double a, double b) { return noted(a / b, a, b, b == 0); }

private:
    double noted(double result, double a, double b, bool byZero) {
        if (fault) {
            return result;
        }
        if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) {
            fault = InvalidOperation;
        } else if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) {
            fault = byZero ? DivisionByZero : Overflow;
        }
        return result;
    }
};

// Where a plain run of the simulation stops: the operations in the order the formulas are
// written (no call's arguments hold two of them), a fault test after each statement has stored
// its value.
struct ReferenceStop {
    std::optional<RuntimeErrorKind> fault;
    std::int32_t Iter = 0;
    std::int32_t Idx = 0;
    std::vector<double> iL, Vo, iC, id;
};

ReferenceStop StatementByStatement(const Module1& m) {
    FaultNotingArithmetic x;
    ReferenceStop r;
    const double dt = x.div(x.div(1, m.f), m.N);
    const std::int32_t nOn = CLng(m.N * m.D);
    const std::int32_t offStart = CLng(m.N * m.D + 1);
    r.iL = r.Vo = r.iC = r.id = std::vector<double>(m.N + 2, 0.0);
    std::vector<double>&iL = r.iL, &Vo = r.Vo, &iC = r.iC, &id = r.id;
    struct Stopped {};
    const auto check = [&](std::int32_t k) {
        r.fault = x.fault;
        r.Idx = k;
        if (r.fault) {
            throw Stopped{};
        }
    };
    try {
        for (r.Iter = 1; r.Iter <= m.NI; ++r.Iter) {
            for (std::int32_t k = 1; k <= nOn; ++k) {
                const double rise = x.mul(m.Vi, dt);
                iL[k + 1] = x.add(x.div(rise, m.L), iL[k]);
                check(k);
                const double discharge = x.mul(dt, Vo[k]);
                const double timeConstant = x.mul(m.C, m.RL);
                Vo[k + 1] = x.sub(Vo[k], x.div(discharge, timeConstant));
                check(k);
                const double change = x.sub(Vo[k + 1], Vo[k]);
                iC[k] = x.div(x.mul(change, m.C), dt);
                check(k);
                id[k] = 0;
            }
            iL[offStart] = iL[nOn];
            iC[offStart] = iC[nOn];
            Vo[offStart] = Vo[nOn];
            for (std::int32_t k = offStart; k <= m.N; ++k) {
                const double fall = x.mul(dt, Vo[k]);
                iL[k + 1] = x.add(x.div(fall, m.L), iL[k]);
                check(k);
                const double discharge = x.mul(dt, Vo[k]);
                const double timeConstant = x.mul(m.C, m.RL);
                const double afterLoad = x.sub(Vo[k], x.div(discharge, timeConstant));
                const double charge = x.mul(dt, iL[k]);
                Vo[k + 1] = x.sub(afterLoad, x.div(charge, m.C));
                check(k);
                const double change = x.sub(Vo[k + 1], Vo[k]);
                iC[k] = x.div(x.mul(change, m.C), dt);
                check(k);
                const double negated = -iC[k];
                iL[k] = x.sub(negated, x.div(Vo[k], m.RL));
                check(k);
                id[k] = iL[k];
            }
            iL[1] = iL[m.N];
            iC[1] = iC[m.N];
            Vo[1] = Vo[m.N];
            id[1] = id[m.N];
        }
    } catch (const Stopped&) {
    }
    return r;
}

struct FirstFaultCase : NamedCase {
    Module1 m;
    std::int32_t stepsPerReport;
    RuntimeErrorKind fault;
    std::int32_t Iter;
    std::int32_t Idx;
};

Module1 WithCircuit(double Vi, double L, double C, double RL) {
    Module1 m = ExampleConverter();
    m.Vi = Vi;
    m.L = L;
    m.C = C;
    m.RL = RL;
    return m;
}

class SimulationFaultTest : public testing::TestWithParam<FirstFaultCase> {};

// The fault named is the first in statement order, whatever else the stretch that met it went
// on to raise. The arrays hold what the plain run holds when it stops: the samples the faulting
// period has not reached hold the period before's (zeros before the first).
TEST_P(SimulationFaultTest, NamedAndLeftAsAStatementByStatementRunStops) {
    const FirstFaultCase& c = GetParam();
    Module1 m = c.m;
    m.Idx = -1;
    EXPECT_EQ(ThrownKind([&] { SimulatePeriods(m, nullptr, On, c.stepsPerReport); }), c.fault);
    EXPECT_EQ(m.Iter, c.Iter);
    EXPECT_EQ(m.Idx, c.Idx);

    const ReferenceStop reference = StatementByStatement(c.m);
    EXPECT_EQ(reference.fault, c.fault);
    EXPECT_EQ(reference.Iter, c.Iter);
    EXPECT_EQ(reference.Idx, c.Idx);
    EXPECT_TRUE(BitIdentical(m.iL_t, reference.iL));
    EXPECT_TRUE(BitIdentical(m.Vo_t, reference.Vo));
    EXPECT_TRUE(BitIdentical(m.iC_t, reference.iC));
    EXPECT_TRUE(BitIdentical(m.id_t, reference.id));

    Module1 before = c.m;
    before.NI = c.Iter - 1;
    ASSERT_TRUE(SimulatePeriods(before, nullptr, Off));
    for (std::int32_t k = c.Idx + 2; k <= m.N + 1; ++k) {
        ASSERT_EQ(m.iL_t[k], before.iL_t[k]) << k;
        ASSERT_EQ(m.Vo_t[k], before.Vo_t[k]) << k;
        ASSERT_EQ(m.iC_t[k], before.iC_t[k]) << k;
        ASSERT_EQ(m.id_t[k], before.id_t[k]) << k;
    }
}

// At 1E308 V the currents grow until, in period 8, the output voltage of off step 904
// overflows; the steps after it would go on to form infinity less infinity. At 2.2E302 V with
// C x RL underflowing to 0, the first on step divides 0 by 0 while the inductor current
// overflows only at step 9. C x RL overflowing spoils no value of the first step but is its
// fault all the same. 1E300 V over 5E-14 H overflows the inductor current at on step 99 of
// the first period, after six stretches that passed.
INSTANTIATE_TEST_SUITE_P(
    Faults, SimulationFaultTest,
    testing::Values(FirstFaultCase{"OverflowBeforeInfinityLessInfinity",
                                   WithCircuit(1E308, 0.0004, 0.00006, 25), StepsPerReport,
                                   Overflow, 8, 904},
                    FirstFaultCase{"OverflowWithinAStretchOfALongPeriod",
                                   WithCircuit(1E308, 0.0004, 0.00006, 25), 16, Overflow, 8, 904},
                    FirstFaultCase{"ZeroOverZeroBeforeTheCurrentOverflows",
                                   WithCircuit(2.2E302, 1E-12, 1E-206, 1E-200), StepsPerReport,
                                   InvalidOperation, 1, 1},
                    FirstFaultCase{"TimeConstantOverflowsAtTheFirstStep",
                                   WithCircuit(15, 0.0004, 1E200, 1E200), StepsPerReport, Overflow,
                                   1, 1},
                    FirstFaultCase{"CurrentOverflowsAfterStretchesThatPassed",
                                   WithCircuit(1E300, 5E-14, 0.00006, 25), 16, Overflow, 1, 99}),
    ByCaseName());

TEST(SimulationTest, PeriodCounterCannotStepPastInt32) {
    Module1 m = Converter(1000, 0.625, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ThrownKind([&] { SimulatePeriods(m, nullptr, On); }), Overflow);
}

TEST(SimulationTest, ShortcutRunsFewerPeriods) {
    for (Module1 m : {Converter(1000, 0.625, 5000), Converter(10, 0.5, 20000)}) {
        FlagRaisingObserver full;
        FlagRaisingObserver shortcut;
        Module1 copy = m;
        SimulatePeriods(m, &full, Off);
        SimulatePeriods(copy, &shortcut, On);
        EXPECT_LT(shortcut.fractions.size(), full.fractions.size());
    }
}

} // namespace
