#pragma once

#include "core/message_box.h"
#include "core/module1.h"
#include "core/simulation_observer.h"
#include "core/waveform_drawing.h"

// How a run of SimulateAndPlot ended.
enum class PlotOutcome {
    Drawn,         // simulated, measured and drawn
    NotConducting, // the conduction check refused the last period, its message shown
    Cancelled      // the observer stopped the run
};

// Shows the waveform window with its frame, simulates NI periods, checks conduction, measures
// the last period and draws the traces. A failed conduction check (its message shown) or a run
// stopped by the observer ends after the frame, with the summary values untouched. observer may
// be null; it is also asked between the passes over the samples that follow the simulation,
// which at the largest N take tens of milliseconds each.
PlotOutcome SimulateAndPlot(Module1& m, WaveformDrawing& drawing, MessageBox& messages,
                            SimulationObserver* observer);
