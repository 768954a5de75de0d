#include "core/summary_values.h"

#include "core/extremes.h"
#include "core/runtime_error.h"

#include <cmath>

namespace {

// The samples are finite (the simulation stops at any fault) and these sums and products have
// no division, so a value can leave the finite doubles only by an overflow, the first fault of
// its statement. A running sum, once outside them, stays outside.
double Checked(double value) {
    if (!std::isfinite(value)) {
        throw RuntimeError(RuntimeErrorKind::Overflow);
    }
    return value;
}

// f x (the sum of dt x id over the period): the mean diode current. An overflowing sum stops at
// the sample that made it overflow, with Idx there.
double MeanDiodeCurrent(Module1& m) {
    double sum = 0;
    const std::int32_t last = m.N;
    for (m.Idx = 1; m.Idx <= last; ++m.Idx) {
        sum = Checked(m.dt * m.id_t[m.Idx] + sum);
    }
    return m.f * sum;
}

// The inductor current less the diode current is the input current: iL while the switch is
// on, 0 while it is off.
double MeanInputCurrent(Module1& m) {
    double sum = 0;
    const std::int32_t last = m.N;
    for (m.Idx = 1; m.Idx <= last; ++m.Idx) {
        sum = Checked((m.iL_t[m.Idx] - m.id_t[m.Idx]) * m.dt + sum);
    }
    return m.f * sum;
}

} // namespace

void MeasureLastPeriod(Module1& m) {
    FindILMax(m);
    FindILMin(m);
    FindICMax(m);
    FindVoMax(m);
    FindVoMin(m);
    m.DeltaiLSim = m.iLMax - m.iLMin;
    m.IDPSim = m.iLMax;
    m.DeltaVoSim = Checked((m.VoMax - m.VoMin) * 1000);
    m.IdmSim = Checked(MeanDiodeCurrent(m));
    m.IimSim = Checked(MeanInputCurrent(m));
}
