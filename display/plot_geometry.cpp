#include "display/plot_geometry.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr float Infinity = std::numeric_limits<float>::infinity();
constexpr std::uint32_t SignBit = 0x80000000u;

int DeviceWidth(const PlotAxis& axis) {
    if (!(axis.perUnit() > 0)) {
        return 1;
    }
    return std::max(static_cast<int>(std::lround(axis.pixels * axis.ratio)), 1);
}

// The floats other than NaN numbered in increasing order (both zeros are 0): consecutive
// numbers are neighbouring floats.
constexpr std::int64_t OrderOf(float x) {
    const auto bits = std::bit_cast<std::uint32_t>(x);
    const auto magnitude = static_cast<std::int64_t>(bits & ~SignBit);
    return (bits & SignBit) != 0 ? -magnitude : magnitude;
}

float FloatAt(std::int64_t order) {
    const auto magnitude = static_cast<std::uint32_t>(order < 0 ? -order : order);
    return std::bit_cast<float>(order < 0 ? magnitude | SignBit : magnitude);
}

// The orders of -infinity and infinity: in the first and in the last column.
constexpr std::int64_t LowestOrder = OrderOf(-Infinity);
constexpr std::int64_t HighestOrder = OrderOf(Infinity);

} // namespace

PixelColumns::PixelColumns(const PlotAxis& axis) : axis_(axis), width_(DeviceWidth(axis)) {}

float PixelColumns::endOf(int column) const {
    if (column >= width_ - 1) {
        return Infinity;
    }
    // The column of x never decreases as x grows. From the edge's estimate, steps doubling in
    // length over the floats in order reach a float on each side of the edge, keeping
    // of(low) <= column < of(high); a binary search between them then finds the first float
    // past the edge. The steps stay few wherever the edge lies, also at x = 0, where the
    // floats are densest.
    const std::int64_t guess = std::clamp(
        OrderOf(static_cast<float>(axis_.valueAtDevice(column + 1.0))), LowestOrder, HighestOrder);
    std::int64_t low = guess;
    for (std::int64_t step = 1; of(FloatAt(low)) > column; step *= 2) {
        low = std::max(low - step, LowestOrder);
    }
    std::int64_t high = guess;
    for (std::int64_t step = 1; of(FloatAt(high)) <= column; step *= 2) {
        high = std::min(high + step, HighestOrder);
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
