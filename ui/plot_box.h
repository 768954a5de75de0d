#pragma once

#include "display/measuring_cursors.h"
#include "display/trace_geometry.h"
#include "figure/plot_mapping.h"

#include <QFrame>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

// The waveform plot: a light-yellow drawing surface in plot coordinates (see waveform_figure.h)
// inside a sunken border. Lines go into a persistent image at device resolution, so the
// drawing survives covering and minimising and repainting only copies it. Pointer moves are
// reported in plot coordinates; they never redraw anything. The wheel, a drag with the middle
// button or with Shift and the left button, and a double-click are reported as requests to
// zoom, pan and show the whole time axis; whoever draws the plot decides what they do.
//
// While measuring cursors are shown, they and their readings are painted over the copied
// image (see plot_overlay.h), so moving them never redraws the traces, and the readings are
// the box's accessible description. A left click, a left drag, Left and Right (with Shift for
// long steps) and Space are then reported as cursor requests; Tab still moves the focus on.
//
// While the box holds the keyboard focus, its border is a dashed frame of black on white,
// which stands out on any palette and lies on whole pixels at any whole device-pixel ratio.
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
    // The times at the edges of a zoomed view, written in black in the top-right corner and
    // kept like the lines until the next clear.
    void showViewTimes(const QString& text);
    // The limits of the bands fitted to their traces, written in black beside the left-edge
    // ticks and kept like the lines until the next clear.
    void showBandLimits(const std::array<FittedBandLimits, 4>& limits);
    // The device-pixel columns onto which lines are drawn.
    PixelColumns columns() const;
    // Lays the measuring cursors over the traces, replacing those shown before; their box
    // leaves the labels written since the last clear uncovered.
    void showCursors(CursorOverlay overlay);
    void hideCursors();

signals:
    void pointerMoved(float x, float y, QPoint globalPosition);
    // The time axis `factor` times narrower (a factor below 1 widens it) around the plot x at
    // screen x `anchor` (0 to 100 across the plot): one wheel notch is a factor 1.25.
    void zoomRequested(double factor, double anchor);
    // The time axis moved by `distance` across the plot (100 is its width), later times coming
    // into view for a positive one: a drag moves the traces along with the pointer.
    void panRequested(double distance);
    void wholeViewRequested();
    // A left click at screen coordinates (x, y) of the box: the active cursor goes there.
    void cursorClicked(float x, float y);
    // A left drag has started at screen x: the cursor nearer to it follows the drag, which
    // goes on with cursorDragged at each pointer position.
    void cursorDragStarted(float x);
    void cursorDragged(float x, float y);
    // Left (direction -1) or Right (+1): one sample, or a tenth of the view with Shift.
    void cursorStepRequested(int direction, bool tenthOfView);
    void cursorSwitchRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPainter& painter();
    void finishDrawing();
    // The painter of the drawing, in the labels' font.
    QPainter& labelPainter();
    // The screen x, 0 to 100 across the plot, at a position in the widget.
    double screenXAt(QPointF position) const;
    // The screen coordinates, 0 to 100 across and up the plot, at a position in the widget;
    // a position beyond the plot gives the nearest point on its edge.
    PlotPoint plotPointAt(QPointF position) const;
    void followCursorGesture(QPointF position);
    bool handleCursorKey(const QKeyEvent& event);
    void paintCursors(QPainter& target) const;
    void paintFocusFrame(QPainter& target) const;
    // The cursors' readings while they are shown, else the notice, if any.
    void describe();

    QPixmap image_;
    QString notice_;
    std::vector<QRectF> labels_; // the boxes of the labels written since the last clear
    std::optional<CursorOverlay> cursors_;
    std::optional<double> dragX_; // where a drag that pans last stood
    // Where a left press with the cursors shown went down, until its release; whether it has
    // become a drag.
    std::optional<QPointF> cursorPress_;
    bool cursorDragging_ = false;
    // Kept open across the lines of one plot: opening a painter per segment would cost more
    // than drawing the segment.
    std::unique_ptr<QPainter> painter_;
};
