#include "core/sample_generator.h"
#include "core/tolerance_analysis.h"
#include "core/tolerance_summary.h"
#include "test_support/example_converter.h"
#include "test_support/named_case.h"
#include "test_support/recorders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// The reference converter: continuous conduction, ideal.
ToleranceProblem Reference() {
    ToleranceProblem problem;
    problem.circuit = CircuitOf(ExampleConverter());
    return problem;
}

void Tolerate(ToleranceProblem& problem, TolerancedValue value, double percent) {
    problem.tolerancePercent[static_cast<std::size_t>(value)] = percent;
}

double Value(const ToleranceRow& row, TolerancedValue value) {
    return row.values[static_cast<std::size_t>(value)];
}

bool SameBytes(const ToleranceRow& a, const ToleranceRow& b) {
    const ToleranceOutcome& x = a.outcome;
    const ToleranceOutcome& y = b.outcome;
    return a.index == b.index && a.kind == b.kind &&
           std::memcmp(a.values.data(), b.values.data(), sizeof a.values) == 0 &&
           x.discontinuous == y.discontinuous &&
           std::memcmp(&x.meanVo, &y.meanVo, sizeof x.meanVo) == 0 &&
           std::memcmp(&x.DeltaiL, &y.DeltaiL, sizeof x.DeltaiL) == 0 &&
           std::memcmp(&x.DeltaVo, &y.DeltaVo, sizeof x.DeltaVo) == 0 &&
           std::memcmp(&x.peakCurrent, &y.peakCurrent, sizeof x.peakCurrent) == 0 &&
           x.efficiency == y.efficiency && x.failed == y.failed;
}

// The generator's numbers are part of what a seed means: a change of algorithm changes them.
TEST(SampleGeneratorTest, DrawsTheSameNumbersForASeedAndASample) {
    SampleGenerator first(1, 0);
    EXPECT_EQ(first.next(), 4720248854425330031u);
    EXPECT_EQ(first.next(), 1629287585893752162u);
    SampleGenerator uniform(1, 7);
    EXPECT_EQ(uniform.uniform(), 0.73945668655724794);
    // Through the mathematical library's log and cos: equal to a few roundings.
    SampleGenerator normal(42, 123456789);
    EXPECT_DOUBLE_EQ(normal.normal(), 0.48732481640055997);
    EXPECT_DOUBLE_EQ(normal.normal(), 0.83901029352026812);
    // Neighbouring seeds and samples start apart.
    EXPECT_NE(SampleGenerator(1, 1).next(), SampleGenerator(2, 0).next());
    EXPECT_NE(SampleGenerator(1, 1).next(), SampleGenerator(1, 0).next());
}

TEST(SampleGeneratorTest, UniformStaysInItsRangeAndNormalHasUnitSpread) {
    SampleGenerator generator(3, 0);
    double sum = 0;
    double squares = 0;
    constexpr int draws = 20000;
    for (int i = 0; i < draws; ++i) {
        const double u = generator.uniform();
        EXPECT_TRUE(u >= 0 && u < 1);
        const double z = generator.normal();
        sum += z;
        squares += z * z;
    }
    EXPECT_NEAR(sum / draws, 0, 0.03);
    EXPECT_NEAR(squares / draws, 1, 0.03);
}

// Ideal continuous conduction is linear in Vi, the only source: every quantity of a corner is
// the nominal one times (1 +- tol), and the extremes sit at the two corners.
TEST(ToleranceAnalysisTest, WorstCaseOfTheInputVoltageScalesEveryQuantity) {
    ToleranceProblem problem = Reference();
    Tolerate(problem, TolerancedValue::Vi, 10);
    problem.worstCase = true;
    const ToleranceAnalysis analysis(problem);
    ASSERT_EQ(analysis.rowCount(), 2);
    const ToleranceOutcome nominal = analysis.evaluate(analysis.row(0).values);
    const ToleranceRow low = analysis.row(0);
    const ToleranceRow high = analysis.row(1);
    EXPECT_EQ(Value(low, TolerancedValue::Vi), 13.5);
    EXPECT_EQ(Value(high, TolerancedValue::Vi), 16.5);
    const ConverterCircuit c = problem.circuit;
    EXPECT_NEAR(low.outcome.DeltaiL, 13.5 * c.D / (c.f * c.L), 1e-13);
    EXPECT_NEAR(high.outcome.DeltaiL, 16.5 * c.D / (c.f * c.L), 1e-13);
    const ToleranceOutcome centre =
        ToleranceAnalysis(Reference()).evaluate({15, c.f, c.L, c.C, c.RL, 0, 0, 0, 0, 0});
    for (const auto& [row, factor] : {std::pair{low, 0.9}, std::pair{high, 1.1}}) {
        EXPECT_NEAR(row.outcome.meanVo, centre.meanVo * factor, 1e-12);
        EXPECT_NEAR(row.outcome.DeltaVo, centre.DeltaVo * factor, 1e-13);
        EXPECT_NEAR(row.outcome.peakCurrent, centre.peakCurrent * factor, 1e-13);
        EXPECT_FALSE(row.outcome.discontinuous);
        EXPECT_FALSE(row.outcome.efficiency);
    }
    EXPECT_EQ(nominal.meanVo, low.outcome.meanVo);
    const std::vector<ToleranceRow> rows = {low, high};
    const ToleranceSummary summary = Summarize(analysis, rows);
    ASSERT_TRUE(summary.worstCase);
    EXPECT_FALSE(summary.monteCarlo);
    const auto& extremes = summary.worstCase->extremes;
    const auto at = [&](ToleranceQuantity q) { return *extremes[static_cast<std::size_t>(q)]; };
    EXPECT_EQ(at(ToleranceQuantity::VoMean).minCorner, 1); // the most negative
    EXPECT_EQ(at(ToleranceQuantity::VoMean).maxCorner, 0);
    for (const ToleranceQuantity q :
         {ToleranceQuantity::DeltaiL, ToleranceQuantity::DeltaVo, ToleranceQuantity::PeakCurrent}) {
        EXPECT_EQ(at(q).minCorner, 0);
        EXPECT_EQ(at(q).maxCorner, 1);
        EXPECT_EQ(at(q).max, *QuantityOf(high.outcome, q));
    }
    EXPECT_FALSE(extremes[static_cast<std::size_t>(ToleranceQuantity::Efficiency)]);
}

// Corner c puts the b-th varied value (in column order) at +tol where bit b is set.
TEST(ToleranceAnalysisTest, CornersFollowTheirBitsInColumnOrder) {
    ToleranceProblem problem = Reference();
    problem.parts.rL = 0.1;
    Tolerate(problem, TolerancedValue::rL, 50);
    Tolerate(problem, TolerancedValue::L, 20);
    Tolerate(problem, TolerancedValue::f, 0);
    problem.worstCase = true;
    problem.samples = 3;
    const ToleranceAnalysis analysis(problem);
    EXPECT_EQ(analysis.varied(), (std::vector<TolerancedValue>{
                                     TolerancedValue::f, TolerancedValue::L, TolerancedValue::rL}));
    EXPECT_EQ(analysis.rowCount(), 11);
    const ToleranceRow corner = analysis.row(5); // f low (bit 0 set: +0 %), L low, rL high
    EXPECT_EQ(corner.kind, ToleranceRowKind::Corner);
    EXPECT_EQ(Value(corner, TolerancedValue::f), 11000);
    EXPECT_EQ(Value(corner, TolerancedValue::L), 0.0004 * (1 - 0.2));
    EXPECT_EQ(Value(corner, TolerancedValue::rL), 0.1 * (1 + 0.5));
    EXPECT_EQ(Value(corner, TolerancedValue::Vi), 15);
    EXPECT_TRUE(corner.outcome.efficiency);
    EXPECT_EQ(analysis.row(8).kind, ToleranceRowKind::Sample);
}

struct DistributionCase : NamedCase {
    SampleDistribution distribution;
    double spreadLeast; // the share of the tolerance the samples' extremes reach at least
};

// Samples stay within +-tol; the uniform ones fill it, the normal ones cluster at the nominal.
TEST(ToleranceAnalysisTest, SamplesStayWithinTheirTolerances) {
    const DistributionCase cases[] = {{{"uniform"}, SampleDistribution::Uniform, 0.95},
                                      {{"normal"}, SampleDistribution::Normal, 0.5}};
    for (const DistributionCase& row : cases) {
        ToleranceProblem problem = Reference();
        Tolerate(problem, TolerancedValue::C, 20);
        problem.samples = 200;
        problem.distribution = row.distribution;
        const ToleranceAnalysis analysis(problem);
        double lowest = 1;
        double highest = 1;
        int nearNominal = 0;
        for (std::int64_t i = 0; i < analysis.rowCount(); ++i) {
            const double ratio = Value(analysis.row(i), TolerancedValue::C) / 60e-6;
            lowest = std::min(lowest, ratio);
            highest = std::max(highest, ratio);
            nearNominal += std::fabs(ratio - 1) < 0.1 ? 1 : 0;
        }
        EXPECT_GE(lowest, 0.8 * (1 - 1e-15)) << row.name;
        EXPECT_LE(highest, 1.2 * (1 + 1e-15)) << row.name;
        EXPECT_LT(lowest, 1 - 0.2 * row.spreadLeast) << row.name;
        EXPECT_GT(highest, 1 + 0.2 * row.spreadLeast) << row.name;
        // Within half the tolerance: half the uniform samples, 87 % of the normal ones.
        const double share = nearNominal / 200.0;
        EXPECT_NEAR(share, row.distribution == SampleDistribution::Uniform ? 0.5 : 0.87, 0.08)
            << row.name;
    }
}

// The rows are the same bytes whatever the threads and shards that compute them.
TEST(ToleranceAnalysisTest, RowsDoNotDependOnThreadsOrShards) {
    ToleranceProblem problem = Reference();
    problem.parts = TypicalParts();
    Tolerate(problem, TolerancedValue::Vi, 5);
    Tolerate(problem, TolerancedValue::C, 20);
    Tolerate(problem, TolerancedValue::rC, 30);
    problem.worstCase = true;
    problem.samples = 150;
    problem.distribution = SampleDistribution::Normal;
    const ToleranceAnalysis analysis(problem);
    const auto collect = [&](const RowSplit& split) {
        std::vector<ToleranceRow> rows;
        analysis.run(split, [&](std::span<const ToleranceRow> block) {
            rows.insert(rows.end(), block.begin(), block.end());
            return true;
        });
        return rows;
    };
    const std::int64_t count = analysis.rowCount();
    const std::vector<ToleranceRow> reference = collect({count, 0, 1, 1});
    ASSERT_EQ(reference.size(), 158u);
    for (const int jobs : {2, 7}) {
        const std::vector<ToleranceRow> rows = collect({count, 0, 1, jobs});
        ASSERT_EQ(rows.size(), reference.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_TRUE(SameBytes(rows[i], reference[i])) << jobs << " jobs, row " << i;
        }
    }
    std::vector<ToleranceRow> merged;
    for (std::int64_t shard = 0; shard < 3; ++shard) {
        const std::vector<ToleranceRow> part = collect({count, shard, 3, 2});
        merged.insert(merged.end(), part.begin(), part.end());
    }
    std::sort(merged.begin(), merged.end(),
              [](const ToleranceRow& a, const ToleranceRow& b) { return a.index < b.index; });
    ASSERT_EQ(merged.size(), reference.size());
    for (std::size_t i = 0; i < merged.size(); ++i) {
        EXPECT_TRUE(SameBytes(merged[i], reference[i])) << "shards, row " << i;
    }
}

// The yield and each limit's failures are those of the rows; a ripple limit at the nominal
// ripple fails where the input is above its nominal, as the ripple follows it.
TEST(ToleranceAnalysisTest, YieldCountsTheSamplesWithinEveryLimit) {
    ToleranceProblem problem = Reference();
    problem.parts = TypicalParts();
    Tolerate(problem, TolerancedValue::Vi, 10);
    problem.samples = 100;
    const ToleranceOutcome nominal = ToleranceAnalysis(problem).evaluate(
        {15, 11000, 0.0004, 60e-6, 25, 0.05, 0.08, 0.03, 0.45, 0.02});
    problem.limits.rippleIL = nominal.DeltaiL;
    problem.limits.efficiencyPercent = 0; // never fails
    const ToleranceAnalysis analysis(problem);
    std::vector<ToleranceRow> rows;
    int above = 0;
    for (std::int64_t i = 0; i < analysis.rowCount(); ++i) {
        rows.push_back(analysis.row(i));
        above += Value(rows.back(), TolerancedValue::Vi) > 15 ? 1 : 0;
        EXPECT_TRUE(rows.back().outcome.efficiency);
    }
    const ToleranceSummary summary = Summarize(analysis, rows);
    ASSERT_TRUE(summary.monteCarlo);
    const MonteCarloSummary& mc = *summary.monteCarlo;
    EXPECT_EQ(mc.samples, 100);
    EXPECT_EQ(mc.yield, 1 - above / 100.0);
    EXPECT_EQ(mc.failureShare[0], above / 100.0);
    EXPECT_EQ(mc.failureShare[4], 0.0);
    EXPECT_FALSE(mc.failureShare[1]);
    EXPECT_TRUE(mc.statistics[static_cast<std::size_t>(ToleranceQuantity::Efficiency)]);
}

TEST(ToleranceAnalysisTest, BandIsAroundTheNominalOutput) {
    ToleranceProblem problem = Reference();
    Tolerate(problem, TolerancedValue::Vi, 10);
    problem.worstCase = true;
    problem.limits.voBandPercent = 9.9; // the corners move |Vo| by 10 %
    const ToleranceAnalysis outside(problem);
    EXPECT_FALSE(outside.row(0).outcome.pass());
    EXPECT_FALSE(outside.row(1).outcome.pass());
    problem.limits.voBandPercent = 10.1;
    const ToleranceAnalysis inside(problem);
    EXPECT_TRUE(inside.row(0).outcome.pass());
    EXPECT_TRUE(inside.row(1).outcome.pass());
}

struct QuantileCase : NamedCase {
    std::vector<double> sorted;
    double p;
    double quantile;
};

TEST(ToleranceSummaryTest, QuantilesInterpolateBetweenOrderStatistics) {
    std::vector<double> thousand(1000);
    for (std::size_t i = 0; i < thousand.size(); ++i) {
        thousand[i] = static_cast<double>(i);
    }
    const QuantileCase cases[] = {
        {{"one value"}, {4}, 0.001, 4},
        {{"lowest"}, {1, 2, 3}, 0, 1},
        {{"highest"}, {1, 2, 3}, 1, 3},
        {{"median between"}, {1, 2, 3, 5}, 0.5, 2.5},
        {{"0.1 % of 1000"}, thousand, 0.001, 0.999},
        {{"99.9 % of 1000"}, thousand, 0.999, 998.001},
    };
    for (const QuantileCase& row : cases) {
        EXPECT_NEAR(Quantile(row.sorted, row.p), row.quantile, 1e-12) << row.name;
    }
}

TEST(ToleranceSummaryTest, StatisticsOfTheSamples) {
    ToleranceProblem problem = Reference();
    Tolerate(problem, TolerancedValue::Vi, 10);
    problem.samples = 4;
    const ToleranceAnalysis analysis(problem);
    std::vector<ToleranceRow> rows;
    double sum = 0;
    for (std::int64_t i = 0; i < 4; ++i) {
        rows.push_back(analysis.row(i));
        sum += rows.back().outcome.DeltaiL;
    }
    const double mean = sum / 4;
    double squares = 0;
    for (const ToleranceRow& row : rows) {
        squares += (row.outcome.DeltaiL - mean) * (row.outcome.DeltaiL - mean);
    }
    const QuantityStatistics s =
        *Summarize(analysis, rows)
             .monteCarlo->statistics[static_cast<std::size_t>(ToleranceQuantity::DeltaiL)];
    EXPECT_DOUBLE_EQ(s.mean, mean);
    EXPECT_DOUBLE_EQ(s.standardDeviation, std::sqrt(squares / 3));
    EXPECT_GE(s.low, std::min_element(rows.begin(), rows.end(), [](auto& a, auto& b) {
                         return a.outcome.DeltaiL < b.outcome.DeltaiL;
                     })->outcome.DeltaiL);
    EXPECT_LT(s.low, s.mean);
    EXPECT_GT(s.high, s.mean);
}

// The observer is told the share done after each block and may stop the analysis.
TEST(ToleranceAnalysisTest, RunsUnderAnObserverThatMayStopIt) {
    ToleranceProblem problem = Reference();
    Tolerate(problem, TolerancedValue::L, 20);
    problem.samples = 150;
    const ToleranceAnalysis analysis(problem);
    RecordingObserver watching;
    const auto rows = RunToleranceRows(analysis, 1, watching);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->size(), 150u);
    EXPECT_EQ(watching.fractions, (std::vector<double>{64 / 150.0, 128 / 150.0, 1}));
    RecordingObserver stopping;
    stopping.stopAtCall = 1;
    EXPECT_FALSE(RunToleranceRows(analysis, 1, stopping));
    EXPECT_EQ(stopping.fractions.size(), 1u);
}

} // namespace
