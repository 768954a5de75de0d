#pragma once

#include "core/conversions.h"
#include "core/handler_support.h"
#include "core/module1.h"

// The windows and settings one verification run works with.
struct VerificationContext {
    Form1Operations& form1;
    WaveformWindowOperations& form2;
    WaveformDrawing& drawing;
    char16_t decimalSeparator = u'.';
    SimulationObserver* observer = nullptr;
};

// The "Grafici" click: checks and reads the nine verification fields, simulates, draws and
// writes the five measured values into the waveform window. True when the run drew its traces.
bool RunVerification(Module1& m, const VerificationContext& context);

// Guards a verification field: an empty text shows m.Msg, a text with any character that
// cannot occur in a number with a decimal point shows m.ErrMsg; either way m.ErrFlag becomes 1.
void CheckNumberField(Module1& m, const Text& fieldText, MessageBox& messages);
