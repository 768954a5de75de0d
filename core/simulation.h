#pragma once

#include "core/message_box.h"
#include "core/module1.h"
#include "core/waveform_window_operations.h"

// Shows the waveform window with its frame, simulates NI periods, checks conduction, measures
// the last period and draws the traces. observer may be null.
void SimulateAndPlot(Module1& m, WaveformDrawing& drawing, MessageBox& messages,
                     SimulationObserver* observer);
