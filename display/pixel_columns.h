#pragma once

#include "display/plot_axis.h"

#include <algorithm>

// The device-pixel columns of a plot box whose horizontal axis is `axis`: the column of x is
// the one that holds x's device position, kept inside the box. A box too narrow to spread
// 0 .. 100 over two pixels is one column.
class PixelColumns {
public:
    explicit PixelColumns(const PlotAxis& axis);

    int width() const { return width_; }

    int of(float x) const {
        // Kept inside the box first, so that truncating is flooring.
        const double column = std::clamp(axis_.deviceAt(x), 0.0, width_ - 1.0);
        return static_cast<int>(column);
    }

    // The smallest x that lies right of `column` (infinity right of the last column): for x
    // increasing from inside the column, x < endOf(column) is the test for staying in it.
    float endOf(int column) const;

private:
    PlotAxis axis_;
    int width_;
};
