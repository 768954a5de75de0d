#pragma once

#include "ui/control_layout.h"
#include "ui/window_fonts.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QString;
class QWidget;

// Sets name, accessible name, font and place (twips at the parent's logical dpi).
void PlaceControl(QWidget& control, const ControlLayout& layout);

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
