#include "core/simulation.h"

#include "core/conduction_check.h"
#include "core/period_simulation.h"
#include "core/summary_values.h"

void SimulateAndPlot(Module1& m, WaveformDrawing& drawing, MessageBox& messages,
                     SimulationObserver* observer) {
    drawing.showAndDrawFrame(m);
    if (!SimulatePeriods(m, observer, CycleShortcut::On)) {
        return;
    }
    if (!CheckConduction(m, messages)) {
        return;
    }
    MeasureLastPeriod(m);
    drawing.drawTraces(m);
}
