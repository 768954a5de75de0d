#include "core/simulation.h"

#include "core/conduction_check.h"
#include "core/period_simulation.h"
#include "core/summary_values.h"

namespace {

// Between two passes over the samples: the simulation is done, so the fraction is whole.
bool KeepGoingAfterSimulation(SimulationObserver* observer) {
    return observer == nullptr || observer->keepGoing(1.0);
}

} // namespace

PlotOutcome SimulateAndPlot(Module1& m, WaveformDrawing& drawing, MessageBox& messages,
                            SimulationObserver* observer) {
    drawing.showAndDrawFrame(m);
    if (!SimulatePeriods(m, observer, CycleShortcut::On)) {
        return PlotOutcome::Cancelled;
    }
    if (!CheckConduction(m, messages)) {
        return PlotOutcome::NotConducting;
    }
    if (!KeepGoingAfterSimulation(observer)) {
        return PlotOutcome::Cancelled;
    }
    MeasureLastPeriod(m);
    if (!KeepGoingAfterSimulation(observer)) {
        return PlotOutcome::Cancelled;
    }
    drawing.drawTraces(m);
    return PlotOutcome::Drawn;
}
