#include "core/compensator.h"
#include "test_support/example_converter.h"
#include "test_support/named_case.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

ConverterCircuit Reference() {
    return CircuitOf(ExampleConverter());
}

struct SynthesisCase : NamedCase {
    CompensatorType type;
    double fcHz;
    double pmDeg;
    double R1;
    double Vm;
};

// Past the LC pair (385 Hz) the plant's lag grows from 90 degrees to beyond 180, the RHP zero's
// share: a Type II network's boost serves near the pair, a Type III one's above it.
TEST(CompensatorTest, SynthesisedNetworksMeetTheCrossoverAndTheMargin) {
    const SynthesisCase cases[] = {
        {{"type II, 380 Hz, 45 deg"}, CompensatorType::TypeII, 380, 45, 10e3, 1},
        {{"type II, 400 Hz, 60 deg, 4.7 k, 1.8 V"}, CompensatorType::TypeII, 400, 60, 4.7e3, 1.8},
        {{"type III, 700 Hz, 50 deg"}, CompensatorType::TypeIII, 700, 50, 10e3, 1},
        {{"type III, 1 kHz, 70 deg, 22 k"}, CompensatorType::TypeIII, 1000, 70, 22e3, 1},
    };
    const ConverterCircuit circuit = Reference();
    for (const RealParts& parts : {RealParts{}, TypicalParts()}) {
        const AveragedModel model = AverageModel(circuit, parts);
        for (const SynthesisCase& row : cases) {
            const LoopDesign design = SynthesiseCompensator(
                model, circuit, {row.type, row.fcHz, row.pmDeg, row.R1, row.Vm});
            ASSERT_FALSE(design.refusal) << row.name;
            EXPECT_NEAR(std::abs(design.loopGain.at(row.fcHz)), 1, 1e-9) << row.name;
            EXPECT_NEAR(design.pmDeg, row.pmDeg, 1e-9) << row.name;
            const CompensatorNetwork& n = design.network;
            EXPECT_EQ(n.R1, row.R1) << row.name;
            for (const double value : {n.R2, n.C1, n.C2}) {
                EXPECT_GT(value, 0) << row.name;
            }
            EXPECT_EQ(n.R3 > 0 && n.C3 > 0, row.type == CompensatorType::TypeIII) << row.name;
            // The loop gain rebuilt from the network's values is the one designed.
            const FactoredResponse rebuilt = LoopGain(model, n, row.Vm);
            EXPECT_NEAR(PhaseMarginDeg(rebuilt, row.fcHz), row.pmDeg, 1e-9) << row.name;
        }
    }
}

// The k-factor's placement: zero and pole at fc / k and fc k for Type II, the double ones at
// fc / sqrt(k) and fc sqrt(k) for Type III.
TEST(CompensatorTest, ZerosAndPolesSitAroundTheCrossoverByK) {
    const ConverterCircuit circuit = Reference();
    const AveragedModel model = AverageModel(circuit, RealParts{});
    for (const auto& [type, fc] :
         {std::pair{CompensatorType::TypeII, 380.0}, std::pair{CompensatorType::TypeIII, 600.0}}) {
        const LoopDesign design = SynthesiseCompensator(model, circuit, {type, fc, 45, 1e4, 1});
        ASSERT_FALSE(design.refusal);
        const double spread = type == CompensatorType::TypeII ? design.k : std::sqrt(design.k);
        const FactoredResponse gc = CompensatorResponse(design.network);
        for (const auto& zero : gc.zeros) {
            EXPECT_NEAR(std::abs(zero) / (2 * std::numbers::pi), fc / spread, 1e-9 * fc);
        }
        for (const auto& pole : gc.poles) {
            EXPECT_NEAR(std::abs(pole) / (2 * std::numbers::pi), fc * spread, 1e-9 * fc);
        }
        EXPECT_GT(design.boostDeg, 0);
    }
}

struct RefusalCase : NamedCase {
    CompensatorRequest request;
    CompensatorRefusal refusal;
};

TEST(CompensatorTest, RefusesWithTheReason) {
    const ConverterCircuit circuit = Reference();
    const AveragedModel model = AverageModel(circuit, RealParts{});
    using enum CompensatorRefusal;
    const auto II = CompensatorType::TypeII;
    const auto III = CompensatorType::TypeIII;
    const RefusalCase cases[] = {
        {{"crossover at zero"}, {II, 0, 45, 1e4, 1}, CrossoverOutOfRange},
        {{"crossover at f/2"}, {II, 5500, 45, 1e4, 1}, CrossoverOutOfRange},
        {{"margin of zero"}, {II, 600, 0, 1e4, 1}, MarginOutOfRange},
        {{"margin of 180"}, {II, 600, 180, 1e4, 1}, MarginOutOfRange},
        {{"no resistor"}, {II, 600, 45, 0, 1}, ResistorNotPositive},
        {{"no ramp"}, {II, 600, 45, 1e4, -1}, RampNotPositive},
        // Below the LC pair the plant has hardly lagged: the margin needs no boost.
        {{"no boost needed"}, {II, 50, 45, 1e4, 1}, BoostNotPositive},
        {{"type II beyond 90"}, {II, 600, 45, 1e4, 1}, BoostTooLarge},
        {{"type III beyond 180"}, {III, 3000, 170, 1e4, 1}, BoostTooLarge},
    };
    for (const RefusalCase& row : cases) {
        EXPECT_EQ(SynthesiseCompensator(model, circuit, row.request).refusal, row.refusal)
            << row.name;
    }
}

TEST(CompensatorTest, WarnsOfACrossoverNearTheRhpZeroOrTheSwitching) {
    const ConverterCircuit circuit = Reference(); // f_RHP = 2238 Hz, f = 11 kHz
    const AveragedModel model = AverageModel(circuit, RealParts{});
    const auto warnings = [&](double fc) {
        return SynthesiseCompensator(model, circuit, {CompensatorType::TypeIII, fc, 45, 1e4, 1})
            .warnings;
    };
    EXPECT_EQ(warnings(700), std::vector<LoopWarning>{});
    EXPECT_EQ(warnings(800), std::vector<LoopWarning>{LoopWarning::CrossoverAboveRhpThird});
    EXPECT_EQ(warnings(1200), (std::vector<LoopWarning>{LoopWarning::CrossoverAboveRhpThird,
                                                        LoopWarning::CrossoverAboveTenthOfF}));
}

// The gain margin is read where T is real and negative: there |T| is 10^(-GM / 20).
TEST(CompensatorTest, GainMarginIsReadWhereTheLoopPhaseReachesMinus180) {
    const ConverterCircuit circuit = Reference();
    const AveragedModel model = AverageModel(circuit, TypicalParts());
    const LoopDesign design =
        SynthesiseCompensator(model, circuit, {CompensatorType::TypeII, 380, 45, 1e4, 1});
    ASSERT_TRUE(design.gmDb);
    EXPECT_GT(*design.gmDb, 0);
    // An integrator alone never reaches -180 degrees: no gain margin.
    FactoredResponse integrator;
    integrator.integrators = 1;
    EXPECT_FALSE(GainMarginDb(integrator, 100, circuit.f));
    // An integrator and a double pole at 1 kHz reach it at 1 kHz, where |T| = 1 / (2 pi 1000 * 2).
    integrator.poles = {-2 * std::numbers::pi * 1000, -2 * std::numbers::pi * 1000};
    EXPECT_NEAR(*GainMarginDb(integrator, 100, circuit.f),
                20 * std::log10(2 * std::numbers::pi * 1000 * 2), 1e-9);
}

} // namespace
