#include "core/averaged_model.h"
#include "core/frequency_response_analysis.h"
#include "test_support/example_converter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

ConverterCircuit Reference(double L = 400e-6) {
    ConverterCircuit circuit = CircuitOf(ExampleConverter());
    circuit.L = L;
    return circuit;
}

double PhaseGapDeg(std::complex<double> a, std::complex<double> b) {
    return std::abs(std::arg(a / b)) * 180 / std::numbers::pi;
}

TEST(FrequencyResponseAnalysisTest, WholePeriodFrequenciesShareACommonPeriod) {
    const WholePeriodFrequency exact = NearestWholePeriodFrequency(11000, 11);
    EXPECT_EQ(exact.p, 1);
    EXPECT_EQ(exact.q, 1000);
    EXPECT_EQ(exact.fHz, 11);
    for (const double f : {13.7, 385.0, 1234.5, 5000.0}) {
        const WholePeriodFrequency moved = NearestWholePeriodFrequency(11000, f);
        EXPECT_LE(moved.q, 1000) << f;
        EXPECT_EQ(moved.fHz, 11000 * static_cast<double>(moved.p) / static_cast<double>(moved.q));
        EXPECT_LT(std::abs(moved.fHz - f), 11000.0 / 1000 / 1000 * 2) << f;
    }
}

// The switching circuit agrees with its averaged model to a fraction of a dB and a few degrees
// up to a tenth of the switching frequency, ideal or with parts.
TEST(FrequencyResponseAnalysisTest, AgreesWithTheAveragedModelUpToATenthOfF) {
    const ConverterCircuit circuit = Reference();
    for (const RealParts& parts : {RealParts{}, TypicalParts()}) {
        const AveragedModel model = AverageModel(circuit, parts);
        const FrequencyResponseAnalyser analyser(circuit, parts);
        for (const double f : FraFrequencies(circuit.f / 1000, circuit.f, 6)) {
            const std::optional<FraPoint> point = analyser.measure(f);
            ASSERT_TRUE(point && point->settled) << f;
            const std::complex<double> averaged = model.gvd.at(point->fHz);
            EXPECT_NEAR(point->dB, Decibels(averaged), 0.5) << f;
            EXPECT_LT(PhaseGapDeg(point->response, averaged), 3) << f;
        }
    }
}

// Towards f / 2 the sampled duty and the ripple part the circuit from its average: by more than
// the agreement up to f / 10.
TEST(FrequencyResponseAnalysisTest, PartsFromTheAverageTowardsHalfTheSwitchingFrequency) {
    const ConverterCircuit circuit = Reference();
    const AveragedModel model = AverageModel(circuit, RealParts{});
    const std::optional<FraPoint> point =
        FrequencyResponseAnalyser(circuit, RealParts{}).measure(circuit.f / 2.2);
    ASSERT_TRUE(point);
    EXPECT_GT(std::abs(point->dB - Decibels(model.gvd.at(point->fHz))), 0.5);
}

// In discontinuous conduction the reduced-order model holds at low frequency only.
TEST(FrequencyResponseAnalysisTest, DiscontinuousCircuitFollowsTheReducedModelAtLowFrequency) {
    const ConverterCircuit circuit = Reference(60e-6);
    const AveragedModel model = AverageModel(circuit, RealParts{});
    ASSERT_TRUE(model.discontinuous);
    const std::optional<FraPoint> point =
        FrequencyResponseAnalyser(circuit, RealParts{}).measure(20);
    ASSERT_TRUE(point && point->settled);
    EXPECT_NEAR(point->dB, Decibels(model.gvd.at(point->fHz)), 0.5);
    EXPECT_LT(PhaseGapDeg(point->response, model.gvd.at(point->fHz)), 3);
}

// The response is linear in the small signal: the amplitude within its range changes little.
TEST(FrequencyResponseAnalysisTest, SmallSignalResponseHardlyDependsOnTheAmplitude) {
    const FrequencyResponseAnalyser analyser(Reference(), TypicalParts());
    const std::optional<FraPoint> least = analyser.measure(300, LeastFraAmplitude);
    const std::optional<FraPoint> largest = analyser.measure(300, LargestFraAmplitude);
    ASSERT_TRUE(least && largest);
    EXPECT_NEAR(least->dB, largest->dB, 0.05);
    EXPECT_NEAR(least->deg, largest->deg, 0.5);
}

class StopAtOnce : public SimulationObserver {
public:
    bool keepGoing(double fractionDone) override {
        fractions.push_back(fractionDone);
        return false;
    }
    std::vector<double> fractions;
};

TEST(FrequencyResponseAnalysisTest, AnObserverStopsTheAnalysis) {
    StopAtOnce observer;
    EXPECT_FALSE(
        FrequencyResponseAnalyser(Reference(), RealParts{}).measure(100, 0.005, &observer));
    ASSERT_EQ(observer.fractions.size(), 1u);
    EXPECT_GE(observer.fractions[0], 0);
    EXPECT_LE(observer.fractions[0], 1);
}

} // namespace
