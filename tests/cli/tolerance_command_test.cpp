#include "cli/tolerance_options.h"
#include "cli/tolerance_report.h"
#include "test_support/example_converter.h"
#include "test_support/named_case.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct AcceptedCase : NamedCase {
    std::string text;
    std::map<TolerancedValue, double> percent;
};

TEST(ToleranceOptionsTest, ReadsEveryNamedTolerance) {
    const AcceptedCase cases[] = {
        {{"the five values"},
         "vi=5,f=2,l=20,c=20,rl=10",
         {{TolerancedValue::Vi, 5},
          {TolerancedValue::f, 2},
          {TolerancedValue::L, 20},
          {TolerancedValue::C, 20},
          {TolerancedValue::RL, 10}}},
        {{"the parts, in any order"},
         "rd=1.5,rds=10,dcr=0,esr=99.9,vf=3E1",
         {{TolerancedValue::rD, 1.5},
          {TolerancedValue::rS, 10},
          {TolerancedValue::rL, 0},
          {TolerancedValue::rC, 99.9},
          {TolerancedValue::Vf, 30}}},
    };
    for (const AcceptedCase& row : cases) {
        TolerancePercents percent;
        EXPECT_FALSE(ReadTolerances(row.text, percent)) << row.name;
        for (std::size_t v = 0; v < TolerancedValueCount; ++v) {
            const auto given = row.percent.find(static_cast<TolerancedValue>(v));
            EXPECT_EQ(percent[v], given == row.percent.end() ? std::optional<double>()
                                                             : std::optional(given->second))
                << row.name << ", value " << v;
        }
    }
}

struct RefusedCase : NamedCase {
    std::string text;
    std::string item; // the piece the message names
};

TEST(ToleranceOptionsTest, RefusesAToleranceNamingTheOption) {
    const RefusedCase cases[] = {
        {{"negative"}, "vi=5,l=-20", "l=-20"},
        {{"a hundred per cent"}, "c=100", "c=100"},
        {{"over a hundred"}, "c=1e3", "c=1e3"},
        {{"not a number"}, "rl=abc", "rl=abc"},
        {{"not finite"}, "rl=nan", "rl=nan"},
        {{"decimal comma"}, "vi=2,5", "5"},
        {{"no value"}, "vi=", "vi="},
        {{"no equals sign"}, "vi", "vi"},
        {{"unknown name"}, "vo=5", "vo=5"},
        {{"name in capitals"}, "VI=5", "VI=5"},
        {{"named twice"}, "vi=5,vi=6", "vi=6"},
        {{"empty item"}, "vi=5,,l=20", ""},
        {{"trailing comma"}, "vi=5,", ""},
        {{"space"}, "vi= 5", "vi= 5"},
        {{"nothing"}, "", ""},
    };
    for (const RefusedCase& row : cases) {
        TolerancePercents percent;
        const std::optional<std::string> refusal = ReadTolerances(row.text, percent);
        ASSERT_TRUE(refusal) << row.name;
        EXPECT_TRUE(refusal->starts_with("L'opzione --tol vuole nome=percentuale")) << *refusal;
        EXPECT_TRUE(refusal->ends_with("100): " + row.item)) << *refusal;
    }
}

ToleranceProblem Problem() {
    ToleranceProblem problem;
    problem.circuit = CircuitOf(ExampleConverter());
    problem.parts = TypicalParts();
    const TolerancePercents percent = {5, 2, 20, 20, std::nullopt, 30};
    problem.tolerancePercent = percent;
    problem.worstCase = true;
    problem.samples = 150;
    problem.limits.rippleIL = 2.4;
    return problem;
}

std::string Rows(const ToleranceAnalysis& analysis, std::int64_t shard, std::int64_t shards,
                 int jobs) {
    std::ostringstream out;
    WriteToleranceRows(analysis, {analysis.rowCount(), shard, shards, jobs}, out);
    return out.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(ToleranceReportTest, RowsAreTheSameBytesForAnyThreadsAndShards) {
    const ToleranceAnalysis analysis(Problem());
    const std::string reference = Rows(analysis, 0, 1, 1);
    const std::vector<std::string> lines = Lines(reference);
    ASSERT_EQ(lines.size(), 1u + 32 + 150);
    EXPECT_EQ(lines[0], "index,kind,vi_V,f_Hz,L_H,C_F,rds_ohm,mode,VoMean_V,DeltaiL_A,DeltaVo_V,"
                        "IDP_A,efficiency,pass");
    EXPECT_TRUE(
        lines[1].starts_with("0,corner,14.25,10780,0.00032,4.8e-05,0.034999999999999996,CCM,-"))
        << lines[1] << "\n";
    EXPECT_TRUE(lines[33].starts_with("32,sample,")) << lines[33];
    EXPECT_EQ(Rows(analysis, 0, 1, 2), reference);
    EXPECT_EQ(Rows(analysis, 0, 1, 7), reference);
    // Three shards, each with the header, merged by index.
    std::vector<std::pair<long, std::string>> merged;
    for (std::int64_t shard = 0; shard < 3; ++shard) {
        const std::vector<std::string> part = Lines(Rows(analysis, shard, 3, 2));
        EXPECT_EQ(part.front(), lines[0]);
        for (std::size_t i = 1; i < part.size(); ++i) {
            merged.emplace_back(std::stol(part[i]), part[i]);
        }
    }
    std::sort(merged.begin(), merged.end());
    std::string joined = lines[0] + "\n";
    for (const auto& [index, line] : merged) {
        joined += line + "\n";
    }
    EXPECT_EQ(joined, reference);
}

// Every cell reads back to the double it came from; pass says whether the limits hold.
TEST(ToleranceReportTest, CellsReadBackToTheRowsValues) {
    const ToleranceAnalysis analysis(Problem());
    const std::vector<std::string> lines = Lines(Rows(analysis, 0, 1, 1));
    for (const std::int64_t index : {0, 31, 32, 181}) {
        const ToleranceRow row = analysis.row(index);
        std::vector<std::string> cells;
        std::istringstream in(lines[static_cast<std::size_t>(index) + 1]);
        for (std::string cell; std::getline(in, cell, ',');) {
            cells.push_back(cell);
        }
        ASSERT_EQ(cells.size(), 14u);
        EXPECT_EQ(std::stod(cells[4]), row.values[2]);
        EXPECT_EQ(std::stod(cells[8]), row.outcome.meanVo);
        EXPECT_EQ(std::stod(cells[11]), row.outcome.peakCurrent);
        EXPECT_EQ(std::stod(cells[12]), *row.outcome.efficiency);
        EXPECT_EQ(cells[13], row.outcome.DeltaiL <= 2.4 ? "yes" : "no");
    }
}

TEST(ToleranceReportTest, SummaryHasTheExtremesTheYieldAndTheStatistics) {
    ToleranceProblem problem = Problem();
    problem.samples = 40;
    const ToleranceAnalysis analysis(problem);
    const Report report = ToleranceReport(analysis, 2)["tolerance"];
    const Report& worst = report["worst_case"];
    EXPECT_EQ(worst["corners"], 32);
    double largest = 0;
    for (std::int64_t c = 0; c < 32; ++c) {
        largest = std::max(largest, analysis.row(c).outcome.DeltaiL);
    }
    EXPECT_EQ(worst["extremes"]["DeltaiL_A"]["max"].get<double>(), largest);
    const Report& mc = report["monte_carlo"];
    EXPECT_EQ(mc["samples"], 40);
    EXPECT_EQ(mc["distribution"], "uniform");
    EXPECT_TRUE(mc["failure_share"]["ripple_vo_mV"].is_null());
    EXPECT_EQ(mc["yield"].get<double>(), 1 - mc["failure_share"]["ripple_il_A"].get<double>());
    for (const char* quantity : {"VoMean_V", "DeltaiL_A", "DeltaVo_V", "IDP_A", "efficiency"}) {
        const Report& s = mc["statistics"][quantity];
        EXPECT_LE(s["q0.1pct"].get<double>(), s["mean"].get<double>()) << quantity;
        EXPECT_GE(s["q99.9pct"].get<double>(), s["mean"].get<double>()) << quantity;
        EXPECT_GT(s["std_dev"].get<double>(), 0) << quantity;
    }
}

} // namespace
