#pragma once

#include "figure/window_look.h"

#include <QRect>
#include <optional>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPaintDevice;
class QPushButton;
class QRadioButton;
class QString;
class QWidget;

// The controls of both windows: the twips they are laid out in and the functions that create
// each kind of control from its line of a window's layout table, in the windows' look.

// The windows are laid out in twips (1/1440 inch), converted with the screen's logical dpi.

// How much larger than at 96 dpi the device shows a twip-sized layout.
qreal DpiScale(const QPaintDevice& device);

// A size in twips, in pixels of the device.
QSize TwipsSize(int width, int height, const QPaintDevice& device);

// One control of a window as the layout describes it: its name (the Qt objectName), its text
// (UTF-8, Italian; shown in the language in use, translated in the context named after the
// control's window, e.g. "Form1"), its place and size in twips from the top-left corner of the
// client area, its font size in points and its background. Labels, text boxes and buttons share the
// description.
struct ControlLayout {
    const char* name;
    const char* text;
    int left;
    int top;
    int width;
    int height;
    double points;
    std::optional<QRgb> background = std::nullopt;
    const char* accessibleName = nullptr; // nullptr: the text speaks for itself
    bool bold = true;
};

// Sets name, accessible name, font and place (twips at the parent's logical dpi).
void PlaceControl(QWidget& control, const ControlLayout& layout);

// Shows the layout's accessible name of `control` in the language in use.
void TranslateAccessibleName(QWidget& control, const ControlLayout& layout);
// Shows a label's text and accessible name in the language in use; the label takes its box
// again and grows from it to the new text as AddLabel's does.
void TranslateLabel(QLabel& label, const ControlLayout& layout);
// Shows a button's text and accessible name in the language in use.
void TranslateButton(QAbstractButton& button, const ControlLayout& layout);

// Static text, wrapped at word boundaries inside its box.
QLabel* AddLabel(QWidget& parent, const ControlLayout& layout);
// A value to read: right-aligned text in a single-line border. Its accessible name says what
// it holds; the value itself is its accessible description.
QLabel* AddBorderedBox(QWidget& parent, const ControlLayout& layout);
// Shows `value` in a bordered box and gives it to assistive technologies, which are told that
// it changed.
void ShowValue(QLabel& box, const QString& value);
// A one-line field with black text.
QLineEdit* AddTextBox(QWidget& parent, const ControlLayout& layout);
// A push button that Return and keypad Enter press as well as Space.
QPushButton* AddButton(QWidget& parent, const ControlLayout& layout);
// An option button whose text has the colour of the trace it stands for.
QRadioButton* AddOptionButton(QWidget& parent, const ControlLayout& layout, QRgb textColor);
