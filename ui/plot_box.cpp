#include "ui/plot_box.h"

#include "ui/controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace {

// How much one wheel notch (120 eighths of a degree) narrows the time axis.
constexpr double NotchZoom = 1.25;
constexpr double EighthsPerNotch = 120;

// Logical pixels between a text and the edge or the point it is written at: clear of the
// border, of the ticks on the left edge and of the line it labels.
constexpr qreal TextMargin = 3;
constexpr qreal LimitIndent = 6;

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
    setAccessibleDescription(QString());
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
    setAccessibleDescription(text);
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
    QPainter(this).drawPixmap(contentsRect().topLeft(), image_);
}

// A drag that pans moves the view before the pointer is read, so that the reading is that of
// the view the plot now shows.
void PlotBox::mouseMoveEvent(QMouseEvent* event) {
    if (dragX_) {
        const double x = screenXAt(event->position());
        emit panRequested(*dragX_ - x);
        dragX_ = x;
    }
    const PlotPoint point = PixelToPlot(event->position() - contentsRect().topLeft(),
                                        contentsRect().size(), devicePixelRatioF());
    emit pointerMoved(point.x, point.y, event->globalPosition().toPoint());
}

void PlotBox::mousePressEvent(QMouseEvent* event) {
    const bool shiftLeft =
        event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ShiftModifier);
    if (event->button() == Qt::MiddleButton || shiftLeft) {
        dragX_ = screenXAt(event->position());
        return;
    }
    QFrame::mousePressEvent(event);
}

void PlotBox::mouseReleaseEvent(QMouseEvent* event) {
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

double PlotBox::screenXAt(QPointF position) const {
    return PixelToPlot(position - contentsRect().topLeft(), contentsRect().size(),
                       devicePixelRatioF())
        .x;
}
