// The controls of both windows: twips to pixels, and each kind of control from its layout line.
#include "ui/controls.h"

#include "figure/language.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintDevice>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {

constexpr double twipsPerInch = 1440.0;
constexpr double referenceDpi = 96.0;

// Converting with the screen's logical dpi keeps text and boxes in proportion: at 96 dpi a
// twip is 1/15 of a pixel.
int TwipsToPixels(int twips, int dotsPerInch) {
    return qRound(twips * dotsPerInch / twipsPerInch);
}

// A rectangle (left, top, width, height) in twips, in pixels of the device.
QRect TwipsRect(int left, int top, int width, int height, const QPaintDevice& device) {
    return {
        QPoint(TwipsToPixels(left, device.logicalDpiX()), TwipsToPixels(top, device.logicalDpiY())),
        TwipsSize(width, height, device)};
}

// The longest text a one-line field holds: one code unit short of the length at which the
// field check can no longer count a text (an overflow), so typing can never get there.
constexpr int maxTextLength = 32766;

void SetBackground(QWidget& control, QPalette::ColorRole role, std::optional<QRgb> color) {
    if (!color) {
        return;
    }
    QPalette palette = control.palette();
    palette.setColor(role, QColor(*color));
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

void SetTextColor(QWidget& control, QPalette::ColorRole role, QRgb color) {
    QPalette palette = control.palette();
    palette.setColor(role, QColor(color));
    control.setPalette(palette);
}

// A text of the layout in the language in use, translated in the context named after the
// control's window.
QString LayoutText(const QWidget& control, const char* text) {
    return Translated(control.window()->objectName().toUtf8().constData(), text);
}

QLabel* NewLabel(QWidget& parent, const ControlLayout& layout) {
    auto* label = new QLabel(LayoutText(parent, layout.text), &parent);
    label->setTextFormat(Qt::PlainText);
    PlaceControl(*label, layout);
    SetBackground(*label, QPalette::Window, layout.background);
    return label;
}

// Some of the layout's boxes are tight for their text: a label on the window's background
// whose text needs more room grows to the right and down from its place rather than cut the
// text. Words still wrap at the box's width.
void GrowToText(QLabel& label) {
    const QRect needed = label.fontMetrics().boundingRect(
        QRect(0, 0, label.width(), QWIDGETSIZE_MAX),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label.text());
    label.resize(std::max(label.width(), needed.width()),
                 std::max(label.height(), needed.height()));
}

// Return and keypad Enter press a focused button, as Space does: outside a dialog a plain
// QPushButton ignores them.
class PushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (!enter) {
            QPushButton::keyPressEvent(event);
            return;
        }
        if (!event->isAutoRepeat()) {
            click();
        }
    }
};

} // namespace

qreal DpiScale(const QPaintDevice& device) {
    return device.logicalDpiX() / referenceDpi;
}

QSize TwipsSize(int width, int height, const QPaintDevice& device) {
    return {TwipsToPixels(width, device.logicalDpiX()),
            TwipsToPixels(height, device.logicalDpiY())};
}

void PlaceControl(QWidget& control, const ControlLayout& layout) {
    control.setObjectName(QString::fromUtf8(layout.name));
    TranslateAccessibleName(control, layout);
    control.setFont(WindowFont(layout.points, layout.bold));
    control.setGeometry(
        TwipsRect(layout.left, layout.top, layout.width, layout.height, *control.window()));
}

void TranslateAccessibleName(QWidget& control, const ControlLayout& layout) {
    if (layout.accessibleName != nullptr) {
        control.setAccessibleName(LayoutText(control, layout.accessibleName));
    }
}

void TranslateLabel(QLabel& label, const ControlLayout& layout) {
    TranslateAccessibleName(label, layout);
    label.setText(LayoutText(label, layout.text));
    label.setGeometry(
        TwipsRect(layout.left, layout.top, layout.width, layout.height, *label.window()));
    if (!layout.background) {
        GrowToText(label);
    }
}

void TranslateButton(QAbstractButton& button, const ControlLayout& layout) {
    TranslateAccessibleName(button, layout);
    button.setText(LayoutText(button, layout.text));
}

QLabel* AddLabel(QWidget& parent, const ControlLayout& layout) {
    QLabel* label = NewLabel(parent, layout);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    if (!layout.background) {
        GrowToText(*label);
    }
    return label;
}

QLabel* AddBorderedBox(QWidget& parent, const ControlLayout& layout) {
    QLabel* box = NewLabel(parent, layout);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    box->setAccessibleDescription(box->text());
    return box;
}

// The accessible name replaces a label's text for assistive technologies, so the value goes
// into the description; setting it announces the change.
void ShowValue(QLabel& box, const QString& value) {
    box.setText(value);
    box.setAccessibleDescription(value);
}

QLineEdit* AddTextBox(QWidget& parent, const ControlLayout& layout) {
    auto* field = new QLineEdit(QString::fromUtf8(layout.text), &parent);
    field->setMaxLength(maxTextLength);
    PlaceControl(*field, layout);
    SetBackground(*field, QPalette::Base, layout.background);
    SetTextColor(*field, QPalette::Text, qRgb(0, 0, 0));
    return field;
}

QPushButton* AddButton(QWidget& parent, const ControlLayout& layout) {
    auto* button = new PushButton(LayoutText(parent, layout.text), &parent);
    PlaceControl(*button, layout);
    SetBackground(*button, QPalette::Button, layout.background);
    return button;
}

QRadioButton* AddOptionButton(QWidget& parent, const ControlLayout& layout, QRgb textColor) {
    auto* option = new QRadioButton(QString::fromUtf8(layout.text), &parent);
    PlaceControl(*option, layout);
    SetTextColor(*option, QPalette::WindowText, textColor);
    SetTextColor(*option, QPalette::ButtonText, textColor);
    // Like a label, the button grows rather than cut its text.
    option->resize(std::max(option->width(), option->sizeHint().width()), option->height());
    return option;
}
