#pragma once

#include <cstdint>
#include <span>
#include <vector>

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
