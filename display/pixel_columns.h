#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

// The device-pixel columns of a plot box `width` pixels wide. The box draws x = 0 and x = 100
// at the centres of its first and last pixel columns, so the column of x is the one whose
// centre is nearest: floor(x × ((width - 1) / 100) + 1/2), kept inside the box.
class PixelColumns {
public:
    explicit PixelColumns(int width) : width_(std::max(width, 1)), perUnit_((width_ - 1) / 100.0) {}

    int width() const { return width_; }

    int of(float x) const {
        // Kept inside the box first, so that truncating is flooring.
        const double column =
            std::clamp(static_cast<double>(x) * perUnit_ + 0.5, 0.0, width_ - 1.0);
        return static_cast<int>(column);
    }

    // The smallest x that lies right of `column` (infinity right of the last column): for x
    // increasing from inside the column, x < endOf(column) is the test for staying in it.
    float endOf(int column) const {
        if (column >= width_ - 1) {
            return std::numeric_limits<float>::infinity();
        }
        // Near the edge between the two columns, then onto the first x past it.
        auto x = static_cast<float>((column + 0.5) / perUnit_);
        while (of(x) > column) {
            x = std::nextafter(x, -std::numeric_limits<float>::infinity());
        }
        while (of(x) <= column) {
            x = std::nextafter(x, std::numeric_limits<float>::infinity());
        }
        return x;
    }

private:
    int width_;
    double perUnit_;
};
