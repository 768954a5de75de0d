#pragma once

#include "display/plot_geometry.h"

#include <QFrame>
#include <QPixmap>
#include <QPointF>
#include <QSizeF>
#include <memory>

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

class QPainter;

// The waveform plot: a light-yellow drawing surface in plot coordinates (see plot_mapping.h)
// inside a sunken border. Lines go into a persistent image at device resolution, so the
// drawing survives covering and minimising and repainting only copies it. Pointer moves are
// reported in plot coordinates; they never redraw anything.
class PlotBox : public QFrame {
    Q_OBJECT

public:
    explicit PlotBox(QWidget* parent);
    ~PlotBox() override;

    // Back to the bare background: everything drawn is gone.
    void clear();
    // A segment in the line's colour, or black when it has none; one logical pixel wide,
    // antialiased.
    void drawLine(const PlotLine& line);
    // A line of text in the middle of the plot, in black, kept like the lines until the next
    // clear: what the plot shows instead of traces when there are none to show.
    void showNotice(const QString& text);
    // The device-pixel columns onto which lines are drawn.
    PixelColumns columns() const;

signals:
    void pointerMoved(float x, float y, QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPainter& painter();
    void finishDrawing();

    QPixmap image_;
    // Kept open across the lines of one plot: opening a painter per segment would cost more
    // than drawing the segment.
    std::unique_ptr<QPainter> painter_;
};
