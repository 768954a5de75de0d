#pragma once

#include "ui/control_spec.h"

#include <QFont>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Liberation Sans: metric-compatible with the narrow sans-serif the layout was sized for.
QFont WindowFont(double points, bool bold = true);

// Sets name, accessible name, font and place (twips at the parent's logical dpi).
void PlaceControl(QWidget& control, const ControlSpec& spec);

// Static text, wrapped at word boundaries inside its box.
QLabel* AddLabel(QWidget& parent, const ControlSpec& spec);
// A value to read: right-aligned text in a single-line border.
QLabel* AddBorderedBox(QWidget& parent, const ControlSpec& spec);
// A one-line field with black text.
QLineEdit* AddTextBox(QWidget& parent, const ControlSpec& spec);
QPushButton* AddButton(QWidget& parent, const ControlSpec& spec);
// An option button whose text has the colour of the trace it stands for.
QRadioButton* AddOptionButton(QWidget& parent, const ControlSpec& spec, QRgb textColor);
