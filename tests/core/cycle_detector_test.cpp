#include "core/simulation.h"
#include "test_support/named_case.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct CycleCase : NamedCase {
    std::int32_t start;  // first period of the cycle
    std::int32_t length; // periods per cycle
};

// A sequence of distinct states until `start`, then the cycle over and over.
PeriodState StateEntering(std::int32_t period, const CycleCase& c) {
    const std::int32_t value = period < c.start ? period : c.start + (period - c.start) % c.length;
    return PeriodStateOf(static_cast<double>(value), -static_cast<double>(value));
}

class CycleDetectorTest : public testing::TestWithParam<CycleCase> {};

TEST_P(CycleDetectorTest, FindsTheCycleLengthSoonAfterItStarts) {
    const CycleCase& c = GetParam();
    CycleDetector detector;
    std::int32_t length = 0;
    std::int32_t period = 0;
    while (length == 0 && period < 100000) {
        ++period;
        length = detector.cycleLength(StateEntering(period, c), period);
    }
    EXPECT_EQ(length, c.length);
    EXPECT_GE(period, c.start + c.length);
    EXPECT_LE(period, 2 * std::max(c.start + 1, c.length) + c.length);
    if (c.length == 1) {
        EXPECT_EQ(period, c.start + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Sequences, CycleDetectorTest,
                         testing::Values(CycleCase{"FixedFromTheStart", 1, 1},
                                         CycleCase{"LateFixedPoint", 1054, 1},
                                         CycleCase{"TwoFromTheStart", 1, 2},
                                         CycleCase{"LateCycle17", 1941, 17},
                                         CycleCase{"EarlyCycle116", 3, 116},
                                         CycleCase{"CycleLongerThanItsStart", 100, 5000}),
                         ByCaseName());

TEST(CycleDetectorTest, StatesCompareBitForBit) {
    EXPECT_FALSE(PeriodStateOf(0.0, 1) == PeriodStateOf(-0.0, 1));
    CycleDetector detector;
    EXPECT_EQ(detector.cycleLength(PeriodStateOf(0.0, 1), 1), 0);
    EXPECT_EQ(detector.cycleLength(PeriodStateOf(-0.0, 1), 2), 0);
}

} // namespace
