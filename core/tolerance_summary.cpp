#include "core/tolerance_summary.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool IsCorner(const ToleranceRow& row) {
    return row.kind == ToleranceRowKind::Corner;
}

WorstCaseSummary WorstCaseOf(std::span<const ToleranceRow> corners) {
    WorstCaseSummary summary;
    summary.corners = static_cast<std::int64_t>(corners.size());
    for (const ToleranceRow& row : corners) {
        summary.failing += row.outcome.pass() ? 0 : 1;
        for (std::size_t q = 0; q < ToleranceQuantityCount; ++q) {
            const std::optional<double> value =
                QuantityOf(row.outcome, static_cast<ToleranceQuantity>(q));
            if (!value) {
                continue;
            }
            std::optional<QuantityExtremes>& extremes = summary.extremes[q];
            if (!extremes) {
                extremes = QuantityExtremes{*value, row.index, *value, row.index};
            }
            if (*value < extremes->min) {
                extremes->min = *value;
                extremes->minCorner = row.index;
            }
            if (*value > extremes->max) {
                extremes->max = *value;
                extremes->maxCorner = row.index;
            }
        }
    }
    return summary;
}

// Mean and standard deviation in two passes, summed in index order; then the quantiles.
QuantityStatistics StatisticsOf(std::vector<double> values) {
    QuantityStatistics statistics;
    const auto n = static_cast<double>(values.size());
    double sum = 0;
    for (const double value : values) {
        sum += value;
    }
    statistics.mean = sum / n;
    double squares = 0;
    for (const double value : values) {
        const double deviation = value - statistics.mean;
        squares += deviation * deviation;
    }
    statistics.standardDeviation = values.size() > 1 ? std::sqrt(squares / (n - 1)) : 0;
    std::sort(values.begin(), values.end());
    statistics.low = Quantile(values, 0.001);
    statistics.high = Quantile(values, 0.999);
    return statistics;
}

MonteCarloSummary MonteCarloOf(const ToleranceLimits& limits,
                               std::span<const ToleranceRow> samples) {
    MonteCarloSummary summary;
    summary.samples = static_cast<std::int64_t>(samples.size());
    const auto n = static_cast<double>(samples.size());
    const auto passing = std::count_if(samples.begin(), samples.end(),
                                       [](const ToleranceRow& row) { return row.outcome.pass(); });
    summary.yield = static_cast<double>(passing) / n;
    for (std::size_t l = 0; l < ToleranceLimitCount; ++l) {
        if (!LimitValue(limits, static_cast<ToleranceLimit>(l))) {
            continue;
        }
        const auto failing =
            std::count_if(samples.begin(), samples.end(),
                          [l](const ToleranceRow& row) { return row.outcome.failed[l]; });
        summary.failureShare[l] = static_cast<double>(failing) / n;
    }
    for (std::size_t q = 0; q < ToleranceQuantityCount; ++q) {
        std::vector<double> values;
        for (const ToleranceRow& row : samples) {
            if (const auto value = QuantityOf(row.outcome, static_cast<ToleranceQuantity>(q))) {
                values.push_back(*value);
            }
        }
        if (!values.empty()) {
            summary.statistics[q] = StatisticsOf(std::move(values));
        }
    }
    return summary;
}

} // namespace

const char* QuantityName(ToleranceQuantity quantity) {
    switch (quantity) {
    case ToleranceQuantity::VoMean:
        return "VoMean_V";
    case ToleranceQuantity::DeltaiL:
        return "DeltaiL_A";
    case ToleranceQuantity::DeltaVo:
        return "DeltaVo_V";
    case ToleranceQuantity::PeakCurrent:
        return "IDP_A";
    case ToleranceQuantity::Efficiency:
        return "efficiency";
    }
    return "";
}

std::optional<double> QuantityOf(const ToleranceOutcome& outcome, ToleranceQuantity quantity) {
    switch (quantity) {
    case ToleranceQuantity::VoMean:
        return outcome.meanVo;
    case ToleranceQuantity::DeltaiL:
        return outcome.DeltaiL;
    case ToleranceQuantity::DeltaVo:
        return outcome.DeltaVo;
    case ToleranceQuantity::PeakCurrent:
        return outcome.peakCurrent;
    case ToleranceQuantity::Efficiency:
        return outcome.efficiency;
    }
    return std::nullopt;
}

ToleranceSummary Summarize(const ToleranceAnalysis& analysis, std::span<const ToleranceRow> rows) {
    const auto corners =
        static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), IsCorner));
    ToleranceSummary summary;
    if (corners > 0) {
        summary.worstCase = WorstCaseOf(rows.first(corners));
    }
    if (rows.size() > corners) {
        summary.monteCarlo = MonteCarloOf(analysis.problem().limits, rows.subspan(corners));
    }
    return summary;
}

double Quantile(std::span<const double> sorted, double p) {
    const double h = static_cast<double>(sorted.size() - 1) * p;
    const double below = std::floor(h);
    const auto i = static_cast<std::size_t>(below);
    if (i + 1 >= sorted.size()) {
        return sorted.back();
    }
    return sorted[i] + (h - below) * (sorted[i + 1] - sorted[i]);
}
