#pragma once

#include "core/text.h"

// The value boxes of the waveform window that show the simulated summary values.
enum class SummaryLabel { Label2, Label5, Label8, Label9, Label16 };

// What the verification does to the waveform window Form2.
class WaveformWindowOperations {
public:
    virtual ~WaveformWindowOperations() = default;
    // Makes Form2 exist, created hidden when it does not (an open window is used unchanged).
    virtual void obtainForm2() = 0;
    // Resets the plot box to its bare background, as assigning it the empty picture of the
    // window's second picture box Picture2 does: whatever an earlier run drew is gone.
    virtual void resetPlot() = 0;
    virtual void setCaption(SummaryLabel label, const Text& caption) = 0;
    // After a cancelled run: the five value boxes are emptied, since nothing was measured, and
    // the plot says that the simulation was cancelled. The next run's plot reset removes it.
    virtual void showCancelled() = 0;
};
