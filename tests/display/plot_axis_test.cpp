#include "display/plot_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct PlacementCase {
    double ratio;
    float x;
    double device; // position in device pixels
    int column;
};

// 101 logical pixels: 101 device columns at ratio 1, 202 at ratio 2. At ratio 2 the logical
// pixel centres, where 0 and 100 are drawn, are the edges between two device pixels.
TEST(PlotAxis, PlacesXOnDevicePixelsAsThePainterDoes) {
    const PlacementCase cases[] = {
        {1, 0, 0.5, 0},          {1, 50, 50.5, 50},  {1, 100, 100.5, 100}, {1, -5, -4.5, 0},
        {1, 105, 105.5, 100},    {2, 0, 1, 1},       {2, 0.25f, 1.5, 1},   {2, 50, 101, 101},
        {2, 99.75f, 200.5, 200}, {2, 100, 201, 201}, {2, -5, -9, 0},       {2, 105, 211, 201},
    };
    for (const PlacementCase& c : cases) {
        const PlotAxis axis{101, c.ratio};
        EXPECT_DOUBLE_EQ(axis.deviceAt(c.x), c.device) << "ratio " << c.ratio << " x " << c.x;
        EXPECT_EQ(PixelColumns(axis).of(c.x), c.column) << "ratio " << c.ratio << " x " << c.x;
    }
    EXPECT_EQ(PixelColumns(PlotAxis{101, 1}).width(), 101);
    EXPECT_EQ(PixelColumns(PlotAxis{101, 2}).width(), 202);
}

struct PointerCase {
    double ratio;
    double pointer; // logical position
    double x;
};

// The pointer reads what is drawn at the centre of its window pixel, whatever the ratio: both
// device pixels of a window pixel at ratio 2 read what the one pixel reads at ratio 1.
TEST(PlotAxis, ThePointerReadsTheCentreOfItsWindowPixel) {
    const PointerCase cases[] = {
        {1, 0, 0},   {1, 37, 37}, {1, 37.75, 37}, {1, 100, 100},     {2, 0, 0},
        {2, 0.5, 0}, {2, 50, 50}, {2, 50.5, 50},  {1.5, 2.0 / 3, 0}, {2, 100.5, 100},
    };
    for (const PointerCase& c : cases) {
        const PlotAxis axis{101, c.ratio};
        EXPECT_DOUBLE_EQ(axis.valueAtPointer(c.pointer), c.x)
            << "ratio " << c.ratio << " pointer " << c.pointer;
    }
}

// Columns and their right edges agree on every device pixel; the pointer on a window pixel
// reads a column that the window pixel covers.
TEST(PlotAxis, ColumnsEdgesAndPointerAgreeOnEveryDevicePixel) {
    for (const double ratio : {1.0, 1.25, 1.5, 2.0}) {
        const PlotAxis axis{101, ratio};
        const PixelColumns columns(axis);
        for (int c = 0; c < columns.width(); ++c) {
            const double pointer = c / ratio;
            const int read = columns.of(static_cast<float>(axis.valueAtPointer(pointer)));
            EXPECT_GE(read, static_cast<int>(std::floor(std::floor(pointer) * ratio)))
                << "ratio " << ratio;
            EXPECT_LE(read, static_cast<int>(std::floor((std::floor(pointer) + 1) * ratio)))
                << "ratio " << ratio;
            if (c + 1 < columns.width()) {
                const float end = columns.endOf(c);
                EXPECT_EQ(columns.of(end), c + 1) << "ratio " << ratio;
                EXPECT_EQ(columns.of(std::nextafter(end, -std::numeric_limits<float>::infinity())),
                          c)
                    << "ratio " << ratio;
            }
        }
    }
}

TEST(PlotAxis, ABoxTooNarrowToSpreadThePlotIsOneColumn) {
    const PixelColumns columns(PlotAxis{1, 2});
    EXPECT_EQ(columns.width(), 1);
    EXPECT_EQ(columns.of(50), 0);
    EXPECT_EQ(columns.endOf(0), std::numeric_limits<float>::infinity());
}

} // namespace
