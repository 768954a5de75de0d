#include "cli/tolerance_report.h"

#include "core/tolerance_summary.h"

#include <string>
#include <vector>

namespace {

// The keys of the limits' failure shares, by ToleranceLimit, named as their options.
constexpr const char* FailureKeys[ToleranceLimitCount] = {"ripple_il_A", "ripple_vo_mV",
                                                          "vo_band_pct", "ipk_A", "eff_pct"};

std::string RowsHeader(const ToleranceAnalysis& analysis) {
    std::string header = "index,kind";
    for (const TolerancedValue value : analysis.varied()) {
        header += std::string(",") + ColumnName(value);
    }
    return header + ",mode,VoMean_V,DeltaiL_A,DeltaVo_V,IDP_A,efficiency,pass\n";
}

void WriteRow(std::ostream& out, const ToleranceAnalysis& analysis, const ToleranceRow& row) {
    out << row.index << ',' << (row.kind == ToleranceRowKind::Corner ? "corner" : "sample");
    for (const TolerancedValue value : analysis.varied()) {
        out << ',' << ShortestText(row.values[static_cast<std::size_t>(value)]);
    }
    const ToleranceOutcome& o = row.outcome;
    out << ',' << (o.discontinuous ? "DCM" : "CCM") << ',' << ShortestText(o.meanVo) << ','
        << ShortestText(o.DeltaiL) << ',' << ShortestText(o.DeltaVo) << ','
        << ShortestText(o.peakCurrent) << ','
        << (o.efficiency ? ShortestText(*o.efficiency) : std::string()) << ','
        << (o.pass() ? "yes" : "no") << '\n';
}

Report WorstCaseReport(const WorstCaseSummary& worst) {
    Report extremes = Report::object();
    for (std::size_t q = 0; q < ToleranceQuantityCount; ++q) {
        if (const auto& e = worst.extremes[q]) {
            extremes[QuantityName(static_cast<ToleranceQuantity>(q))] = {
                {"min", e->min},
                {"min_corner", e->minCorner},
                {"max", e->max},
                {"max_corner", e->maxCorner}};
        }
    }
    return {{"corners", worst.corners}, {"failing", worst.failing}, {"extremes", extremes}};
}

Report MonteCarloReport(const MonteCarloSummary& mc, const ToleranceProblem& problem) {
    Report failures = Report::object();
    for (std::size_t l = 0; l < ToleranceLimitCount; ++l) {
        const auto& share = mc.failureShare[l];
        failures[FailureKeys[l]] = share ? Report(*share) : Report();
    }
    Report statistics = Report::object();
    for (std::size_t q = 0; q < ToleranceQuantityCount; ++q) {
        if (const auto& s = mc.statistics[q]) {
            statistics[QuantityName(static_cast<ToleranceQuantity>(q))] = {
                {"mean", s->mean},
                {"std_dev", s->standardDeviation},
                {"q0.1pct", s->low},
                {"q99.9pct", s->high}};
        }
    }
    return {{"samples", mc.samples},
            {"seed", problem.seed},
            {"distribution",
             problem.distribution == SampleDistribution::Uniform ? "uniform" : "normal"},
            {"yield", mc.yield},
            {"failure_share", failures},
            {"statistics", statistics}};
}

Report SummaryReport(const ToleranceAnalysis& analysis, const ToleranceSummary& summary) {
    Report body;
    body["nominal_abs_VoMean_V"] = analysis.nominalOutput();
    body["worst_case"] = summary.worstCase ? WorstCaseReport(*summary.worstCase) : Report();
    body["monte_carlo"] =
        summary.monteCarlo ? MonteCarloReport(*summary.monteCarlo, analysis.problem()) : Report();
    return {{"tolerance", body}};
}

} // namespace

void WriteToleranceRows(const ToleranceAnalysis& analysis, const RowSplit& split,
                        std::ostream& out) {
    out << RowsHeader(analysis);
    analysis.run(split, [&](std::span<const ToleranceRow> rows) {
        for (const ToleranceRow& row : rows) {
            WriteRow(out, analysis, row);
        }
        return static_cast<bool>(out.flush());
    });
}

Report ToleranceReport(const ToleranceAnalysis& analysis, int jobs) {
    std::vector<ToleranceRow> rows;
    analysis.run({analysis.rowCount(), 0, 1, jobs}, [&](std::span<const ToleranceRow> block) {
        rows.insert(rows.end(), block.begin(), block.end());
        return true;
    });
    return SummaryReport(analysis, Summarize(analysis, rows));
}
