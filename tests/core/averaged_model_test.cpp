#include "core/analysis.h"
#include "core/averaged_model.h"
#include "core/bode_curve.h"
#include "test_support/example_converter.h"
#include "test_support/named_case.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace {

ConverterCircuit Reference(double D = 0.625, double L = 400e-6) {
    ConverterCircuit circuit = CircuitOf(ExampleConverter());
    circuit.D = D;
    circuit.L = L;
    return circuit;
}

// The textbook control-to-output response of the ideal converter, with vo's sign.
std::complex<double> TextbookGvd(const ConverterCircuit& c, double fHz) {
    const std::complex<double> s(0, 2 * std::numbers::pi * fHz);
    const double off = 1 - c.D;
    return -(c.Vi / (off * off)) * (1.0 - s * c.D * c.L / (off * off * c.RL)) /
           (1.0 + s * c.L / (off * off * c.RL) + s * s * c.L * c.C / (off * off));
}

TEST(AveragedModelTest, IdealGvdIsTheTextbookForm) {
    for (const double D : {0.5, 0.625, 0.8}) {
        const ConverterCircuit circuit = Reference(D);
        const AveragedModel model = AverageModel(circuit, RealParts{});
        ASSERT_FALSE(model.discontinuous);
        for (const double f : {1.0, 100.0, 385.0, 2000.0, 5500.0}) {
            const std::complex<double> textbook = TextbookGvd(circuit, f);
            EXPECT_LE(std::abs(model.gvd.at(f) - textbook), 1e-12 * std::abs(textbook))
                << "D " << D << ", f " << f;
        }
        EXPECT_TRUE(model.warnings.empty());
    }
}

TEST(AveragedModelTest, IdealRhpZeroIsTheAnalysisOne) {
    for (const double D : {0.5, 0.625, 0.8}) {
        for (const double L : {400e-6, 1e-3}) {
            const ConverterCircuit circuit = Reference(D, L);
            const AveragedModel model = AverageModel(circuit, RealParts{});
            const std::optional<double> analysed = AnalyseCircuit(circuit, 10).rhpZeroHz;
            ASSERT_TRUE(model.rhpZeroHz && analysed) << D << ' ' << L;
            EXPECT_NEAR(*model.rhpZeroHz, *analysed, 1e-12 * *analysed) << D << ' ' << L;
        }
    }
}

// The DC gains of the ideal averaged converter: |Vo| = Vi D / (1 - D) at any load, so the open
// loop has no output resistance at DC.
TEST(AveragedModelTest, IdealOperatingPointAndDcGains) {
    const ConverterCircuit c = Reference();
    const AveragedModel model = AverageModel(c, RealParts{});
    EXPECT_NEAR(model.VoMean, -c.Vi * c.D / (1 - c.D), 1e-12);
    EXPECT_NEAR(model.IL, c.Vi * c.D / ((1 - c.D) * (1 - c.D) * c.RL), 1e-12);
    EXPECT_NEAR(model.gvd.gain, -c.Vi / ((1 - c.D) * (1 - c.D)), 1e-12);
    EXPECT_NEAR(model.gvg.gain, -c.D / (1 - c.D), 1e-12);
    EXPECT_EQ(model.zout.integrators, -1); // a zero at the origin
    ASSERT_EQ(model.poles.size(), 1u);     // the LC pair, once
    EXPECT_NEAR(model.poles[0].fHz, (1 - c.D) / (2 * std::numbers::pi * std::sqrt(c.L * c.C)),
                1e-9);
    EXPECT_NEAR(*model.poles[0].q, (1 - c.D) * c.RL * std::sqrt(c.C / c.L), 1e-9);
}

// With parts, the ESR adds a left-half-plane zero, the output resistance is positive at DC, and
// the operating point is the mean of the exact steady state but for the ripples' second order.
TEST(AveragedModelTest, PartsAddTheEsrZeroAndAnOutputResistance) {
    const ConverterCircuit c = Reference();
    const RealParts parts = TypicalParts();
    const AveragedModel model = AverageModel(c, parts);
    ASSERT_EQ(model.zeros.size(), 2u);
    EXPECT_TRUE(model.zeros[0].rightHalfPlane);
    EXPECT_FALSE(model.zeros[1].rightHalfPlane);
    EXPECT_NEAR(model.zeros[1].fHz, 1 / (2 * std::numbers::pi * parts.rC * c.C),
                1e-3 * model.zeros[1].fHz);
    EXPECT_EQ(model.rhpZeroHz, model.zeros[0].fHz);
    EXPECT_GT(model.zout.gain, 0);
    EXPECT_LT(model.gvd.gain, 0);
    const double exact = SolveLossySteadyState(c, parts).values.meanVo;
    EXPECT_NEAR(model.VoMean, exact, 5e-3 * std::abs(exact));
}

TEST(AveragedModelTest, HeavyLossesBeyondTheLargestOutputAreWarned) {
    RealParts parts;
    parts.rL = 3;
    const AveragedModel model = AverageModel(Reference(0.9), parts);
    EXPECT_FALSE(model.discontinuous);
    EXPECT_GE(model.gvd.gain, 0);
    EXPECT_EQ(model.warnings, std::vector<ModelWarning>{ModelWarning::GainNotNegative});
}

struct DiscontinuousCase : NamedCase {
    RealParts parts;
    std::vector<ModelWarning> warnings;
};

TEST(AveragedModelTest, DiscontinuousDesignGetsTheReducedOrderModel) {
    RealParts esr;
    esr.rC = 0.03;
    const DiscontinuousCase cases[] = {
        {{"ideal"}, RealParts{}, {ModelWarning::LowFrequencyOnly}},
        {{"esr only"}, esr, {ModelWarning::LowFrequencyOnly}},
        {{"all parts"},
         TypicalParts(),
         {ModelWarning::PartsNotModelled, ModelWarning::LowFrequencyOnly}},
    };
    const ConverterCircuit c = Reference(0.625, 60e-6);
    for (const DiscontinuousCase& row : cases) {
        const AveragedModel model = AverageModel(c, row.parts);
        ASSERT_TRUE(model.discontinuous) << row.name;
        const double V = -c.Vi * c.D * std::sqrt(c.RL / c.f / (2 * c.L));
        EXPECT_DOUBLE_EQ(model.VoMean, V) << row.name;
        EXPECT_DOUBLE_EQ(model.IL, (-V / c.RL) * (1 - V / c.Vi)) << row.name;
        EXPECT_DOUBLE_EQ(model.gvd.gain, V / c.D) << row.name;
        EXPECT_DOUBLE_EQ(model.gvg.gain, V / c.Vi) << row.name;
        EXPECT_DOUBLE_EQ(model.zout.gain, c.RL / 2) << row.name;
        ASSERT_EQ(model.poles.size(), 1u) << row.name;
        EXPECT_DOUBLE_EQ(model.poles[0].fHz,
                         1 / ((c.RL / 2 + row.parts.rC) * c.C) / (2 * std::numbers::pi))
            << row.name;
        EXPECT_EQ(model.zeros.size(), row.parts.rC > 0 ? 1u : 0u) << row.name;
        EXPECT_FALSE(model.rhpZeroHz) << row.name;
        EXPECT_EQ(model.warnings, row.warnings) << row.name;
    }
}

TEST(BodeCurveTest, LogSpacedPointsWithPhasesUnwrappedFromTheFirstTurn) {
    const ConverterCircuit c = Reference();
    const AveragedModel model = AverageModel(c, TypicalParts());
    const std::vector<BodePoint> curve = BodeCurve(model, nullptr, 10, c.f / 2, 200);
    ASSERT_EQ(curve.size(), 200u);
    EXPECT_DOUBLE_EQ(curve.front().fHz, 10);
    EXPECT_DOUBLE_EQ(curve.back().fHz, c.f / 2);
    EXPECT_DOUBLE_EQ(curve[100].fHz, 10 * std::pow(c.f / 20, 100.0 / 199));
    for (const double first : {curve[0].gvdDeg, curve[0].gvgDeg, curve[0].zoutDeg}) {
        EXPECT_GT(first, -180);
        EXPECT_LE(first, 180);
    }
    for (std::size_t i = 1; i < curve.size(); ++i) {
        EXPECT_LT(std::abs(curve[i].gvdDeg - curve[i - 1].gvdDeg), 90) << i;
        EXPECT_FALSE(curve[i].loopDb) << i;
    }
    // The LC pair and the RHP zero take Gvd from just below 180 degrees to below -90.
    EXPECT_GT(curve.front().gvdDeg, 170);
    EXPECT_LT(curve.back().gvdDeg, -50);
    EXPECT_DOUBLE_EQ(curve[50].gvdDb, Decibels(model.gvd.at(curve[50].fHz)));
}

TEST(BodeCurveTest, MeasuredPhasesArePutOnTheCurvesBranch) {
    const ConverterCircuit c = Reference();
    const AveragedModel model = AverageModel(c, RealParts{});
    const std::vector<BodePoint> curve = BodeCurve(model, nullptr, 10, c.f / 2, 50);
    EXPECT_DOUBLE_EQ(GvdCurvePhaseDeg(model, 10, curve[30].fHz), curve[30].gvdDeg);
    EXPECT_EQ(PhaseNear(-19, 172), 341);
    EXPECT_EQ(PhaseNear(-19, 10), -19);
    EXPECT_EQ(PhaseNear(170, -500), -550);
}

} // namespace
