#include "core/measurements.h"
#include "core/simulation.h"
#include "test_support/example_converter.h"
#include "test_support/named_case.h"
#include "test_support/thrown_kind.h"

#include <gtest/gtest.h>

namespace {

struct FinderCase : NamedCase {
    std::vector<double> samples; // index 0 and N + 1 included
    double largest;
    double smallest;
};

class FinderTest : public testing::TestWithParam<FinderCase> {};

// Every finder on its own array: magnitudes over samples 1..N only, Idx left at N + 1.
TEST_P(FinderTest, MagnitudesOverSamples1ToN) {
    const FinderCase& c = GetParam();
    Module1 m;
    m.N = static_cast<std::int32_t>(c.samples.size()) - 2;
    m.iL_t = m.Vo_t = m.iC_t = m.id_t = c.samples;
    for (void (*find)(Module1&) :
         {FindILMax, FindILMin, FindICMax, FindVoMax, FindVoMin, FindIdMax}) {
        m.Idx = -7;
        find(m);
        EXPECT_EQ(m.Idx, m.N + 1);
    }
    for (double largest : {m.iLMax, m.iCMax, m.VoMax, m.idMax}) {
        EXPECT_EQ(largest, c.largest);
    }
    EXPECT_EQ(m.iLMin, c.smallest);
    EXPECT_EQ(m.VoMin, c.smallest);
}

INSTANTIATE_TEST_SUITE_P(Samples, FinderTest,
                         testing::Values(FinderCase{"MixedSigns", {99, -3, 2, -0.5, 1, 99}, 3, 0.5},
                                         FinderCase{"EqualMagnitudes", {-99, -2, 2, -2, -99}, 2, 2},
                                         FinderCase{"AllPositive", {0, 4, 7, 1, 5, 0}, 7, 1},
                                         FinderCase{"AllZero", {5, 0, 0, 0, 5}, 0, 0},
                                         FinderCase{"OneSample", {0, -6, 0}, 6, 6}),
                         ByCaseName());

TEST(FinderTest, NoSampleLoopBelowOne) {
    Module1 m;
    m.iL_t = {0, -4, 9};
    m.N = 0;
    FindILMax(m);
    EXPECT_EQ(m.iLMax, 4);
    EXPECT_EQ(m.Idx, 1);
}

TEST(FinderTest, SampleBeyondTheArrayIsAnIndexFault) {
    Module1 m;
    m.iL_t = {0, 1, 2};
    m.N = 3;
    EXPECT_EQ(ThrownKind([&] { FindILMin(m); }), RuntimeErrorKind::IndexOutOfRange);
    m.iL_t.clear();
    m.N = 0;
    EXPECT_EQ(ThrownKind([&] { FindILMax(m); }), RuntimeErrorKind::IndexOutOfRange);
}

TEST(SummaryValuesTest, Example) {
    Module1 m = ExampleConverter();
    SimulatePeriods(m, nullptr, CycleShortcut::On);
    MeasureLastPeriod(m);
    EXPECT_NEAR(m.iLMax, 3.71851, 0.000005);
    EXPECT_NEAR(m.iLMin, 1.59124, 0.000005);
    EXPECT_NEAR(m.DeltaiLSim, 2.12727, 0.000005);
    EXPECT_EQ(m.IDPSim, m.iLMax);
    EXPECT_NEAR(m.VoMax, 25.3970, 0.00005);
    EXPECT_NEAR(m.VoMin, 24.4544, 0.00005);
    EXPECT_NEAR(m.DeltaVoSim, 942.56, 0.005);
    EXPECT_NEAR(m.iCMax, 2.74034, 0.000005);
    EXPECT_NEAR(m.IdmSim, 0.99967, 0.000005);
    EXPECT_NEAR(m.IimSim, 1.65771, 0.000005);
    EXPECT_EQ(m.Idx, 1001);
    EXPECT_EQ(m.idMax, 0); // only the cursor readout looks for it
}

// Exact binary fractions: the means are plain averages, the input current flows only while
// the diode does not conduct.
TEST(SummaryValuesTest, MeansOverThePeriod) {
    Module1 m;
    m.N = 4;
    m.dt = 0.25;
    m.f = 2;
    m.iL_t = {9, 1, 3, 2, 2, 9};
    m.id_t = {9, 0, 0, 2, 2, 9};
    m.Vo_t = {9, -1, -1.5, -1.25, -1, 9};
    m.iC_t = {9, 1, -1, 0, 0, 9};
    MeasureLastPeriod(m);
    EXPECT_EQ(m.DeltaiLSim, 2);
    EXPECT_EQ(m.DeltaVoSim, 500);
    EXPECT_EQ(m.IdmSim, 2);
    EXPECT_EQ(m.IimSim, 2);
}

TEST(SummaryValuesTest, OverflowStopsAtTheValueThatLeavesTheRange) {
    Module1 m;
    m.N = 2;
    m.dt = 1;
    m.f = 1;
    m.iL_t = m.id_t = m.iC_t = {0, 1, 1, 0};
    m.Vo_t = {0, -1E306, -1, 0};
    m.DeltaiLSim = m.DeltaVoSim = m.IdmSim = 42;
    EXPECT_EQ(ThrownKind([&] { MeasureLastPeriod(m); }), RuntimeErrorKind::Overflow);
    EXPECT_EQ(m.DeltaiLSim, 0);
    EXPECT_EQ(m.DeltaVoSim, 42);
    EXPECT_EQ(m.IdmSim, 42);
}

// dt x id overflows at sample 2 of 3: the mean diode current stops there, with Idx at it.
TEST(SummaryValuesTest, SumOverflowStopsAtItsSample) {
    Module1 m;
    m.N = 3;
    m.dt = 1E300;
    m.iL_t = m.id_t = m.iC_t = {0, 1, 1E10, 1, 0};
    m.Vo_t = {0, -1, -1, -1, 0};
    m.IdmSim = m.IimSim = 42;
    EXPECT_EQ(ThrownKind([&] { MeasureLastPeriod(m); }), RuntimeErrorKind::Overflow);
    EXPECT_EQ(m.Idx, 2);
    EXPECT_EQ(m.DeltaVoSim, 0);
    EXPECT_EQ(m.IdmSim, 42);
}

} // namespace
