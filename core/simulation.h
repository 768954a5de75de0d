#pragma once

#include "core/message_box.h"
#include "core/module1.h"
#include "core/simulation_observer.h"
#include "core/waveform_drawing.h"

// Shows the waveform window with its frame, simulates NI periods, checks conduction, measures
// the last period and draws the traces. A failed conduction check (its message shown) or a run
// stopped by the observer ends after the frame, with the summary values untouched. observer may
// be null.
void SimulateAndPlot(Module1& m, WaveformDrawing& drawing, MessageBox& messages,
                     SimulationObserver* observer);
