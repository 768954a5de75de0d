#include "core/switching_period.h"

#include "core/conversions.h"
#include "core/runtime_error.h"

namespace {

// The on and off intervals carry the state of the step and the circuit constants in locals:
// the recurrence then never waits for a value to travel through memory (a sample store could
// otherwise alias a constant and force its reload), and every sample is still stored as written.

// Switch on: Vi across the inductor, the capacitor discharging into the load.
void RunOnInterval(const SwitchingPeriod& p, const SampleArrays& s) {
    const double dt = p.dt;
    const double C = p.C;
    const double CRL = p.CRL;
    const double onIncrement = p.onIncrement;
    const std::int32_t onSteps = p.onSteps;
    double iL = s.iL[1];
    double Vo = s.Vo[1];
    for (std::int32_t k = 1; k <= onSteps; ++k) {
        const double iLNext = onIncrement + iL;
        const double VoNext = Vo - (dt * Vo) / CRL;
        s.iL[k + 1] = iLNext;
        s.Vo[k + 1] = VoNext;
        s.iC[k] = ((VoNext - Vo) * C) / dt;
        s.id[k] = 0;
        iL = iLNext;
        Vo = VoNext;
    }
}

// The sample after the last on sample repeats it (index 0, all zero, when there is no on step).
void HoldAtSwitchOff(const SwitchingPeriod& p, const SampleArrays& s) {
    s.iL[p.offStart] = s.iL[p.onSteps];
    s.iC[p.offStart] = s.iC[p.onSteps];
    s.Vo[p.offStart] = s.Vo[p.onSteps];
}

// Switch off: the output voltage across the inductor, its current flowing through the diode
// into the output node. Sample k's inductor current is then rewritten from the node equation
// of the output, and the diode carries it.
void RunOffInterval(const SwitchingPeriod& p, const SampleArrays& s) {
    const double dt = p.dt;
    const double L = p.L;
    const double C = p.C;
    const double RL = p.RL;
    const double CRL = p.CRL;
    const std::int32_t N = p.N;
    double iL = s.iL[p.offStart];
    double Vo = s.Vo[p.offStart];
    for (std::int32_t k = p.offStart; k <= N; ++k) {
        const double iLNext = (dt * Vo) / L + iL;
        const double VoNext = (Vo - (dt * Vo) / CRL) - (dt * iL) / C;
        const double iC = ((VoNext - Vo) * C) / dt;
        const double iLNode = (-iC) - Vo / RL;
        s.iL[k + 1] = iLNext;
        s.Vo[k + 1] = VoNext;
        s.iC[k] = iC;
        s.iL[k] = iLNode;
        s.id[k] = iLNode;
        iL = iLNext;
        Vo = VoNext;
    }
}

// The next period starts from sample N of this one; index N + 1 is not carried.
void CarryToNextPeriod(const SwitchingPeriod& p, const SampleArrays& s) {
    s.iL[1] = s.iL[p.N];
    s.iC[1] = s.iC[p.N];
    s.Vo[1] = s.Vo[p.N];
    s.id[1] = s.id[p.N];
}

} // namespace

SwitchingPeriod SwitchingPeriodOf(const Module1& m) {
    const double samples = static_cast<double>(m.N);
    const std::int32_t onSteps = CLng(samples * m.D);
    const std::int32_t offStart = CLng(samples * m.D + 1);
    if (onSteps < 0 || onSteps > m.N || offStart < 0 || offStart > m.N + 1) {
        throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
    }
    // The hoisted quantities are formed only when a step uses them: one that overflows must
    // fault exactly when the steps would have computed it, never in a run without such a step.
    const bool anyOnStep = onSteps >= 1;
    const bool anyStep = anyOnStep || offStart <= m.N;
    const double onIncrement = anyOnStep ? (m.Vi * m.dt) / m.L : 0.0;
    const double CRL = anyStep ? m.C * m.RL : 0.0;
    return {m.N, onSteps, offStart, m.dt, m.L, m.C, m.RL, onIncrement, CRL};
}

void RunSwitchingPeriod(const SwitchingPeriod& period, const SampleArrays& samples) {
    RunOnInterval(period, samples);
    HoldAtSwitchOff(period, samples);
    RunOffInterval(period, samples);
    CarryToNextPeriod(period, samples);
}
