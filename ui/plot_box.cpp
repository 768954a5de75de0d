// The plot box: the drawing surface of the plot, its pointer and keys, and the cursor layer.
#include "ui/plot_box.h"

#include "ui/controls.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// How much one wheel notch (120 eighths of a degree) narrows the time axis.
constexpr double NotchZoom = 1.25;
constexpr double EighthsPerNotch = 120;

// Logical pixels between a text and the edge or the point it is written at: clear of the
// border, of the ticks on the left edge and of the line it labels.
constexpr qreal TextMargin = 3;
constexpr qreal LimitIndent = 6;

// The measuring cursors: black, which stands out against the background and every trace; the
// active one drawn twice as wide and named in white on black. The readings are black on a
// semi-opaque white box, which keeps them readable over any trace.
constexpr qreal MarkerRadius = 4;
constexpr qreal MarkerWidth = 1.5;
constexpr qreal NamePadding = 2;
constexpr qreal ReadingsPadding = 4;
const QColor ReadingsBackground(255, 255, 255, 215);
constexpr double CursorTextPoints = 8.25;

QPen CursorLinePen(bool active) {
    return {Qt::black, active ? 2.0 : 1.0, Qt::DashLine};
}

void PaintCursorName(QPainter& target, const CursorMark& mark, QSizeF area) {
    const QPointF top = PlotToPixel(mark.x, 100, area);
    const QFontMetricsF metrics(target.font());
    QRectF box(0, 0, metrics.horizontalAdvance(mark.name) + 2 * NamePadding, metrics.height());
    box.moveTopLeft(top + QPointF(TextMargin, TextMargin));
    if (box.right() > area.width()) {
        box.moveRight(top.x() - TextMargin);
    }
    target.fillRect(box, mark.active ? QColor(Qt::black) : ReadingsBackground);
    target.setPen(mark.active ? Qt::white : Qt::black);
    target.drawText(box, Qt::AlignCenter, mark.name);
}

void PaintCursorMark(QPainter& target, const CursorMark& mark, QSizeF area) {
    target.setPen(CursorLinePen(mark.active));
    target.drawLine(PlotToPixel(mark.x, 100, area), PlotToPixel(mark.x, 0, area));
    target.setPen(QPen(Qt::black, MarkerWidth));
    target.setBrush(Qt::NoBrush);
    target.drawEllipse(PlotToPixel(mark.x, mark.markerY, area), MarkerRadius, MarkerRadius);
    PaintCursorName(target, mark, area);
}

// How many cursor lines and markers a box would hide.
int HiddenMarks(const QRectF& box, const std::vector<CursorMark>& marks, QSizeF area) {
    int hidden = 0;
    for (const CursorMark& mark : marks) {
        const QPointF marker = PlotToPixel(mark.x, mark.markerY, area);
        hidden += marker.x() >= box.left() && marker.x() <= box.right() ? 1 : 0;
        hidden += box.contains(marker) ? 1 : 0;
    }
    return hidden;
}

// The readings box of `size` in the corner of the area where it hides the fewest cursors:
// top left, top right, bottom left or bottom right, in that order of preference.
QRectF ReadingsBox(QSizeF size, const std::vector<CursorMark>& marks, QSizeF area) {
    const QRectF inside =
        QRectF(QPointF(0, 0), area).adjusted(TextMargin, TextMargin, -TextMargin, -TextMargin);
    QRectF box(QPointF(0, 0), size);
    std::array<QRectF, 4> corners;
    corners[0] = box.translated(inside.topLeft());
    box.moveTopRight(inside.topRight());
    corners[1] = box;
    box.moveBottomLeft(inside.bottomLeft());
    corners[2] = box;
    box.moveBottomRight(inside.bottomRight());
    corners[3] = box;
    return *std::min_element(corners.begin(), corners.end(), [&](const QRectF& a, const QRectF& b) {
        return HiddenMarks(a, marks, area) < HiddenMarks(b, marks, area);
    });
}

void PaintReadings(QPainter& target, const CursorLayer& layer, QSizeF area) {
    if (layer.readings.isEmpty()) {
        return;
    }
    const QString text = layer.readings.join(QLatin1Char('\n'));
    const QRectF textBox = QFontMetricsF(target.font()).boundingRect(QRectF(), Qt::AlignLeft, text);
    const QRectF box = ReadingsBox(
        textBox.size() + QSizeF(2 * ReadingsPadding, 2 * ReadingsPadding), layer.marks, area);
    target.setPen(QPen(Qt::black, 1));
    target.setBrush(ReadingsBackground);
    target.drawRect(box);
    target.drawText(
        box.adjusted(ReadingsPadding, ReadingsPadding, -ReadingsPadding, -ReadingsPadding),
        Qt::AlignLeft | Qt::AlignTop, text);
}

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

void PlotBox::showViewSpan(const QString& text) {
    const QPointF corner = PlotToPixel(100, 100, contentsRect().size());
    write(text, corner + QPointF(-TextMargin, TextMargin), Qt::AlignTop | Qt::AlignRight);
}

void PlotBox::showBandLimits(float bottom, float top, const QString& low, const QString& high) {
    const QSizeF area = contentsRect().size();
    write(high, PlotToPixel(0, top, area) + QPointF(LimitIndent, 1), Qt::AlignTop | Qt::AlignLeft);
    write(low, PlotToPixel(0, bottom, area) + QPointF(LimitIndent, -1),
          Qt::AlignBottom | Qt::AlignLeft);
}

void PlotBox::write(const QString& text, QPointF point, Qt::Alignment corner) {
    QPainter& target = painter();
    target.setPen(Qt::black);
    target.setFont(WindowFont(8.25));
    QRectF box(QPointF(0, 0), contentsRect().size());
    if (corner.testFlag(Qt::AlignRight)) {
        box.moveRight(point.x());
    } else {
        box.moveLeft(point.x());
    }
    if (corner.testFlag(Qt::AlignBottom)) {
        box.moveBottom(point.y());
    } else {
        box.moveTop(point.y());
    }
    target.drawText(box, corner, text);
    update();
}

PixelColumns PlotBox::columns() const {
    return PlotColumns(contentsRect().size(), devicePixelRatioF());
}

void PlotBox::showCursors(CursorLayer layer) {
    cursors_ = std::move(layer);
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
    setAccessibleDescription(cursors_ ? cursors_->readings.join(QLatin1Char('\n')) : notice_);
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
    if (cursors_) {
        paintCursors(target);
    }
}

void PlotBox::paintCursors(QPainter& target) const {
    const QSizeF area = contentsRect().size();
    target.translate(contentsRect().topLeft());
    target.setClipRect(QRectF(QPointF(0, 0), area));
    target.setRenderHint(QPainter::Antialiasing);
    target.setFont(WindowFont(CursorTextPoints));
    for (const CursorMark& mark : cursors_->marks) {
        PaintCursorMark(target, mark, area);
    }
    PaintReadings(target, *cursors_, area);
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
