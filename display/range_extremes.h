#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Whether values[0 .. count - 1] are all finite. v - v is 0 for a finite v and NaN for an
// infinite or NaN one, and a NaN stays in the sum it joins: sums kept in several lanes, side
// by side and without branches, are all 0 exactly when every value is finite.
template <typename Number> bool AllFinite(const Number* values, std::size_t count) {
    constexpr std::size_t Lanes = 8;
    std::array<Number, Lanes> sums{};
    std::size_t i = 0;
    for (; i + Lanes <= count; i += Lanes) {
        for (std::size_t lane = 0; lane < Lanes; ++lane) {
            const Number v = values[i + lane];
            sums[lane] += v - v;
        }
    }
    for (; i < count; ++i) {
        sums[0] += values[i] - values[i];
    }
    return std::all_of(sums.begin(), sums.end(), [](Number sum) { return sum == 0; });
}

// Where an array is lowest and highest over a run of its indices, and its values there.
struct Extremes {
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
    double low = 0;
    double high = 0;
};

// The extremes of two runs taken together; of equal values, the lower index's.
Extremes Join(const Extremes& a, const Extremes& b);

// Answers Extremes queries over any run of an array of doubles in time bounded by a block's
// length rather than the run's. The array is cut into blocks of 256 values whose extremes are
// found once, in one pass; a sparse table holds the extremes of every run of 2^j consecutive
// blocks. A query scans the partial blocks at its ends (at most 510 values) and reads the
// whole blocks between them from two overlapping runs. The table takes 24 bytes per block and
// level, 24 × (n / 256) × (log2(n / 256) + 1) bytes: 15 MB for n = 10^7, a fifth of the
// 80 MB of the values themselves. Ties go to the lower index.
class RangeExtremes {
public:
    // Keeps a view of `values`, which must outlive it and stay unchanged.
    explicit RangeExtremes(std::span<const double> values);

    // The extremes over indices first .. last (first <= last < the array's size).
    Extremes over(std::int32_t first, std::int32_t last) const;

    // Whether every value is finite. When one is not, the extremes are meaningless.
    bool finite() const { return finite_; }

private:
    using Level = std::vector<Extremes>;

    Extremes scan(std::int32_t first, std::int32_t last) const;
    Extremes overBlocks(std::int32_t first, std::int32_t last) const;

    std::span<const double> values_;
    std::vector<Level> levels_; // levels_[j][b]: blocks b .. b + 2^j - 1
    bool finite_ = true;
};
