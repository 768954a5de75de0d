#pragma once

#include "ui/control_layout.h"

#include <span>

// The controls of the main window Form1, grouped by the kind of widget that shows them.
std::span<const ControlLayout> MainWindowLabels();
std::span<const ControlLayout> MainWindowResultBoxes();
std::span<const ControlLayout> MainWindowTextBoxes();
std::span<const ControlLayout> MainWindowButtons();
const ControlLayout& MainWindowSchematic();

// Client area of Form1 in twips.
inline constexpr int MainWindowWidth = 15870;
inline constexpr int MainWindowHeight = 10365;
