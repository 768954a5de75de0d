#pragma once

#include "core/tolerance_analysis.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// What a tolerance analysis's rows come to: the extremes over the worst-case corners, and the
// yield and statistics of the Monte Carlo samples.

// The quantities of a row, in the order of the rows' columns.
enum class ToleranceQuantity { VoMean, DeltaiL, DeltaVo, PeakCurrent, Efficiency };
inline constexpr std::size_t ToleranceQuantityCount = 5;

// "VoMean_V", "DeltaiL_A", "DeltaVo_V", "IDP_A", "efficiency".
const char* QuantityName(ToleranceQuantity quantity);

// The quantity in a row's outcome; the efficiency is none without parts.
std::optional<double> QuantityOf(const ToleranceOutcome& outcome, ToleranceQuantity quantity);

// The smallest and largest value over the corners and the corners that give them (the first
// such corner where several do).
struct QuantityExtremes {
    double min = 0;
    std::int64_t minCorner = 0;
    double max = 0;
    std::int64_t maxCorner = 0;
};

struct WorstCaseSummary {
    std::int64_t corners = 0;
    std::int64_t failing = 0; // corners outside some limit
    std::array<std::optional<QuantityExtremes>, ToleranceQuantityCount> extremes;
};

struct QuantityStatistics {
    double mean = 0;
    double standardDeviation = 0; // with n - 1; 0 for one sample
    double low = 0;               // the 0.1 % quantile
    double high = 0;              // the 99.9 % quantile
};

struct MonteCarloSummary {
    std::int64_t samples = 0;
    double yield = 0; // the share of samples within every limit
    // Per limit set, by ToleranceLimit: the share of samples that fail it.
    std::array<std::optional<double>, ToleranceLimitCount> failureShare;
    std::array<std::optional<QuantityStatistics>, ToleranceQuantityCount> statistics;
};

struct ToleranceSummary {
    std::optional<WorstCaseSummary> worstCase;   // with corners
    std::optional<MonteCarloSummary> monteCarlo; // with samples
};

// The summary of all the analysis's rows, in index order.
ToleranceSummary Summarize(const ToleranceAnalysis& analysis, std::span<const ToleranceRow> rows);

// The p-quantile (0 <= p <= 1) of values sorted ascending (at least one), by linear
// interpolation between order statistics (Hyndman and Fan's definition 7, the default of R
// and NumPy): with h = (n - 1) p, x[floor h] + (h - floor h) (x[floor h + 1] - x[floor h]).
double Quantile(std::span<const double> sorted, double p);
