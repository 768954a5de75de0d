#include "display/range_extremes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// A rippled ramp with many repeated values, so that ties are common.
std::vector<double> RippledRamp(std::int32_t size) {
    std::vector<double> values;
    for (std::int32_t i = 0; i < size; ++i) {
        values.push_back((i * 7919) % 613 / 10 - i / 97);
    }
    return values;
}

// The first lowest and the first highest index of first .. last, read one at a time.
Extremes Scanned(const std::vector<double>& values, std::int32_t first, std::int32_t last) {
    const auto begin = values.begin() + first;
    const auto end = values.begin() + last + 1;
    const auto lowest = std::min_element(begin, end);
    const auto highest = std::max_element(begin, end);
    return {static_cast<std::int32_t>(lowest - values.begin()),
            static_cast<std::int32_t>(highest - values.begin()), *lowest, *highest};
}

void ExpectFound(const std::vector<double>& values, const RangeExtremes& extremes,
                 std::int32_t first, std::int32_t last) {
    const Extremes found = extremes.over(first, last);
    const Extremes expected = Scanned(values, first, last);
    EXPECT_EQ(found.lowest, expected.lowest) << first << ".." << last;
    EXPECT_EQ(found.highest, expected.highest) << first << ".." << last;
    EXPECT_EQ(found.low, expected.low) << first << ".." << last;
    EXPECT_EQ(found.high, expected.high) << first << ".." << last;
}

struct RangeCase {
    const char* name;
    std::int32_t first, last;
};

TEST(RangeExtremes, FindTheFirstLowestAndHighestOfAnyRun) {
    const std::vector<double> values = RippledRamp(20000);
    const RangeExtremes extremes(values);
    const RangeCase cases[] = {
        {"one value", 300, 300},
        {"inside one block", 260, 500},
        {"fewer than the lanes", 3, 9},
        {"across one block edge", 200, 300},
        {"one whole block and ends", 255, 512},
        {"from a block's start to a block's end", 512, 2047},
        {"many blocks", 1, 19998},
        {"the whole array", 0, 19999},
        {"into the partial last block", 19000, 19999},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectFound(values, extremes, c.first, c.last);
    }
    for (std::int32_t first = 0; first < 20000; first += 373) {
        for (std::int32_t last = first; last < 20000; last += 1291) {
            ExpectFound(values, extremes, first, last);
        }
    }
}

TEST(RangeExtremes, JoinKeepsTheExtremesAndTheFirstOfEqualValues) {
    const Extremes left{1, 2, 1, 9};
    const Extremes right{3, 4, 1, 9.5};
    const Extremes joined = Join(right, left);
    EXPECT_EQ(joined.lowest, 1);
    EXPECT_EQ(joined.highest, 4);
    EXPECT_EQ(joined.low, 1);
    EXPECT_EQ(joined.high, 9.5);
}

struct FiniteCase {
    const char* name;
    double value; // at index 700 of 1000
    bool finite;
};

TEST(RangeExtremes, TellWhetherEveryValueIsFinite) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const FiniteCase cases[] = {
        {"all finite", 1e300, true},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), false},
        {"infinity", infinity, false},
        {"minus infinity", -infinity, false},
    };
    for (const FiniteCase& c : cases) {
        std::vector<double> values = RippledRamp(1000);
        values[700] = c.value;
        EXPECT_EQ(RangeExtremes(values).finite(), c.finite) << c.name;
    }
}

} // namespace
