#pragma once

#include "core/conversions.h"
#include "display/plot_geometry.h"

#include <QPointF>
#include <QSizeF>
#include <optional>

class QColor;
class QPainter;
class QPen;

// Where the plot's lines land on a drawing area, with Qt's Gui types alone: the plot box on
// the screen and the figures written to files both draw through it, so they agree pixel for
// pixel.
//
// Plot coordinates run from x 0 (left) to 100 (right) and from y 0 (bottom) to 100 (top) over
// a drawing area of `area` logical pixels, along one PlotAxis each: 0 and 100 fall on the
// centres of the first and the last pixel row and column, so the edge ticks are visible.
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

// A colour of the plot as Qt paints it.
QColor QtColor(const Color& colour);

// The pen of a segment of `colour`, black when it has none: one logical pixel wide.
QPen PlotPen(const std::optional<Color>& colour);

// Paints one segment with its pen on an area whose top-left corner is the painter's origin.
// The painter's render hints are the caller's (the plot antialiases).
void PaintPlotLine(QPainter& painter, const PlotLine& line, QSizeF area);
