// The plot box: the drawing surface of the plot, its pointer and keys, and the cursor layer.
#include "ui/plot_box.h"

#include "figure/plot_overlay.h"
#include "figure/qt_text.h"
#include "ui/controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QStringList>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

// How much one wheel notch (120 eighths of a degree) narrows the time axis.
constexpr double NotchZoom = 1.25;
constexpr double EighthsPerNotch = 120;

// The labels and the cursors' names and readings: the windows' small bold text.
constexpr double PlotTextPoints = 8.25;

// The focus frame's dashes and gaps, in frame widths.
constexpr qreal FocusDash = 3;
constexpr qreal FocusGap = 2;

} // namespace

PlotBox::PlotBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // The bare background, also before anything is drawn.
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(LightYellow));
    setPalette(background);
    setAutoFillBackground(true);
}

PlotBox::~PlotBox() = default;

void PlotBox::clear() {
    finishDrawing();
    const qreal ratio = devicePixelRatioF();
    image_ = QPixmap(contentsRect().size() * ratio);
    image_.setDevicePixelRatio(ratio);
    image_.fill(QColor(LightYellow));
    notice_.clear();
    labels_.clear();
    describe();
    update();
}

void PlotBox::drawLine(const PlotLine& line) {
    PaintPlotLine(painter(), line, contentsRect().size());
    update();
}

void PlotBox::showNotice(const QString& text) {
    QPainter& target = painter();
    target.setPen(Qt::black);
    target.setFont(WindowFont(12));
    target.drawText(QRectF(QPointF(0, 0), contentsRect().size()), Qt::AlignCenter, text);
    notice_ = text;
    describe();
    update();
}

void PlotBox::showViewTimes(const QString& text) {
    labels_.push_back(WriteViewTimes(labelPainter(), text, contentsRect().size()));
    update();
}

void PlotBox::showBandLimits(const std::array<FittedBandLimits, 4>& limits) {
    const std::vector<QRectF> written =
        WriteBandLimits(labelPainter(), limits, contentsRect().size());
    labels_.insert(labels_.end(), written.begin(), written.end());
    update();
}

QPainter& PlotBox::labelPainter() {
    QPainter& target = painter();
    target.setFont(WindowFont(PlotTextPoints));
    return target;
}

PixelColumns PlotBox::columns() const {
    return PlotColumns(contentsRect().size(), devicePixelRatioF());
}

void PlotBox::showCursors(CursorOverlay overlay) {
    cursors_ = std::move(overlay);
    describe();
    update();
}

void PlotBox::hideCursors() {
    cursors_.reset();
    cursorPress_.reset();
    describe();
    update();
}

void PlotBox::describe() {
    if (!cursors_) {
        setAccessibleDescription(notice_);
        return;
    }
    QStringList readings;
    for (const Text& line : cursors_->readings) {
        readings << FromText(line);
    }
    setAccessibleDescription(readings.join(QLatin1Char('\n')));
}

QPainter& PlotBox::painter() {
    if (!painter_) {
        if (image_.size() != contentsRect().size() * devicePixelRatioF()) {
            clear();
        }
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing);
    }
    return *painter_;
}

void PlotBox::finishDrawing() {
    painter_.reset();
}

void PlotBox::paintEvent(QPaintEvent* event) {
    finishDrawing();
    QFrame::paintEvent(event);
    QPainter target(this);
    target.drawPixmap(contentsRect().topLeft(), image_);
    if (hasFocus()) {
        paintFocusFrame(target);
    }
    if (cursors_) {
        paintCursors(target);
    }
}

// Over the border: a white line, then black dashes on it. Its edges and the dashes' ends lie
// on whole logical pixels, so that no device pixel is painted in part.
void PlotBox::paintFocusFrame(QPainter& target) const {
    const qreal width = frameWidth();
    const QRectF middle = QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2);
    target.setBrush(Qt::NoBrush);
    target.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    target.drawRect(middle);
    QPen dashes(Qt::black, width, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({FocusDash, FocusGap});
    target.setPen(dashes);
    target.drawRect(middle);
}

void PlotBox::paintCursors(QPainter& target) const {
    const QSizeF area = contentsRect().size();
    target.translate(contentsRect().topLeft());
    target.setClipRect(QRectF(QPointF(0, 0), area));
    target.setRenderHint(QPainter::Antialiasing);
    target.setFont(WindowFont(PlotTextPoints));
    PaintCursorOverlay(target, *cursors_, area, labels_);
}

// A drag that pans moves the view before the pointer is read, so that the reading is that of
// the view the plot now shows.
void PlotBox::mouseMoveEvent(QMouseEvent* event) {
    if (dragX_) {
        const double x = screenXAt(event->position());
        emit panRequested(*dragX_ - x);
        dragX_ = x;
    }
    if (cursorPress_) {
        followCursorGesture(event->position());
    }
    const PlotPoint point = PixelToPlot(event->position() - contentsRect().topLeft(),
                                        contentsRect().size(), devicePixelRatioF());
    emit pointerMoved(point.x, point.y, event->globalPosition().toPoint());
}

// A left press becomes a drag once the pointer has moved as far as the desktop asks of a drag.
void PlotBox::followCursorGesture(QPointF position) {
    if (!cursorDragging_) {
        if ((position - *cursorPress_).manhattanLength() < QApplication::startDragDistance()) {
            return;
        }
        cursorDragging_ = true;
        emit cursorDragStarted(plotPointAt(*cursorPress_).x);
    }
    const PlotPoint point = plotPointAt(position);
    emit cursorDragged(point.x, point.y);
}

void PlotBox::mousePressEvent(QMouseEvent* event) {
    const bool left = event->button() == Qt::LeftButton;
    if (event->button() == Qt::MiddleButton ||
        (left && event->modifiers().testFlag(Qt::ShiftModifier))) {
        dragX_ = screenXAt(event->position());
        return;
    }
    if (left && cursors_) {
        cursorPress_ = event->position();
        cursorDragging_ = false;
        return;
    }
    QFrame::mousePressEvent(event);
}

void PlotBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && cursorPress_) {
        if (!cursorDragging_) {
            const PlotPoint point = plotPointAt(*cursorPress_);
            emit cursorClicked(point.x, point.y);
        }
        cursorPress_.reset();
    }
    if (event->buttons().testAnyFlags(Qt::LeftButton | Qt::MiddleButton)) {
        return; // the other button still holds the drag
    }
    dragX_.reset();
    QFrame::mouseReleaseEvent(event);
}

void PlotBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit wholeViewRequested();
        return;
    }
    QFrame::mouseDoubleClickEvent(event);
}

void PlotBox::wheelEvent(QWheelEvent* event) {
    const int eighths = event->angleDelta().y();
    if (eighths == 0) {
        QFrame::wheelEvent(event);
        return;
    }
    emit zoomRequested(std::pow(NotchZoom, eighths / EighthsPerNotch),
                       screenXAt(event->position()));
}

void PlotBox::keyPressEvent(QKeyEvent* event) {
    if (!cursors_ || !handleCursorKey(*event)) {
        QFrame::keyPressEvent(event);
    }
}

// Ctrl+Left and Ctrl+Right stay the window's: they pan the view.
bool PlotBox::handleCursorKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (event.key() == Qt::Key_Space && modifiers == Qt::NoModifier) {
        emit cursorSwitchRequested();
        return true;
    }
    const bool arrow = event.key() == Qt::Key_Left || event.key() == Qt::Key_Right;
    if (arrow && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        emit cursorStepRequested(event.key() == Qt::Key_Left ? -1 : 1,
                                 modifiers == Qt::ShiftModifier);
        return true;
    }
    return false;
}

double PlotBox::screenXAt(QPointF position) const {
    return PixelToPlot(position - contentsRect().topLeft(), contentsRect().size(),
                       devicePixelRatioF())
        .x;
}

// Kept inside the box, so that a drag beyond its edges leaves the cursor in view.
PlotPoint PlotBox::plotPointAt(QPointF position) const {
    const PlotPoint point = PixelToPlot(position - contentsRect().topLeft(), contentsRect().size(),
                                        devicePixelRatioF());
    return {std::clamp(point.x, 0.0f, 100.0f), std::clamp(point.y, 0.0f, 100.0f)};
}
