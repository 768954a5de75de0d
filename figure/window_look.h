#pragma once

#include <QFont>
#include <QPalette>
#include <QRgb>

// The look shared by the windows and the pictures drawn from them: the light face, the
// background colours and the typeface. Qt's Gui module alone, so that a tool without windows
// draws the same pictures.

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
