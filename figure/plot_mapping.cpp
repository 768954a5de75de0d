// Plot coordinates to pixels and back, and the pen and stroke of one plot segment.
#include "figure/plot_mapping.h"

#include <QColor>
#include <QPainter>
#include <QPen>

namespace {

constexpr double fullScale = 100.0;

PlotAxis HorizontalAxis(QSizeF area, qreal ratio) {
    return {area.width(), ratio};
}

// Laid from the top down: plot y runs upwards.
PlotAxis VerticalAxis(QSizeF area, qreal ratio) {
    return {area.height(), ratio};
}

} // namespace

QPointF PlotToPixel(float x, float y, QSizeF area) {
    return {HorizontalAxis(area, 1).logicalAt(x), VerticalAxis(area, 1).logicalAt(fullScale - y)};
}

PlotPoint PixelToPlot(QPointF position, QSizeF area, qreal ratio) {
    return {static_cast<float>(HorizontalAxis(area, ratio).valueAtPointer(position.x())),
            static_cast<float>(fullScale - VerticalAxis(area, ratio).valueAtPointer(position.y()))};
}

PixelColumns PlotColumns(QSizeF area, qreal ratio) {
    return PixelColumns(HorizontalAxis(area, ratio));
}

QColor QtColor(const Color& colour) {
    return {colour.red, colour.green, colour.blue};
}

QPen PlotPen(const std::optional<Color>& colour) {
    return {colour ? QtColor(*colour) : Qt::black, 1};
}

void PaintPlotLine(QPainter& painter, const PlotLine& line, QSizeF area) {
    painter.setPen(PlotPen(line.colour));
    painter.drawLine(PlotToPixel(line.x1, line.y1, area), PlotToPixel(line.x2, line.y2, area));
}
