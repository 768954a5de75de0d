#pragma once

#include "ui/plot_mapping.h"

#include <QFrame>
#include <QPixmap>
#include <QPointF>
#include <QSizeF>
#include <memory>

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
