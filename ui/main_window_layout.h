#pragma once

#include "ui/control_spec.h"

#include <span>

// The controls of the main window Form1, grouped by the kind of widget that shows them.
std::span<const ControlSpec> MainWindowLabels();
std::span<const ControlSpec> MainWindowResultBoxes();
std::span<const ControlSpec> MainWindowTextBoxes();
std::span<const ControlSpec> MainWindowButtons();
const ControlSpec& MainWindowSchematic();

// Client area of Form1 in twips.
inline constexpr int MainWindowWidth = 15870;
inline constexpr int MainWindowHeight = 10365;
