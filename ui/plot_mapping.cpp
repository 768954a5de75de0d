#include "ui/plot_mapping.h"

namespace {
constexpr double fullScale = 100.0;
constexpr double toPixelCentre = 0.5;
} // namespace

QPointF PlotToPixel(float x, float y, QSizeF area) {
    return {toPixelCentre + x * (area.width() - 1) / fullScale,
            toPixelCentre + (fullScale - y) * (area.height() - 1) / fullScale};
}

PlotPoint PixelToPlot(QPointF position, QSizeF area) {
    return {static_cast<float>(position.x() * fullScale / (area.width() - 1)),
            static_cast<float>(fullScale - position.y() * fullScale / (area.height() - 1))};
}
