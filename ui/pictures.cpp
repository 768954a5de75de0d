// The pictures of the windows: the schematic, the alarm-clock icon and the picture box.
#include "ui/pictures.h"

#include "ui/controls.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSize>

namespace {

// A dotted frame just inside `area`, drawn over the picture.
void DrawFocusMark(QPainter& painter, const QRect& area, const QColor& color) {
    painter.setPen(QPen(color, 2, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(2, 2, -2, -2));
}

// The drawing follows the power path from left to right: the input source, the switch with
// its PWM driver in the top wire, the inductor from the switch node to the return wire, the
// diode from the output node back to the switch node, then the output capacitor and the load.
// Wires and parts are green, current and voltage arrows blue, names black.

// The schematic's size in logical pixels, before the dpi enlargement.
constexpr QSize SchematicSize{647, 356};

const QColor wireColor(0, 150, 0);
const QColor arrowColor(0, 0, 255);
const QColor letterColor(0, 0, 0);

constexpr qreal topWire = 100;
constexpr qreal returnWire = 300;
constexpr qreal inputX = 40;
constexpr qreal switchNodeX = 290;
constexpr qreal outputNodeX = 440;
constexpr qreal loadX = 540;
constexpr qreal outputX = 600;

void UsePen(QPainter& painter, const QColor& color, qreal width = 2) {
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
}

void Wire(QPainter& painter, QPointF from, QPointF to) {
    UsePen(painter, wireColor);
    painter.drawLine(from, to);
}

void Node(QPainter& painter, QPointF at) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(wireColor);
    painter.drawEllipse(at, 3.5, 3.5);
}

void Terminal(QPainter& painter, QPointF at) {
    UsePen(painter, wireColor);
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, 4, 4);
}

// A blue arrow from `from` to `to`, head at `to`.
void Arrow(QPainter& painter, QPointF from, QPointF to) {
    UsePen(painter, arrowColor, 1.5);
    painter.drawLine(from, to);
    const QLineF shaft(to, from);
    const qreal headLength = 9;
    QLineF side1 = QLineF::fromPolar(headLength, shaft.angle() + 25).translated(to);
    QLineF side2 = QLineF::fromPolar(headLength, shaft.angle() - 25).translated(to);
    painter.setBrush(arrowColor);
    painter.drawPolygon(QPolygonF({to, side1.p2(), side2.p2()}));
}

void Letters(QPainter& painter, QPointF baseline, const QString& text) {
    painter.setPen(letterColor);
    painter.drawText(baseline, text);
}

void InputSource(QPainter& painter) {
    Terminal(painter, {inputX, topWire});
    Terminal(painter, {inputX, returnWire});
    Arrow(painter, {60, 280}, {60, 120});
    Letters(painter, {68, 206}, QStringLiteral("Vi"));
    Arrow(painter, {75, 85}, {125, 85});
    Letters(painter, {92, 78}, QStringLiteral("ii"));
}

// The electronic switch in a box, its control coming down from the PWM modulator.
void SwitchAndDriver(QPainter& painter) {
    const QRectF switchBox(145, 78, 70, 44);
    const QRectF driverBox(145, 18, 70, 36);
    UsePen(painter, letterColor, 1.5);
    painter.drawRect(switchBox);
    painter.drawRect(driverBox);
    painter.drawText(driverBox, Qt::AlignCenter, QStringLiteral("PWM"));
    Wire(painter, {180, driverBox.bottom()}, {180, switchBox.top()});
    Wire(painter, {switchBox.left(), topWire}, {162, topWire});
    Wire(painter, {162, topWire}, {194, topWire - 14});
    Wire(painter, {198, topWire}, {switchBox.right(), topWire});
    Node(painter, {162, topWire});
    Node(painter, {198, topWire});
}

// The inductor from the switch node to the return wire: four turns.
void Inductor(QPainter& painter) {
    const qreal coilTop = 150;
    const qreal turn = 25;
    Wire(painter, {switchNodeX, topWire}, {switchNodeX, coilTop});
    Wire(painter, {switchNodeX, coilTop + 4 * turn}, {switchNodeX, returnWire});
    UsePen(painter, wireColor);
    for (int k = 0; k < 4; ++k) {
        painter.drawArc(QRectF(switchNodeX - 12, coilTop + k * turn, 24, turn), 90 * 16, -180 * 16);
    }
    Letters(painter, {308, 206}, QStringLiteral("L"));
    Arrow(painter, {335, 160}, {335, 235});
    Letters(painter, {343, 206}, QStringLiteral("iL"));
    Arrow(painter, {262, 240}, {262, 160});
    Letters(painter, {228, 206}, QStringLiteral("VL"));
}

// The diode conducts from the output node back into the switch node.
void Diode(QPainter& painter) {
    const qreal cathodeX = 352;
    const qreal anodeX = 378;
    Wire(painter, {switchNodeX, topWire}, {cathodeX, topWire});
    Wire(painter, {anodeX, topWire}, {outputNodeX, topWire});
    UsePen(painter, wireColor);
    painter.setBrush(wireColor);
    painter.drawPolygon(
        QPolygonF({{cathodeX, topWire}, {anodeX, topWire - 12}, {anodeX, topWire + 12}}));
    painter.drawLine(QPointF(cathodeX, topWire - 12), QPointF(cathodeX, topWire + 12));
    Letters(painter, {359, 136}, QStringLiteral("D"));
    Arrow(painter, {395, 72}, {335, 72});
    Letters(painter, {358, 64}, QStringLiteral("id"));
}

void Capacitor(QPainter& painter) {
    const qreal upperPlate = 190;
    const qreal lowerPlate = 202;
    Wire(painter, {outputNodeX, topWire}, {outputNodeX, upperPlate});
    Wire(painter, {outputNodeX, lowerPlate}, {outputNodeX, returnWire});
    UsePen(painter, wireColor, 3);
    painter.drawLine(QPointF(outputNodeX - 20, upperPlate), QPointF(outputNodeX + 20, upperPlate));
    painter.drawLine(QPointF(outputNodeX - 20, lowerPlate), QPointF(outputNodeX + 20, lowerPlate));
    Letters(painter, {466, 202}, QStringLiteral("C"));
    Arrow(painter, {455, 120}, {455, 175});
    Letters(painter, {462, 152}, QStringLiteral("ic"));
}

void Load(QPainter& painter) {
    const QRectF resistor(loadX - 10, 170, 20, 60);
    Wire(painter, {outputNodeX, topWire}, {outputX, topWire});
    Wire(painter, {loadX, topWire}, {loadX, resistor.top()});
    Wire(painter, {loadX, resistor.bottom()}, {loadX, returnWire});
    UsePen(painter, wireColor);
    painter.drawRect(resistor);
    Letters(painter, {556, 206}, QStringLiteral("RL"));
    Arrow(painter, {470, 85}, {512, 85});
    Letters(painter, {484, 78}, QStringLiteral("io"));
    Terminal(painter, {outputX, topWire});
    Terminal(painter, {outputX, returnWire});
    Arrow(painter, {626, 120}, {626, 280});
    Letters(painter, {598, 206}, QStringLiteral("Vo"));
}

void ReturnWire(QPainter& painter) {
    Wire(painter, {inputX, topWire}, {145, topWire});
    Wire(painter, {215, topWire}, {switchNodeX, topWire});
    Wire(painter, {inputX, returnWire}, {outputX, returnWire});
    for (qreal x : {switchNodeX, outputNodeX, loadX}) {
        Node(painter, {x, returnWire});
    }
    Node(painter, {switchNodeX, topWire});
    Node(painter, {outputNodeX, topWire});
}

void PaintSchematic(QPainter& painter) {
    painter.fillRect(QRectF(QPointF(0, 0), SchematicSize), Qt::white);
    painter.setPen(QPen(letterColor, 1));
    painter.drawRect(QRectF(0.5, 0.5, SchematicSize.width() - 1, SchematicSize.height() - 1));
    QFont font = WindowFont(11);
    font.setPixelSize(15);
    painter.setFont(font);
    ReturnWire(painter);
    InputSource(painter);
    SwitchAndDriver(painter);
    Inductor(painter);
    Diode(painter);
    Capacitor(painter);
    Load(painter);
}

// The alarm clock is drawn on a 32 x 32 grid and scaled to each icon size.
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

QPixmap SchematicPixmap(qreal dpiScale, qreal devicePixelRatio) {
    QPixmap pixmap(SchematicSize * dpiScale * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(dpiScale, dpiScale);
    PaintSchematic(painter);
    return pixmap;
}

QIcon AlarmClockIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        icon.addPixmap(AlarmClockPixmap(size));
    }
    return icon;
}
