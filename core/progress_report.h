#pragma once

#include "core/waveform_window_operations.h"

#include <cstdint>

// Tells a SimulationObserver how far the period loop is: at most once per period and about
// every 65536 samples, so that a listener costs nothing measurable and no listener costs one
// test per period.
class ProgressReport {
public:
    ProgressReport(SimulationObserver* observer, std::int32_t samplesPerPeriod,
                   std::int32_t periods);

    // Called after each period with the number of periods done; false when the observer asks
    // to stop.
    bool keepGoing(std::int32_t periodsDone);

private:
    SimulationObserver* observer_;
    std::int32_t periodsPerReport_;
    std::int32_t periodsToReport_;
    double periods_;
};
