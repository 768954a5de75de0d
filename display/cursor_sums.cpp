// The block sums of a run's traces, for the mean and RMS over any range of the plot.
#include "display/cursor_sums.h"

#include "core/handler_support.h"
#include "display/trace_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace {

constexpr std::int32_t BlockLength = 256; // samples per block of the running sums

// The sums of x and of x² over one block of at most BlockLength samples, added pairwise: the
// block, padded with zeros, is folded in halves eight times, which bounds the rounding error
// by eight units in the last place of sum|x| and lets the compiler add several pairs at once.
std::pair<double, double> BlockSums(const double* x, std::int32_t count) {
    std::array<double, BlockLength> sums{};
    std::array<double, BlockLength> squares{};
    for (std::int32_t i = 0; i < count; ++i) {
        sums[i] = x[i];
        squares[i] = x[i] * x[i];
    }
    for (std::int32_t width = BlockLength / 2; width >= 1; width /= 2) {
        for (std::int32_t i = 0; i < width; ++i) {
            sums[i] += sums[i + width];
            squares[i] += squares[i + width];
        }
    }
    return {sums[0], squares[0]};
}

} // namespace

void CursorSums::Compensated::add(double x) {
    const double sum = value + x;
    if (std::fabs(value) >= std::fabs(x)) {
        compensation += (value - sum) + x;
    } else {
        compensation += (x - sum) + value;
    }
    value = sum;
}

// The values' difference is rounded once, relative to itself and not to the prefixes; the
// compensations are small and differ by little.
void CursorSums::Compensated::addDifference(const Compensated& minuend,
                                            const Compensated& subtrahend) {
    add(minuend.value - subtrahend.value);
    add(minuend.compensation - subtrahend.compensation);
}

CursorSums::CursorSums(const Module1& m) : n_(m.N), np_(m.NP) {
    for (std::size_t band = 0; band < traces_.size(); ++band) {
        const std::vector<double>& samples = m.*TraceBands()[band].samples;
        if (samples.size() < static_cast<std::size_t>(n_) + 1) {
            throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
        }
        traces_[band] = MakeSums(std::span(samples).first(static_cast<std::size_t>(n_) + 1), n_);
    }
}

CursorSums::TraceSums CursorSums::MakeSums(std::span<const double> samples, std::int32_t n) {
    TraceSums trace{samples, {Compensated{}}, {Compensated{}}};
    for (std::int32_t start = 0; start < n; start += BlockLength) {
        const auto [sum, squares] =
            BlockSums(&samples[start + 1], std::min(BlockLength, n - start));
        trace.sums.push_back(trace.sums.back());
        trace.sums.back().add(sum);
        trace.squares.push_back(trace.squares.back());
        trace.squares.back().add(squares);
    }
    return trace;
}

double CursorSums::sample(Trace trace, std::int32_t k) const {
    return traces_[BandIndex(trace)].samples[static_cast<std::size_t>(k)];
}

// Positions from .. to - 1 within a period, position i holding sample i + 1.
void CursorSums::addWithinPeriod(const TraceSums& trace, std::int32_t from, std::int32_t to,
                                 RangeSums& out) const {
    const auto addSamples = [&](std::int32_t first, std::int32_t end) {
        for (std::int32_t i = first; i < end; ++i) {
            const double x = trace.samples[static_cast<std::size_t>(i) + 1];
            out.sum.add(x);
            out.squares.add(x * x);
        }
    };
    const std::int32_t firstWholeBlock = (from + BlockLength - 1) / BlockLength;
    const std::int32_t endWholeBlock = to / BlockLength;
    if (firstWholeBlock >= endWholeBlock) {
        addSamples(from, to);
        return;
    }
    addSamples(from, firstWholeBlock * BlockLength);
    out.sum.addDifference(trace.sums[endWholeBlock], trace.sums[firstWholeBlock]);
    out.squares.addDifference(trace.squares[endWholeBlock], trace.squares[firstWholeBlock]);
    addSamples(endWholeBlock * BlockLength, to);
}

CursorSums::Moments CursorSums::between(Trace trace, std::int64_t first, std::int64_t last) const {
    if (first > last) {
        std::swap(first, last);
    }
    const TraceSums& sums = traces_[BandIndex(trace)];
    const std::int64_t firstPeriod = first / n_;
    const std::int64_t lastPeriod = last / n_;
    const auto firstPosition = static_cast<std::int32_t>(first % n_);
    const auto endPosition = static_cast<std::int32_t>(last % n_ + 1);
    RangeSums range;
    if (firstPeriod == lastPeriod) {
        addWithinPeriod(sums, firstPosition, endPosition, range);
    } else {
        addWithinPeriod(sums, firstPosition, n_, range);
        const auto wholePeriods = static_cast<double>(lastPeriod - firstPeriod - 1);
        range.sum.add(wholePeriods * sums.sums.back().total());
        range.squares.add(wholePeriods * sums.squares.back().total());
        addWithinPeriod(sums, 0, endPosition, range);
    }
    const auto count = static_cast<double>(last - first + 1);
    return {range.sum.total() / count, std::sqrt(range.squares.total() / count)};
}
