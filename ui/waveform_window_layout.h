#pragma once

#include "ui/control_layout.h"

#include <span>

// An option button and the colour of its trace.
struct OptionLayout {
    ControlLayout control;
    QRgb textColor;
};

// The controls of the waveform window Form2, grouped by the kind of widget that shows them.
std::span<const ControlLayout> WaveformWindowLabels();
std::span<const ControlLayout> WaveformWindowValueBoxes();
std::span<const OptionLayout> WaveformWindowOptions();
const ControlLayout& WaveformWindowPlot();
const ControlLayout& WaveformWindowEmptyPicture();

// Client area of Form2 in twips.
inline constexpr int WaveformWindowWidth = 18555;
inline constexpr int WaveformWindowHeight = 10005;
