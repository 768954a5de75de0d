#include "display/range_extremes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>

namespace {

constexpr std::int32_t BlockLength = 256;
constexpr std::int32_t Lanes = 8;

// Where values[0 .. count - 1] first equal v (kept among them even when none does: a NaN).
std::int32_t FirstEqual(const double* values, std::int32_t count, double v) {
    return static_cast<std::int32_t>(
        std::min(std::find(values, values + count, v), values + count - 1) - values);
}

// The extremes of the `count` values from index `first` on. The lowest and highest value are
// found first, in several lanes that compare neighbouring values side by side without
// branches, then the first index of each.
Extremes ScanRun(const double* values, std::int32_t first, std::int32_t count) {
    std::array<double, Lanes> lows;
    std::array<double, Lanes> highs;
    lows.fill(values[first]);
    highs.fill(values[first]);
    const double* run = values + first;
    std::int32_t i = 0;
    for (; i + Lanes <= count; i += Lanes) {
        for (std::size_t lane = 0; lane < Lanes; ++lane) {
            lows[lane] = std::min(lows[lane], run[i + static_cast<std::int32_t>(lane)]);
            highs[lane] = std::max(highs[lane], run[i + static_cast<std::int32_t>(lane)]);
        }
    }
    for (; i < count; ++i) {
        lows[0] = std::min(lows[0], run[i]);
        highs[0] = std::max(highs[0], run[i]);
    }
    const double low = *std::min_element(lows.begin(), lows.end());
    const double high = *std::max_element(highs.begin(), highs.end());
    return {first + FirstEqual(run, count, low), first + FirstEqual(run, count, high), low, high};
}

} // namespace

Extremes Join(const Extremes& a, const Extremes& b) {
    Extremes joined = a;
    if (b.low < a.low || (b.low == a.low && b.lowest < a.lowest)) {
        joined.lowest = b.lowest;
        joined.low = b.low;
    }
    if (b.high > a.high || (b.high == a.high && b.highest < a.highest)) {
        joined.highest = b.highest;
        joined.high = b.high;
    }
    return joined;
}

RangeExtremes::RangeExtremes(std::span<const double> values) : values_(values) {
    const auto size = static_cast<std::int32_t>(values.size());
    const std::int32_t blocks = (size + BlockLength - 1) / BlockLength;
    Level& single = levels_.emplace_back();
    single.reserve(static_cast<std::size_t>(blocks));
    for (std::int32_t first = 0; first < size; first += BlockLength) {
        const std::int32_t count = std::min(BlockLength, size - first);
        finite_ = finite_ && AllFinite(values.data() + first, static_cast<std::size_t>(count));
        single.push_back(ScanRun(values.data(), first, count));
    }
    // A run of 2^j blocks is two runs of 2^(j-1).
    for (std::int32_t run = 2; run <= blocks; run *= 2) {
        const Level& halves = levels_.back();
        Level level;
        level.reserve(static_cast<std::size_t>(blocks - run + 1));
        for (std::int32_t block = 0; block + run <= blocks; ++block) {
            level.push_back(Join(halves[static_cast<std::size_t>(block)],
                                 halves[static_cast<std::size_t>(block + run / 2)]));
        }
        levels_.push_back(std::move(level));
    }
}

Extremes RangeExtremes::over(std::int32_t first, std::int32_t last) const {
    const std::int32_t firstBlock = first / BlockLength;
    const std::int32_t lastBlock = last / BlockLength;
    if (lastBlock - firstBlock < 2) {
        return scan(first, last);
    }
    const Extremes head = scan(first, firstBlock * BlockLength + BlockLength - 1);
    const Extremes middle = overBlocks(firstBlock + 1, lastBlock - 1);
    const Extremes tail = scan(lastBlock * BlockLength, last);
    return Join(Join(head, middle), tail);
}

Extremes RangeExtremes::scan(std::int32_t first, std::int32_t last) const {
    return ScanRun(values_.data(), first, last - first + 1);
}

// Blocks first .. last as two runs of the longest length that fits, overlapping in the middle.
Extremes RangeExtremes::overBlocks(std::int32_t first, std::int32_t last) const {
    const auto count = static_cast<unsigned>(last - first + 1);
    const int level = std::bit_width(count) - 1;
    const Level& runs = levels_[static_cast<std::size_t>(level)];
    const std::int32_t secondStart = last - (std::int32_t{1} << level) + 1;
    return Join(runs[static_cast<std::size_t>(first)], runs[static_cast<std::size_t>(secondStart)]);
}
