#pragma once

#include "ui/control_layout.h"

#include <QFont>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Liberation Sans: metric-compatible with the narrow sans-serif the layout was sized for.
QFont WindowFont(double points, bool bold = true);

// Sets name, accessible name, font and place (twips at the parent's logical dpi).
void PlaceControl(QWidget& control, const ControlLayout& layout);

// Static text, wrapped at word boundaries inside its box.
QLabel* AddLabel(QWidget& parent, const ControlLayout& layout);
// A value to read: right-aligned text in a single-line border.
QLabel* AddBorderedBox(QWidget& parent, const ControlLayout& layout);
// A one-line field with black text.
QLineEdit* AddTextBox(QWidget& parent, const ControlLayout& layout);
QPushButton* AddButton(QWidget& parent, const ControlLayout& layout);
// An option button whose text has the colour of the trace it stands for.
QRadioButton* AddOptionButton(QWidget& parent, const ControlLayout& layout, QRgb textColor);
