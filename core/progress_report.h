#pragma once

#include "core/simulation_observer.h"

#include <cstdint>

// Tells a SimulationObserver how far a run is, about every stepsPerReport simulated steps:
// after every so many short periods, and between stretches of that many steps within a long
// period or while the sample arrays are made. No listener costs one test per call.
//
// The floating-point flags are cleared after the observer returns, its own arithmetic being no
// fault of the simulation: whoever asks must have raised the simulation's faults before.
class ProgressReport {
public:
    ProgressReport(SimulationObserver* observer, std::int32_t stepsPerReport,
                   std::int32_t samplesPerPeriod, std::int32_t periods);

    // The most steps to run between two questions within a period.
    std::int32_t stepsPerReport() const;

    // While the arrays are made, before any period: nothing is done yet. False when the
    // observer asks to stop.
    bool keepGoingBeforePeriods();

    // Within period `period` (1 for the first), once its steps up to `step` have run.
    bool keepGoingWithin(std::int32_t period, std::int32_t step);

    // Called after each period with the number of periods done.
    bool keepGoing(std::int32_t periodsDone);

private:
    bool report(double fractionDone);

    SimulationObserver* observer_;
    std::int32_t stepsPerReport_;
    std::int32_t periodsPerReport_;
    std::int32_t periodsToReport_;
    double samplesPerPeriod_;
    double periods_;
};
