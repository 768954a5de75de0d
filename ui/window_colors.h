#pragma once

#include <QRgb>

// Background colours that group the controls by purpose: light blue for the design, light
// pink for the verification, light cyan for the contact line, light yellow for the plot.
inline constexpr QRgb LightBlue = qRgb(192, 192, 255);
inline constexpr QRgb LightPink = qRgb(255, 192, 192);
inline constexpr QRgb LightCyan = qRgb(192, 255, 255);
inline constexpr QRgb LightYellow = qRgb(255, 255, 192);
inline constexpr QRgb White = qRgb(255, 255, 255);
