#include "core/standard_values.h"
#include "test_support/named_case.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// The decimal figures x 10^exponent as the standard library reads it: the nearest double.
double Decimal(int figures, int exponent) {
    return std::stod(std::to_string(figures) + "e" + std::to_string(exponent));
}

std::vector<int> EveryOther(std::span<const int> figures) {
    std::vector<int> kept;
    for (std::size_t i = 0; i < figures.size(); i += 2) {
        kept.push_back(figures[i]);
    }
    return kept;
}

std::vector<int> Of(ESeries series) {
    const std::span<const int> figures = SeriesFigures(series);
    return {figures.begin(), figures.end()};
}

TEST(StandardValuesTest, TablesAreThePublishedOnes) {
    // Each series is every other value of the next finer one.
    EXPECT_EQ(Of(ESeries::E6), EveryOther(SeriesFigures(ESeries::E12)));
    EXPECT_EQ(Of(ESeries::E12), EveryOther(SeriesFigures(ESeries::E24)));
    EXPECT_EQ(Of(ESeries::E48), EveryOther(SeriesFigures(ESeries::E96)));
    // E48 and E96 are the rounded geometric progression; E24 keeps eight historical figures.
    const std::span<const int> e96 = SeriesFigures(ESeries::E96);
    ASSERT_EQ(e96.size(), 96u);
    for (std::size_t i = 0; i < e96.size(); ++i) {
        EXPECT_EQ(e96[i], std::lround(100 * std::pow(10.0, static_cast<double>(i) / 96))) << i;
    }
    const std::span<const int> e24 = SeriesFigures(ESeries::E24);
    ASSERT_EQ(e24.size(), 24u);
    const std::vector<std::pair<int, long>> historical = {{27, 26}, {30, 29}, {33, 32}, {36, 35},
                                                          {39, 38}, {43, 42}, {47, 46}, {82, 83}};
    std::vector<std::pair<int, long>> departures;
    for (std::size_t i = 0; i < e24.size(); ++i) {
        const long rounded = std::lround(10 * std::pow(10.0, static_cast<double>(i) / 24));
        if (e24[i] != rounded) {
            departures.emplace_back(e24[i], rounded);
        }
    }
    EXPECT_EQ(departures, historical);
    EXPECT_EQ(Of(ESeries::E6), (std::vector<int>{10, 15, 22, 33, 47, 68}));
}

TEST(StandardValuesTest, NamesReadBack) {
    for (const ESeries series : AllSeries) {
        EXPECT_EQ(SeriesNamed(SeriesName(series)), series);
    }
    EXPECT_FALSE(SeriesNamed("E192"));
    EXPECT_FALSE(SeriesNamed("e12"));
}

// Every figure of every series in decades 10^-12 to 10^12: a value on it stays, one just above
// goes to the next figure (the next decade's first after the last), one just below stays on it,
// one within 1e-9 relative above takes it.
TEST(StandardValuesTest, SnapsUpInEveryDecade) {
    for (const ESeries series : AllSeries) {
        const std::span<const int> figures = SeriesFigures(series);
        const int digits = figures.front() == 10 ? 1 : 2;
        for (int decade = -12; decade <= 12; ++decade) {
            const int exponent = decade - digits;
            for (std::size_t i = 0; i < figures.size(); ++i) {
                const double on = Decimal(figures[i], exponent);
                const double next = i + 1 < figures.size() ? Decimal(figures[i + 1], exponent)
                                                           : Decimal(figures.front(), exponent + 1);
                const std::string where = std::string(SeriesName(series)) + " " +
                                          std::to_string(figures[i]) + "e" +
                                          std::to_string(exponent);
                EXPECT_EQ(SnapUp(on, series), on) << where;
                EXPECT_EQ(SnapUp(on * (1 + 5e-10), series), on) << where;
                EXPECT_EQ(SnapUp(on * (1 - 1e-6), series), on) << where;
                EXPECT_EQ(SnapUp(on * (1 + 2e-9), series), next) << where;
                EXPECT_EQ(SnapUp(next * (1 - 2e-9), series), next) << where;
            }
        }
    }
}

struct SnapCase : NamedCase {
    double value;
    ESeries series;
    double snapped;
};

TEST(StandardValuesTest, SnapsTheDesignsValues) {
    const SnapCase cases[] = {
        {{"designed inductor, uH"}, 7990.056818181819, ESeries::E12, 8200},
        {{"designed capacitor, uF"}, 94.6969696969697, ESeries::E12, 100},
        {{"historical figure"}, 2.61, ESeries::E24, 2.7},
        {{"E6 past its last figure"}, 6.9, ESeries::E6, 10},
        {{"E96 within a decade"}, 0.0975, ESeries::E96, 0.0976},
        {{"E48 past its last figure"}, 0.96, ESeries::E48, 1},
        {{"decade edge just below"}, 0.099999999, ESeries::E24, 0.1},
        {{"picofarads"}, 4.71e-12, ESeries::E12, 5.6e-12},
    };
    for (const SnapCase& row : cases) {
        EXPECT_EQ(SnapUp(row.value, row.series), row.snapped) << row.name;
    }
}

TEST(StandardValuesTest, SnappedDesignHasTheExactRipplesOfItsValues) {
    // The worked design (15 V to -25 V, 11 kHz, 250 ohm) with E12 parts: ideal continuous
    // conduction, whose inductor ripple is Vi D / (f L) exactly.
    const ConverterCircuit designed{15, 0.625, 11000, 7990.056818181819e-6, 94.6969696969697e-6,
                                    250};
    const SeriesDesign snapped =
        SnapDesign(designed, 7990.056818181819, 94.6969696969697, ESeries::E12);
    EXPECT_EQ(snapped.LMicro, 8200);
    EXPECT_EQ(snapped.CMicro, 100);
    EXPECT_NEAR(snapped.steady.DeltaiL, 15 * 0.625 / (11000 * 8200e-6), 1e-15);
    const ExactConverter exact({15, 0.625, 11000, 8200e-6, 100e-6, 250});
    const PeriodValues direct = exact.period(exact.steadyStart()).values;
    EXPECT_EQ(snapped.steady.DeltaVoMilli, direct.DeltaVoMilli);
    // Larger parts than designed: the ripples stay within the designed ones.
    EXPECT_LT(snapped.steady.DeltaiL, 15 * 0.625 / (11000 * 7990.056818181819e-6));
    EXPECT_LT(snapped.steady.DeltaVoMilli, 60);
}

} // namespace
