#include "ui/picture_box.h"

#include <QPainter>

namespace {

// A dotted frame just inside `area`, drawn over the picture.
void DrawFocusMark(QPainter& painter, const QRect& area, const QColor& color) {
    painter.setPen(QPen(color, 2, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(2, 2, -2, -2));
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), picture_);
    if (hasFocus()) {
        DrawFocusMark(painter, contentsRect(), palette().color(QPalette::Highlight));
    }
}
