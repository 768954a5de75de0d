#include "core/measurements.h"

#include "core/handler_support.h"
#include "core/module1.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// A finder reads the arrays with the current N, which a refused verification may have changed
// since the arrays were made: a sample beyond them is an index fault, never a stray read.
double MagnitudeAt(const std::vector<double>& samples, std::int32_t index) {
    const auto position = static_cast<std::size_t>(index);
    if (index < 0 || position >= samples.size()) {
        throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
    }
    return std::abs(samples[position]);
}

bool AtLeast(double magnitude, double result) {
    return magnitude >= result;
}

bool AtMost(double magnitude, double result) {
    return magnitude <= result;
}

// Starts from sample 1 and visits it again; a magnitude that `replaces` the result becomes it.
void FindExtreme(Module1& m, const std::vector<double>& samples, double& result,
                 bool (*replaces)(double, double)) {
    result = MagnitudeAt(samples, 1);
    const std::int32_t last = m.N;
    for (m.Idx = 1; m.Idx <= last; ++m.Idx) {
        const double magnitude = MagnitudeAt(samples, m.Idx);
        if (replaces(magnitude, result)) {
            result = magnitude;
        }
    }
}

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

void FindILMax(Module1& m) {
    FindExtreme(m, m.iL_t, m.iLMax, AtLeast);
}

void FindILMin(Module1& m) {
    FindExtreme(m, m.iL_t, m.iLMin, AtMost);
}

void FindICMax(Module1& m) {
    FindExtreme(m, m.iC_t, m.iCMax, AtLeast);
}

void FindVoMax(Module1& m) {
    FindExtreme(m, m.Vo_t, m.VoMax, AtLeast);
}

void FindVoMin(Module1& m) {
    FindExtreme(m, m.Vo_t, m.VoMin, AtMost);
}

void FindIdMax(Module1& m) {
    FindExtreme(m, m.id_t, m.idMax, AtLeast);
}

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
