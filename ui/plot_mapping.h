#pragma once

#include <QPointF>
#include <QSizeF>

// Plot coordinates run from x 0 (left) to 100 (right) and from y 0 (bottom) to 100 (top) over
// a drawing area of `area` logical pixels. 0 and 100 fall on the centres of the first and the
// last pixel row and column, so the edge ticks are visible, and the pointer over a pixel reads
// the coordinates drawn at that pixel's centre.

// Where a point of the plot is drawn, in logical pixels from the area's top-left corner.
QPointF PlotToPixel(float x, float y, QSizeF area);

// The plot coordinates, rounded to single precision, of a pointer position in the area.
struct PlotPoint {
    float x = 0;
    float y = 0;
};
PlotPoint PixelToPlot(QPointF position, QSizeF area);
