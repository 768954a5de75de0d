#pragma once

#include "ui/control_spec.h"

#include <span>

// An option button and the colour of its trace.
struct OptionSpec {
    ControlSpec control;
    QRgb textColor;
};

// The controls of the waveform window Form2, grouped by the kind of widget that shows them.
std::span<const ControlSpec> WaveformWindowLabels();
std::span<const ControlSpec> WaveformWindowValueBoxes();
std::span<const OptionSpec> WaveformWindowOptions();
const ControlSpec& WaveformWindowPlot();
const ControlSpec& WaveformWindowEmptyPicture();

// Client area of Form2 in twips.
inline constexpr int WaveformWindowWidth = 18555;
inline constexpr int WaveformWindowHeight = 10005;
