#include "core/analysis.h"
#include "core/conversions.h"
#include "core/design_calculation.h"
#include "core/measurements.h"
#include "core/simulation.h"
#include "core/verification.h"
#include "test_support/example_converter.h"
#include "test_support/named_case.h"
#include "test_support/recorders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// The worked example after its run.
Module1 SimulatedExample(std::int32_t N = 1000, std::int32_t NI = 5000) {
    Module1 m = ExampleConverter();
    m.N = N;
    m.NI = NI;
    SimulatePeriods(m, nullptr, CycleShortcut::On);
    MeasureLastPeriod(m);
    return m;
}

// The sample data designed and then verified, as a user clicks through it.
Module1 SimulatedDesign() {
    Module1 m;
    Form1Recorder form1;
    WaveformRecorder form2(form1.calls);
    FillSampleData(form1);
    CalculateDesign(m, form1, u'.');
    form1.type(TextBox::Text13, "1000");
    form1.type(TextBox::Text14, "10");
    form1.type(TextBox::Text15, "5000");
    RunVerification(m, {form1, form2, form2});
    return m;
}

double RelativeDifference(double value, double reference) {
    return std::abs(value - reference) / std::abs(reference);
}

double LargestMagnitude(const QuantityDeviations& d) {
    return std::max({std::abs(d.iLMin), std::abs(d.iLMax), std::abs(d.DeltaiL), std::abs(d.VoMin),
                     std::abs(d.VoMax), std::abs(d.DeltaVo), std::abs(d.meanVo),
                     std::abs(d.meanDiodeCurrent), std::abs(d.meanInputCurrent)});
}

// States compared in the circuit's energy norm: a current error against sqrt(iL^2 + (C / L)
// vo^2), a voltage error against the same times sqrt(L / C).
void ExpectSameState(CircuitState actual, CircuitState expected, const ConverterCircuit& c,
                     double relative) {
    const double current = std::hypot(expected.iL, std::sqrt(c.C / c.L) * expected.vo);
    EXPECT_NEAR(actual.iL, expected.iL, relative * current);
    EXPECT_NEAR(actual.vo, expected.vo, relative * current * std::sqrt(c.L / c.C));
}

struct ConverterCase : NamedCase {
    Module1 (*run)();
};

const ConverterCase Converters[] = {
    {{"WorkedExample"}, [] { return SimulatedExample(); }},
    {{"DesignedSample"}, SimulatedDesign},
};

class DesignedConverterTest : public testing::TestWithParam<ConverterCase> {};

// The closed forms take the output voltage as constant; the exact solution departs from them by
// about the output's relative ripple, and the simulation from the exact solution by its own
// error. Their sum bounds every stress.
TEST_P(DesignedConverterTest, StressesMatchTheClosedFormsWithinTheSimulationsError) {
    const Module1 m = GetParam().run();
    const ConverterAnalysis a = AnalyseLastRun(m);
    const PartStresses& simulated = a.simulatedStresses;
    const PartStresses& formula = a.designStresses;
    const double outputRipple = a.exactSteady.values.DeltaVo / -a.exactSteady.values.meanVo;
    const double tolerance = LargestMagnitude(a.accuracy) / 100 + outputRipple;
    const double PartStresses::*stresses[] = {
        &PartStresses::inductorPeak, &PartStresses::inductorMean,  &PartStresses::inductorRms,
        &PartStresses::switchPeak,   &PartStresses::switchMean,    &PartStresses::switchRms,
        &PartStresses::diodePeak,    &PartStresses::diodeMean,     &PartStresses::diodeRms,
        &PartStresses::capacitorRms, &PartStresses::capacitorPeak, &PartStresses::voltageStress};
    for (const auto stress : stresses) {
        EXPECT_LT(RelativeDifference(simulated.*stress, formula.*stress), tolerance)
            << simulated.*stress << " against " << formula.*stress;
    }
    EXPECT_TRUE(a.boundary.continuous);
    EXPECT_FALSE(a.discontinuous);
    EXPECT_FALSE(a.coarseStep);
    EXPECT_FALSE(a.diodeBlocking);
    EXPECT_FALSE(a.notSettled);
}

INSTANTIATE_TEST_SUITE_P(Designs, DesignedConverterTest, testing::ValuesIn(Converters),
                         ByCaseName());

// One period of the piecewise-linear circuit integrated with classical Runge-Kutta in long
// double, with steps far below every time constant; the blocking instant is taken from the
// exact solution, so the integration checks that iL indeed reaches zero there.
class FineIntegration {
public:
    explicit FineIntegration(const ConverterCircuit& c) : c_(c) {}

    // The state at each of `times` (increasing, within the period), switching off at D / f and
    // blocking the diode at `blocking`.
    std::vector<CircuitState> statesAt(CircuitState start, const std::vector<double>& times,
                                       double blocking) {
        const long double onTime = static_cast<long double>(c_.D) / c_.f;
        std::vector<Instant> instants;
        for (const double t : times) {
            instants.push_back({t, true});
        }
        instants.push_back({onTime, false});
        if (std::isfinite(blocking)) {
            instants.push_back({blocking, false});
        }
        std::sort(instants.begin(), instants.end(),
                  [](const Instant& a, const Instant& b) { return a.time < b.time; });
        long double iL = start.iL;
        long double vo = start.vo;
        long double t = 0;
        std::vector<CircuitState> states;
        for (const Instant& instant : instants) {
            const Mode mode = t < onTime ? Mode::On : t < blocking ? Mode::Off : Mode::Blocked;
            integrate(mode, iL, vo, instant.time - t);
            t = instant.time;
            if (mode == Mode::Off && instant.time == blocking) {
                iLAtBlocking = static_cast<double>(iL);
                iL = 0;
            }
            if (instant.sampled) {
                states.push_back({static_cast<double>(iL), static_cast<double>(vo)});
            }
        }
        return states;
    }

    double iLAtBlocking = 0;

private:
    enum class Mode { On, Off, Blocked };
    struct Instant {
        long double time;
        bool sampled;
    };

    void derivative(Mode mode, long double iL, long double vo, long double& diL,
                    long double& dvo) const {
        const long double L = c_.L;
        const long double C = c_.C;
        const long double RL = c_.RL;
        diL = mode == Mode::On ? c_.Vi / L : mode == Mode::Off ? vo / L : 0;
        dvo = (mode == Mode::Off ? -iL - vo / RL : -vo / RL) / C;
    }

    void integrate(Mode mode, long double& iL, long double& vo, long double span) const {
        const long double fastest = std::max(1 / (static_cast<long double>(c_.RL) * c_.C),
                                             1 / std::sqrt(static_cast<long double>(c_.L) * c_.C));
        const long long steps = std::max(1LL, std::llround(span * fastest / 2e-4L));
        const long double h = span / steps;
        for (long long k = 0; k < steps; ++k) {
            long double a1, b1, a2, b2, a3, b3, a4, b4;
            derivative(mode, iL, vo, a1, b1);
            derivative(mode, iL + h / 2 * a1, vo + h / 2 * b1, a2, b2);
            derivative(mode, iL + h / 2 * a2, vo + h / 2 * b2, a3, b3);
            derivative(mode, iL + h * a3, vo + h * b3, a4, b4);
            iL += h / 6 * (a1 + 2 * a2 + 2 * a3 + a4);
            vo += h / 6 * (b1 + 2 * b2 + 2 * b3 + b4);
        }
    }

    ConverterCircuit c_;
};

struct MapCase : NamedCase {
    ConverterCircuit circuit;
};

// The off interval's RLC in each of its regimes and across the critical damping, where the
// closed forms divide by zero; RL = sqrt(L / C) / 2 is the critical load.
const double CriticalLoad = std::sqrt(0.0004 / 0.00006) / 2;
const MapCase MapCases[] = {
    {{"UnderdampedShortOff"}, {15, 0.625, 11000, 0.0004, 0.00006, 25}},
    {{"UnderdampedLongOff"}, {15, 0.3, 1000, 0.0004, 0.00006, 25}},
    {{"Overdamped"}, {15, 0.625, 11000, 0.0004, 0.00006, 0.1}},
    {{"Critical"}, {15, 0.625, 11000, 0.0004, 0.00006, CriticalLoad}},
    {{"JustUnderdamped"}, {15, 0.625, 11000, 0.0004, 0.00006, CriticalLoad*(1 + 1e-9)}},
    {{"JustOverdamped"}, {15, 0.625, 11000, 0.0004, 0.00006, CriticalLoad*(1 - 1e-9)}},
    {{"Discontinuous"}, {15, 0.625, 11000, 0.0001, 0.00006, 25}},
    {{"DiscontinuousLightLoad"}, {15, 0.625, 11000, 0.0001, 0.00006, 2500}},
};

class ExactMapTest : public testing::TestWithParam<MapCase> {};

// Sixteen instants of a period from the discharged start and from steady state.
TEST_P(ExactMapTest, StatesMatchAFineIntegrationTo1e12) {
    const ConverterCircuit& c = GetParam().circuit;
    const ExactConverter exact(c);
    for (const CircuitState start : {CircuitState{}, exact.steadyStart()}) {
        const ExactPeriod period = exact.period(start);
        const double blocking =
            period.blockingTime.value_or(std::numeric_limits<double>::infinity());
        std::vector<double> times;
        for (int k = 1; k <= 16; ++k) {
            times.push_back(k / (16 * c.f));
        }
        FineIntegration fine(c);
        const std::vector<CircuitState> expected = fine.statesAt(start, times, blocking);
        for (std::size_t k = 0; k < times.size(); ++k) {
            ExpectSameState(exact.stateWithin(start, times[k]), expected[k], c, 1e-12);
        }
        ExpectSameState(period.end, expected.back(), c, 1e-12);
        if (period.blockingTime) {
            EXPECT_NEAR(fine.iLAtBlocking, 0, 1e-12 * period.values.iLMax);
        }
    }
}

// The values of a period against its waveform sampled densely: extremes between samples differ
// by less than a sample's change, trapezoidal means by the square of the step.
TEST_P(ExactMapTest, ValuesMatchTheSampledWaveform) {
    const ConverterCircuit& c = GetParam().circuit;
    const ExactConverter exact(c);
    constexpr int Samples = 20000;
    for (const CircuitState start : {exact.stateAfter(3), exact.steadyStart()}) {
        const PeriodValues values = exact.period(start).values;
        PeriodValues sampled;
        sampled.iLMin = sampled.iLMax = start.iL;
        sampled.VoMin = sampled.VoMax = -start.vo;
        const int onSamples = static_cast<int>(std::lround(c.D * Samples));
        CircuitState before = start;
        for (int k = 1; k <= Samples; ++k) {
            // The switching instant is sampled on its own, so that every step lies inside one
            // interval and the trapezoid splits there.
            const double t = k == onSamples ? c.D / c.f : k / (Samples * c.f);
            const CircuitState state = exact.stateWithin(start, t);
            sampled.iLMin = std::min(sampled.iLMin, state.iL);
            sampled.iLMax = std::max(sampled.iLMax, state.iL);
            sampled.VoMin = std::min(sampled.VoMin, -state.vo);
            sampled.VoMax = std::max(sampled.VoMax, -state.vo);
            const double trapezoid = (state.iL + before.iL) / 2 / Samples;
            (k <= onSamples ? sampled.meanInputCurrent : sampled.meanDiodeCurrent) += trapezoid;
            sampled.meanVo += (state.vo + before.vo) / 2 / Samples;
            before = state;
        }
        EXPECT_NEAR(values.iLMin, sampled.iLMin, 1e-12 * values.iLMax);
        EXPECT_NEAR(values.iLMax, sampled.iLMax, 1e-12 * values.iLMax);
        EXPECT_LE(sampled.VoMax, values.VoMax * (1 + 1e-12));
        EXPECT_NEAR(values.VoMax, sampled.VoMax, 1e-7 * values.VoMax);
        EXPECT_NEAR(values.VoMin, sampled.VoMin, 1e-7 * values.VoMax);
        EXPECT_NEAR(values.meanVo, sampled.meanVo, 1e-6 * values.VoMax);
        EXPECT_NEAR(values.meanInputCurrent, sampled.meanInputCurrent, 1e-6 * values.iLMax);
        EXPECT_NEAR(values.meanDiodeCurrent, sampled.meanDiodeCurrent, 1e-6 * values.iLMax);
    }
}

// The steady period ends where it started; the power of the period map and the fixed point
// against the periods one by one.
TEST_P(ExactMapTest, SteadyStateAndStateAfterPeriodsFollowThePeriods) {
    const ConverterCircuit& c = GetParam().circuit;
    const ExactConverter exact(c);
    EXPECT_TRUE(exact.steadyStateFound());
    const ExactPeriod steady = exact.period(exact.steadyStart());
    ExpectSameState(steady.end, steady.start, c, 1e-12);
    EXPECT_EQ(exact.discontinuous(), steady.blockingTime.has_value());
    CircuitState state;
    for (std::int32_t periods = 1; periods <= 300; ++periods) {
        state = exact.period(state).end;
        if (periods % 60 == 0) {
            ExpectSameState(exact.stateAfter(periods), state, c, 1e-12);
        }
    }
    ExpectSameState(exact.stateAfter(std::numeric_limits<std::int32_t>::max()), exact.steadyStart(),
                    c, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Regimes, ExactMapTest, testing::ValuesIn(MapCases), ByCaseName());

// A continuous design whose first periods still block: the start-up must follow the diode.
TEST(ExactConverterTest, StartUpBlocksBeforeContinuousConduction) {
    const ConverterCircuit c = {15, 0.625, 11000, 0.0002, 0.00001, 25};
    const ExactConverter exact(c);
    ASSERT_FALSE(exact.discontinuous());
    CircuitState state;
    int blocked = 0;
    for (std::int32_t periods = 1; periods <= 2000; ++periods) {
        const ExactPeriod period = exact.period(state);
        blocked += period.blockingTime ? 1 : 0;
        state = period.end;
    }
    EXPECT_GT(blocked, 0);
    ExpectSameState(exact.stateAfter(2000), state, c, 1e-12);
}

// N D whole: the hold at switch-off costs one on step, so the simulated ripple is short by
// 1 / (N D) of the exact one, and the error halves as N doubles.
TEST(AnalysisTest, RippleErrorHalvesWhenNDoubles) {
    for (std::int32_t N = 256; N <= 8192; N *= 2) {
        const ConverterAnalysis a = AnalyseLastRun(SimulatedExample(N));
        const double onSteps = N * 0.625;
        EXPECT_NEAR(a.accuracy.DeltaiL, -100 / onSteps, 0.01 * 100 / onSteps) << N;
        EXPECT_NEAR(a.stepError.DeltaiL, -100 / onSteps, 0.01 * 100 / onSteps) << N;
    }
}

// A converter whose start-up swings iL through zero: the diode's blocking sets the real circuit
// apart from the simulated model. The step error, held against the exact solution of that
// model, falls as 1 / N; the model difference stays, whatever N, and is the diode's.
TEST(AnalysisTest, StepErrorFallsWithNWhileTheModelDifferenceStays) {
    const struct {
        const char* name;
        Module1 circuit;
    } cases[] = {
        {"reference with C = 6000 uF",
         [] {
             Module1 m = ExampleConverter();
             m.C = 6000e-6;
             return m;
         }()},
        {"designed sample with L = 2000 uH, NI = 1000",
         [] {
             Module1 m = SimulatedDesign();
             m.L = 2000e-6;
             m.NI = 1000;
             return m;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<ConverterAnalysis> byN;
        for (const std::int32_t N : {2000, 20000}) {
            Module1 m = c.circuit;
            m.N = N;
            SimulatePeriods(m, nullptr, CycleShortcut::On);
            MeasureLastPeriod(m);
            byN.push_back(AnalyseLastRun(m));
        }
        const double coarse = LargestMagnitude(byN[0].stepError);
        const double fine = LargestMagnitude(byN[1].stepError);
        EXPECT_GT(coarse / fine, 5);
        EXPECT_LT(coarse / fine, 20);
        ASSERT_TRUE(byN[1].diodeBlocking);
        EXPECT_GT(byN[1].diodeBlocking->percent, 10);
        EXPECT_EQ(LargestMagnitude(byN[0].modelDifference),
                  LargestMagnitude(byN[1].modelDifference));
    }
}

// Near the boundary the closed-form critical inductance and the exact steady state disagree:
// the mode is the exact one, and with it the right-half-plane zero, which exists only in
// continuous conduction.
TEST(AnalysisTest, TheExactModeDecidesTheRightHalfPlaneZero) {
    const struct {
        double L;
        bool discontinuous;
        bool boundaryDisagrees;
    } cases[] = {{100e-6, true, false}, {161e-6, true, true}, {400e-6, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.L);
        ConverterCircuit circuit = CircuitOf(ExampleConverter());
        circuit.L = c.L;
        const ConverterAnalysis a = AnalyseCircuit(circuit, 5000);
        EXPECT_EQ(a.discontinuous, c.discontinuous);
        EXPECT_EQ(a.boundaryDisagrees, c.boundaryDisagrees);
        EXPECT_EQ(a.rhpZeroHz.has_value(), !c.discontinuous);
    }
}

// L = 100 uH is below the critical inductance: the diode blocks, iL rests at exactly 0, and
// the power drawn from the source is the power the load takes (vo^2 against mean vo squared:
// within the square of the output's relative ripple).
TEST(AnalysisTest, DiscontinuousDesignGetsItsExactWaveform) {
    Module1 m = ExampleConverter();
    m.L = 0.0001;
    SimulatePeriods(m, nullptr, CycleShortcut::On);
    const ConverterAnalysis a = AnalyseLastRun(m);
    EXPECT_FALSE(a.boundary.continuous);
    EXPECT_FALSE(a.rhpZeroHz.has_value());
    EXPECT_TRUE(a.discontinuous);
    const ExactPeriod& steady = a.exactSteady;
    ASSERT_TRUE(steady.blockingTime.has_value());
    EXPECT_GT(*steady.blockingTime, m.D / m.f);
    EXPECT_LT(*steady.blockingTime, 1 / m.f);
    EXPECT_EQ(steady.values.iLMin, 0);
    EXPECT_EQ(steady.start.iL, 0);
    const double inputPower = m.Vi * steady.values.meanInputCurrent;
    const double loadPower = steady.values.meanVo * steady.values.meanVo / m.RL;
    const double ripple = steady.values.DeltaVo / steady.values.VoMax;
    EXPECT_NEAR(loadPower / inputPower, 1, ripple * ripple);
    EXPECT_NEAR(a.exactAtNI.values.meanVo, steady.values.meanVo, 1e-12 * steady.values.VoMax);
    // The simulation knows no blocking: it follows its own model closely, and the blocking
    // diode is what sets it apart from the real circuit.
    EXPECT_FALSE(a.coarseStep);
    ASSERT_TRUE(a.diodeBlocking);
    EXPECT_GT(a.diodeBlocking->percent, 1);
}

// Below the critical inductance the design formulas are those of discontinuous conduction:
// never a negative current, and within the output's ripple of the exact steady state.
TEST(AnalysisTest, DesignFormulasOfDiscontinuousConductionBelowTheCriticalInductance) {
    for (const double L : {100e-6, 40e-6}) {
        SCOPED_TRACE(L);
        ConverterCircuit circuit = CircuitOf(ExampleConverter());
        circuit.L = L;
        const ConverterAnalysis a = AnalyseCircuit(circuit, 5000);
        const PeriodValues design = DesignPeriod(circuit, a.designStresses);
        const PeriodValues& exact = a.exactSteady.values;
        const double ripple = exact.DeltaVo / exact.VoMax;
        EXPECT_EQ(design.iLMin, 0);
        EXPECT_NEAR(design.meanVo / exact.meanVo, 1, 2 * ripple);
        EXPECT_NEAR(design.iLMax / exact.iLMax, 1, 2 * ripple);
        EXPECT_NEAR(design.meanInputCurrent / exact.meanInputCurrent, 1, 2 * ripple);
        EXPECT_NEAR(design.DeltaVoMilli / exact.DeltaVoMilli, 1, 0.2);
        EXPECT_NEAR(a.designStresses.voltageStress, circuit.Vi + exact.VoMax, exact.DeltaVo);
    }
}

// A run stopped early is far from steady state; the analysis names the worst quantity.
TEST(AnalysisTest, ShortRunIsNotYetSettled) {
    const ConverterAnalysis a = AnalyseLastRun(SimulatedExample(1000, 200));
    ASSERT_TRUE(a.notSettled);
    EXPECT_EQ(a.notSettled->quantity, PeriodQuantity::iLMin);
    EXPECT_NEAR(a.notSettled->percent, 0.53, 0.005);
    EXPECT_EQ(a.periods, 200);
}

} // namespace
