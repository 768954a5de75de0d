#pragma once

#include "ui/plot_mapping.h"

#include <QFrame>
#include <QPixmap>
#include <QPointF>
#include <QSizeF>
#include <memory>
#include <optional>

class QPainter;

// The waveform plot: a light-yellow drawing surface in plot coordinates (see plot_mapping.h)
// inside a sunken border. Lines go into a persistent image at device resolution, so the
// drawing survives covering and minimising and repainting only copies it. Pointer moves are
// reported in plot coordinates; they never redraw anything. The wheel, a drag with the middle
// button or with Shift and the left button, and a double-click are reported as requests to
// zoom, pan and show the whole time axis; whoever draws the plot decides what they do.
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
    // The time that a zoomed view spans, written in black in the top-right corner and kept
    // like the lines until the next clear.
    void showViewSpan(const QString& text);
    // The limits of a band fitted to its trace, written in black beside the left-edge ticks
    // and kept like the lines until the next clear: `high` under the band's top edge at plot
    // height `top`, `low` over its bottom edge at plot height `bottom`.
    void showBandLimits(float bottom, float top, const QString& low, const QString& high);
    // The device-pixel columns onto which lines are drawn.
    PixelColumns columns() const;

signals:
    void pointerMoved(float x, float y, QPoint globalPosition);
    // The time axis `factor` times narrower (a factor below 1 widens it) around the plot x at
    // screen x `anchor` (0 to 100 across the plot): one wheel notch is a factor 1.25.
    void zoomRequested(double factor, double anchor);
    // The time axis moved by `distance` across the plot (100 is its width), later times coming
    // into view for a positive one: a drag moves the traces along with the pointer.
    void panRequested(double distance);
    void wholeViewRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QPainter& painter();
    void finishDrawing();
    // Writes one line of text in black with its corner `corner` (top or bottom, left or right)
    // at a point of the drawing area, in logical pixels.
    void write(const QString& text, QPointF point, Qt::Alignment corner);
    // The screen x, 0 to 100 across the plot, at a position in the widget.
    double screenXAt(QPointF position) const;

    QPixmap image_;
    std::optional<double> dragX_; // where a drag that pans last stood
    // Kept open across the lines of one plot: opening a painter per segment would cost more
    // than drawing the segment.
    std::unique_ptr<QPainter> painter_;
};
