#include "ui/plot_mapping.h"

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
