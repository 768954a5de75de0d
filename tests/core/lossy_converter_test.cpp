#include "core/exact_converter.h"
#include "core/loss_estimates.h"
#include "test_support/example_converter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ConverterCircuit Reference(double L = 400e-6) {
    ConverterCircuit circuit = CircuitOf(ExampleConverter());
    circuit.L = L;
    return circuit;
}

void ExpectRelative(double value, double reference, double relative, const char* name) {
    EXPECT_NEAR(value, reference, relative * std::abs(reference)) << name;
}

// With no part given the lossy solver is the ideal circuit: its steady state is the exact
// ideal one, in continuous and in discontinuous conduction.
TEST(LossyConverterTest, ZeroPartsGiveTheIdealSteadyState) {
    for (const double L : {400e-6, 100e-6}) {
        SCOPED_TRACE(L);
        const ExactConverter ideal(Reference(L));
        const PeriodValues exact = ideal.period(ideal.steadyStart()).values;
        const LossySteadyState lossy = SolveLossySteadyState(Reference(L), RealParts{});
        EXPECT_EQ(lossy.discontinuous, ideal.discontinuous());
        const PeriodValues& v = lossy.values;
        ExpectRelative(v.iLMax, exact.iLMax, 1e-12, "iLMax");
        ExpectRelative(v.DeltaiL, exact.DeltaiL, 1e-12, "DeltaiL");
        ExpectRelative(v.VoMax, exact.VoMax, 1e-12, "VoMax");
        ExpectRelative(v.DeltaVo, exact.DeltaVo, 1e-9, "DeltaVo");
        ExpectRelative(v.meanVo, exact.meanVo, 1e-12, "meanVo");
        ExpectRelative(v.meanDiodeCurrent, exact.meanDiodeCurrent, 1e-12, "IDm");
        ExpectRelative(v.meanInputCurrent, exact.meanInputCurrent, 1e-12, "Iim");
        EXPECT_EQ(lossy.losses.total, 0);
        EXPECT_NEAR(lossy.energyBalance, 0, 1e-12 * lossy.inputPower);
    }
}

// Every watt drawn is delivered or lost in a named part, in either conduction mode.
TEST(LossyConverterTest, PowerBooksBalance) {
    for (const double L : {400e-6, 100e-6, 40e-6}) {
        SCOPED_TRACE(L);
        const LossySteadyState s = SolveLossySteadyState(Reference(L), TypicalParts());
        EXPECT_EQ(s.discontinuous, L < 150e-6);
        EXPECT_LT(std::abs(s.energyBalance), 1e-9 * s.inputPower);
        EXPECT_GT(s.efficiency, 0.8);
        EXPECT_LT(s.efficiency, 1);
    }
}

// The averaged model of continuous conduction gives |Vo| with the resistances and Vf; the
// exact steady state departs from it by the ripples' second order.
TEST(LossyConverterTest, ContinuousOutputFollowsTheAveragedModel) {
    RealParts parts = TypicalParts();
    parts.rC = 0;
    const ConverterCircuit circuit = Reference();
    const LossySteadyState s = SolveLossySteadyState(circuit, parts);
    const double D = circuit.D;
    const double averaged =
        (1 - D) * circuit.RL * (D * circuit.Vi - (1 - D) * parts.Vf) /
        ((1 - D) * (1 - D) * circuit.RL + parts.rL + D * parts.rS + (1 - D) * parts.rD);
    const double currentRipple = s.values.DeltaiL / s.values.iLMax;
    const double voltageRipple = s.values.DeltaVo / s.values.VoMax;
    EXPECT_NEAR(-s.values.meanVo / averaged, 1, currentRipple * currentRipple + voltageRipple);
    const PartLosses formula = FormulaLosses(circuit, parts);
    EXPECT_NEAR(formula.total / s.losses.total, 1, 0.02);
}

TEST(LossyConverterTest, DutyForTheTargetOutput) {
    const ConverterCircuit circuit = Reference();
    const DutyForTarget ideal = DutyForOutput(circuit, RealParts{}, 25);
    ASSERT_TRUE(ideal.D);
    EXPECT_NEAR(*ideal.D, 0.625, 1e-3); // the ideal steady state's |Vo| is near Vi D / (1 - D)
    const DutyForTarget real = DutyForOutput(circuit, TypicalParts(), 25);
    ASSERT_TRUE(real.D);
    EXPECT_GT(*real.D, *ideal.D);
    ConverterCircuit at = circuit;
    at.D = *real.D;
    EXPECT_NEAR(-SolveLossySteadyState(at, TypicalParts()).values.meanVo, 25, 1e-11 * 25);
    EXPECT_FALSE(DutyForOutput(circuit, TypicalParts(), 1000).D);
}

TEST(LossyConverterTest, EfficiencyCurveOverTheLoad) {
    const std::vector<EfficiencyPoint> curve =
        EfficiencyCurve(Reference(), TypicalParts(), 10, 150, 50);
    ASSERT_EQ(curve.size(), 50u);
    EXPECT_EQ(curve.front().loadPercent, 10);
    EXPECT_EQ(curve.back().loadPercent, 150);
    EXPECT_TRUE(curve.front().discontinuous); // a tenth of the load: the diode blocks
    EXPECT_FALSE(curve.back().discontinuous);
    for (const EfficiencyPoint& point : curve) {
        EXPECT_GT(point.efficiency, 0);
        EXPECT_LT(point.efficiency, 1);
        EXPECT_NEAR(point.efficiency, point.outputPower / (point.outputPower + point.loss), 1e-15);
    }
}

} // namespace
