#pragma once

#include "core/form1_operations.h"
#include "core/module1.h"
#include "core/simulation_observer.h"
#include "core/waveform_drawing.h"
#include "core/waveform_window_operations.h"

// The windows and settings one verification run works with.
struct VerificationContext {
    Form1Operations& form1;
    WaveformWindowOperations& form2;
    WaveformDrawing& drawing;
    char16_t decimalSeparator = u'.';
    SimulationObserver* observer = nullptr;
};

// The "Grafici" click: checks and reads the nine verification fields, simulates, draws and
// writes the five measured values into the waveform window.
void RunVerification(Module1& m, const VerificationContext& context);
