#pragma once

#include <QFont>

// The windows' typeface, Liberation Sans, ships with the tool: its widths match the narrow
// sans-serif the layout was sized for, so every text keeps its place on any machine.

// Makes the shipped regular and bold faces available; call once after creating the
// application and before building any window.
void RegisterWindowFonts();

// The windows' typeface at `points`, bold unless told otherwise.
QFont WindowFont(double points, bool bold = true);
