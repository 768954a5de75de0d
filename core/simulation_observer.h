#pragma once

// Watches a long simulation: told the fraction done at a bounded rate, it may stop the run.
class SimulationObserver {
public:
    virtual ~SimulationObserver() = default;
    // Returns false to stop the simulation.
    virtual bool keepGoing(double fractionDone) = 0;
};
