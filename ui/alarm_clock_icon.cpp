#include "ui/alarm_clock_icon.h"

#include <QPainter>
#include <QPixmap>

namespace {

// Drawn on a 32 x 32 grid and scaled to each icon size.
constexpr int gridSize = 32;

void PaintAlarmClock(QPainter& painter) {
    const QColor red(210, 0, 0);
    painter.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap));
    // The two bells on top, partly hidden by the body.
    painter.setBrush(red);
    painter.drawEllipse(QPointF(8, 8), 5, 5);
    painter.drawEllipse(QPointF(24, 8), 5, 5);
    // The legs.
    painter.drawLine(QPointF(9, 26), QPointF(5, 31));
    painter.drawLine(QPointF(23, 26), QPointF(27, 31));
    // The body and the dial.
    painter.drawEllipse(QPointF(16, 18), 12, 12);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 18), 8.5, 8.5);
    // The hands at ten past twelve.
    painter.drawLine(QPointF(16, 18), QPointF(16, 11));
    painter.drawLine(QPointF(16, 18), QPointF(20.5, 20));
}

QPixmap AlarmClockPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size) / gridSize, qreal(size) / gridSize);
    PaintAlarmClock(painter);
    return pixmap;
}

} // namespace

QIcon AlarmClockIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        icon.addPixmap(AlarmClockPixmap(size));
    }
    return icon;
}
