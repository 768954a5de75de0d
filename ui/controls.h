#pragma once

#include <QFont>
#include <QPalette>
#include <QRect>
#include <QRgb>
#include <optional>

class QLabel;
class QLineEdit;
class QPaintDevice;
class QPushButton;
class QRadioButton;
class QString;
class QWidget;

// The controls of both windows and their look: the face and typeface the windows were designed
// with, the twips they are laid out in, and the functions that create each kind of control
// from its line of a window's layout table.

// The light face the windows were designed with: light grey windows and buttons, white fields
// and black text, as Qt's Fusion style paints them on a light desktop. The background colours
// that group the controls and the trace colours were chosen against it, so each window keeps
// it whatever palette the desktop sets, at start and when the desktop changes its theme.
QPalette LightFace();

// Background colours that group the controls by purpose: light blue for the design, light
// pink for the verification, light cyan for the contact line, light yellow for the plot.
inline constexpr QRgb LightBlue = qRgb(192, 192, 255);
inline constexpr QRgb LightPink = qRgb(255, 192, 192);
inline constexpr QRgb LightCyan = qRgb(192, 255, 255);
inline constexpr QRgb LightYellow = qRgb(255, 255, 192);
inline constexpr QRgb White = qRgb(255, 255, 255);

// The windows' typeface, Liberation Sans, ships with the tool: every text of the layout fits
// its box in it, so every text keeps its place on any machine.

// Makes the shipped regular and bold faces available; call once after creating the
// application and before building any window.
void RegisterWindowFonts();

// The windows' typeface at `points`, bold unless told otherwise.
QFont WindowFont(double points, bool bold = true);

// The windows are laid out in twips (1/1440 inch), converted with the screen's logical dpi.

// How much larger than at 96 dpi the device shows a twip-sized layout.
qreal DpiScale(const QPaintDevice& device);

// A size in twips, in pixels of the device.
QSize TwipsSize(int width, int height, const QPaintDevice& device);

// One control of a window as the layout describes it: its name (the Qt objectName), its text
// (UTF-8), its place and size in twips from the top-left corner of the client area, its font
// size in points and its background. Labels, text boxes and buttons share the description.
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
