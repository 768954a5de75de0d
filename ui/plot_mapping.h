#pragma once

#include "display/plot_geometry.h"

#include <QPointF>
#include <QSizeF>

// Plot coordinates run from x 0 (left) to 100 (right) and from y 0 (bottom) to 100 (top) over
// a drawing area of `area` logical pixels, along the axes of plot_axis.h: 0 and 100 fall on
// the centres of the first and the last pixel row and column, so the edge ticks are visible.
// Drawing, the pixel columns of the reduced traces and the pointer readout share those axes,
// so they agree at any device-pixel ratio.

// Where a point of the plot is drawn, in logical pixels from the area's top-left corner.
QPointF PlotToPixel(float x, float y, QSizeF area);

// The plot coordinates, rounded to single precision, read by the pointer at a position in the
// area, in logical pixels: those drawn at the centre of the device pixel under the pointer,
// at `ratio` device pixels per logical pixel.
struct PlotPoint {
    float x = 0;
    float y = 0;
};
PlotPoint PixelToPlot(QPointF position, QSizeF area, qreal ratio = 1);

// The device-pixel columns onto which PlotToPixel draws x at `ratio` device pixels per
// logical pixel.
PixelColumns PlotColumns(QSizeF area, qreal ratio);
