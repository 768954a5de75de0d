#include "ui/plot_box.h"

#include "ui/controls.h"

#include <QMouseEvent>
#include <QPainter>

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

void PlotBox::mouseMoveEvent(QMouseEvent* event) {
    const PlotPoint point = PixelToPlot(event->position() - contentsRect().topLeft(),
                                        contentsRect().size(), devicePixelRatioF());
    emit pointerMoved(point.x, point.y, event->globalPosition().toPoint());
}
