#include "display/plot_geometry.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr std::uint32_t kSign = 0x80000000u;

int DeviceWidth(const PlotAxis& axis) {
    if (!(axis.perUnit() > 0)) {
        return 1;
    }
    return std::max(static_cast<int>(std::lround(axis.pixels * axis.ratio)), 1);
}

// The floats other than NaN numbered in increasing order (both zeros are 0): consecutive
// numbers are neighbouring floats.
std::int64_t OrderOf(float x) {
    const auto bits = std::bit_cast<std::uint32_t>(x);
    const auto magnitude = static_cast<std::int64_t>(bits & ~kSign);
    return (bits & kSign) != 0 ? -magnitude : magnitude;
}

float FloatAt(std::int64_t order) {
    const auto magnitude = static_cast<std::uint32_t>(order < 0 ? -order : order);
    return std::bit_cast<float>(order < 0 ? magnitude | kSign : magnitude);
}

// The orders of -infinity and infinity: in the first and in the last column.
const std::int64_t kLowest = OrderOf(-kInfinity);
const std::int64_t kHighest = OrderOf(kInfinity);

} // namespace

PixelColumns::PixelColumns(const PlotAxis& axis) : axis_(axis), width_(DeviceWidth(axis)) {}

float PixelColumns::endOf(int column) const {
    if (column >= width_ - 1) {
        return kInfinity;
    }
    // The column of x never decreases as x grows. From the edge's estimate, steps doubling in
    // length over the floats in order reach a float on each side of the edge, keeping
    // of(low) <= column < of(high); a binary search between them then finds the first float
    // past the edge. The steps stay few wherever the edge lies, also at x = 0, where the
    // floats are densest.
    const std::int64_t guess = std::clamp(
        OrderOf(static_cast<float>(axis_.valueAtDevice(column + 1.0))), kLowest, kHighest);
    std::int64_t low = guess;
    for (std::int64_t step = 1; of(FloatAt(low)) > column; step *= 2) {
        low = std::max(low - step, kLowest);
    }
    std::int64_t high = guess;
    for (std::int64_t step = 1; of(FloatAt(high)) <= column; step *= 2) {
        high = std::min(high + step, kHighest);
    }
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        if (of(FloatAt(middle)) > column) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return FloatAt(high);
}
