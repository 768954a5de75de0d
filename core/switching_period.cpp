#include "core/switching_period.h"

#include "core/conversions.h"
#include "core/floating_point_environment.h"
#include "core/handler_support.h"

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
    return {m.N, onSteps, offStart, m.Vi, m.dt, m.L, m.C, m.RL, onIncrement, CRL};
}

// The on and off steps carry the state of the step and the circuit constants in locals: the
// recurrence then never waits for a value to travel through memory (a sample store could
// otherwise alias a constant and force its reload), and every sample is still stored as written.

// Vi across the inductor, the capacitor discharging into the load.
void RunOnSteps(const SwitchingPeriod& p, const SampleArrays& s, std::int32_t first,
                std::int32_t last) {
    const double dt = p.dt;
    const double C = p.C;
    const double CRL = p.CRL;
    const double onIncrement = p.onIncrement;
    double iL = s.iL[first];
    double Vo = s.Vo[first];
    for (std::int32_t k = first; k <= last; ++k) {
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

void HoldAtSwitchOff(const SwitchingPeriod& p, const SampleArrays& s) {
    s.iL[p.offStart] = s.iL[p.onSteps];
    s.iC[p.offStart] = s.iC[p.onSteps];
    s.Vo[p.offStart] = s.Vo[p.onSteps];
}

// The output voltage across the inductor, its current flowing through the diode into the
// output node. Sample k's inductor current is then rewritten from the node equation of the
// output, and the diode carries it. Sample first + 1 still holds the current that step first
// stored, not yet rewritten: the next stretch starts from it.
void RunOffSteps(const SwitchingPeriod& p, const SampleArrays& s, std::int32_t first,
                 std::int32_t last) {
    const double dt = p.dt;
    const double L = p.L;
    const double C = p.C;
    const double RL = p.RL;
    const double CRL = p.CRL;
    double iL = s.iL[first];
    double Vo = s.Vo[first];
    for (std::int32_t k = first; k <= last; ++k) {
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

void CarryToNextPeriod(const SwitchingPeriod& p, const SampleArrays& s) {
    s.iL[1] = s.iL[p.N];
    s.iC[1] = s.iC[p.N];
    s.Vo[1] = s.Vo[p.N];
    s.id[1] = s.id[p.N];
}

void RunOnStepsChecked(const SwitchingPeriod& p, const SampleArrays& s, std::int32_t first,
                       std::int32_t last, std::int32_t& step) {
    for (step = first; step <= last; ++step) {
        const std::int32_t k = step;
        StoreChecked(s.iL[k + 1], (Traced(p.Vi) * p.dt) / p.L + s.iL[k]);
        StoreChecked(s.Vo[k + 1],
                     Traced(s.Vo[k]) - (Traced(p.dt) * s.Vo[k]) / (Traced(p.C) * p.RL));
        StoreChecked(s.iC[k], ((Traced(s.Vo[k + 1]) - s.Vo[k]) * p.C) / p.dt);
        s.id[k] = 0;
    }
}

void RunOffStepsChecked(const SwitchingPeriod& p, const SampleArrays& s, std::int32_t first,
                        std::int32_t last, std::int32_t& step) {
    for (step = first; step <= last; ++step) {
        const std::int32_t k = step;
        StoreChecked(s.iL[k + 1], (Traced(p.dt) * s.Vo[k]) / p.L + s.iL[k]);
        StoreChecked(s.Vo[k + 1],
                     (Traced(s.Vo[k]) - (Traced(p.dt) * s.Vo[k]) / (Traced(p.C) * p.RL)) -
                         (Traced(p.dt) * s.iL[k]) / p.C);
        StoreChecked(s.iC[k], ((Traced(s.Vo[k + 1]) - s.Vo[k]) * p.C) / p.dt);
        StoreChecked(s.iL[k], (-Traced(s.iC[k])) - Traced(s.Vo[k]) / p.RL);
        s.id[k] = s.iL[k];
    }
}
