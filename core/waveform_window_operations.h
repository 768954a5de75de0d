#pragma once

#include "core/text.h"

struct Module1;

// The value boxes of the waveform window that show the simulated summary values.
enum class SummaryLabel { Label2, Label5, Label8, Label9, Label16 };

// What the verification does to the waveform window Form2.
class WaveformWindowOperations {
public:
    virtual ~WaveformWindowOperations() = default;
    // Makes Form2 exist, created hidden when it does not (an open window is used unchanged).
    virtual void obtainForm2() = 0;
    // Assigns Picture2's empty picture to the plot box: the bare background, nothing drawn.
    virtual void resetPlot() = 0;
    virtual void setCaption(SummaryLabel label, const Text& caption) = 0;
};

// The drawing half of a verification run.
class WaveformDrawing {
public:
    virtual ~WaveformDrawing() = default;
    // Loads and shows Form2, then draws the plot frame (uses the shared counter Idx).
    virtual void showAndDrawFrame(Module1& m) = 0;
    // Draws the four traces of the last simulated period (uses Iter and Idx).
    virtual void drawTraces(Module1& m) = 0;
};

// Watches a long simulation: told the fraction done at a bounded rate, it may stop the run.
class SimulationObserver {
public:
    virtual ~SimulationObserver() = default;
    // Returns false to stop the simulation.
    virtual bool keepGoing(double fractionDone) = 0;
};
