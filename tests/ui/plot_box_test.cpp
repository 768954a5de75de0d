#include "figure/plot_mapping.h"
#include "ink.h"
#include "ui/plot_box.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(PlotMappingTest, TheCornersFallOnTheCentresOfTheCornerPixels) {
    const QSizeF area(101, 51);
    EXPECT_EQ(PlotToPixel(0, 100, area), QPointF(0.5, 0.5));
    EXPECT_EQ(PlotToPixel(100, 0, area), QPointF(100.5, 50.5));
    EXPECT_EQ(PlotToPixel(50, 50, area), QPointF(50.5, 25.5));
    // The pointer over the bottom-right pixel reads the corner drawn at its centre.
    const PlotPoint corner = PixelToPlot({100, 50}, area);
    EXPECT_FLOAT_EQ(corner.x, 100);
    EXPECT_FLOAT_EQ(corner.y, 0);
}

// The colour of a window pixel of a grabbed image, at any number of device pixels per window
// pixel: that of the device pixel at its top-left corner.
QRgb PixelAt(const QImage& image, int x, int y) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixel(qRound(x * ratio), qRound(y * ratio));
}

class PlotBoxTest : public testing::Test {
protected:
    PlotBoxTest() { plot.setGeometry(0, 0, 205, 105); }
    QImage image() { return plot.grab(plot.contentsRect()).toImage(); }
    PlotBox plot{nullptr};
};

TEST_F(PlotBoxTest, StartsAndClearsToTheBareLightYellowBackground) {
    const QImage blank = image();
    EXPECT_EQ(blank.deviceIndependentSize(), QSizeF(201, 101));
    EXPECT_EQ(PixelAt(blank, 100, 50), qRgb(255, 255, 192));
    plot.drawLine({0, 50, 100, 50, Color{255, 0, 0}});
    EXPECT_NE(image(), blank);
    plot.clear();
    EXPECT_EQ(image(), blank);
}

TEST_F(PlotBoxTest, LinesLandAtTheirPlotCoordinatesInTheirColour) {
    plot.drawLine({0, 50, 100, 50, Color{255, 0, 0}});
    plot.drawLine({25, 0, 25, 100, std::nullopt});
    const QImage drawn = image();
    EXPECT_EQ(PixelAt(drawn, 0, 50), qRgb(255, 0, 0));
    EXPECT_EQ(PixelAt(drawn, 200, 50), qRgb(255, 0, 0));
    EXPECT_EQ(PixelAt(drawn, 50, 0), qRgb(0, 0, 0));
    EXPECT_EQ(PixelAt(drawn, 50, 100), qRgb(0, 0, 0));
    EXPECT_EQ(CountInk(drawn, Ink::Red, 60, 100), 0);
}

TEST_F(PlotBoxTest, PointerMovesAreReportedInPlotCoordinates) {
    struct Move {
        float x;
        float y;
        QPoint at;
    };
    std::vector<Move> moves;
    QObject::connect(&plot, &PlotBox::pointerMoved, [&](float x, float y, QPoint at) {
        moves.push_back({x, y, at});
    });
    const QPointF corner = plot.contentsRect().topLeft();
    QMouseEvent move(QEvent::MouseMove, corner + QPointF(200, 100), QPointF(7, 9), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&plot, &move);
    ASSERT_EQ(moves.size(), 1U);
    EXPECT_FLOAT_EQ(moves[0].x, 100);
    EXPECT_FLOAT_EQ(moves[0].y, 0);
    EXPECT_EQ(moves[0].at, QPoint(7, 9));
    EXPECT_EQ(plot.columns().width(), 201 * plot.devicePixelRatio());
}

} // namespace
