// The converter with real parts: its exact periodic steady state and its power books.
#include "core/lossy_converter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <vector>

namespace {

// Gauss-Legendre nodes and weights of ten points on [-1, 1] (the positive half).
constexpr std::array<double, 5> GaussNodes = {0.1488743389816312, 0.4333953941292472,
                                              0.6794095682990244, 0.8650633666889845,
                                              0.9739065285171717};
constexpr std::array<double, 5> GaussWeights = {0.2955242247147529, 0.2692667193099963,
                                                0.2190863625159820, 0.1494513491505806,
                                                0.0666713443086881};
// Pieces of the quadrature span at most this many of the interval's time constants or radians.
constexpr double PieceRate = 0.5;

// The discontinuous fixed point is reached once a secant step moves vC by less than this share.
constexpr double FixedPointTolerance = 1e-14;
constexpr int FixedPointIterations = 200;

// The integrals over an interval of the quantities the power books need.
struct Integrals {
    double iL = 0;
    double iLSquared = 0;
    double vo = 0;
    double voSquared = 0;
    double iCSquared = 0;

    Integrals& operator+=(const Integrals& other) {
        iL += other.iL;
        iLSquared += other.iLSquared;
        vo += other.vo;
        voSquared += other.voSquared;
        iCSquared += other.iCSquared;
        return *this;
    }
};

// Quadrature over [0, length] of an interval whose state at t is `at(t)` and whose node
// is `node(state)`, on pieces short against `rate`.
template <typename At, typename NodeOf>
Integrals Integrate(double length, double rate, At at, NodeOf node) {
    Integrals sums;
    if (length <= 0) {
        return sums;
    }
    const auto pieces = static_cast<std::int64_t>(std::ceil(length * rate / PieceRate)) + 1;
    const double width = length / static_cast<double>(pieces);
    for (std::int64_t k = 0; k < pieces; ++k) {
        const double middle = (static_cast<double>(k) + 0.5) * width;
        for (std::size_t n = 0; n < GaussNodes.size(); ++n) {
            for (const double side : {-1.0, 1.0}) {
                const LossyState x = at(middle + side * GaussNodes[n] * width / 2);
                const LossyNode y = node(x);
                const double weight = GaussWeights[n] * width / 2;
                sums.iL += weight * x.iL;
                sums.iLSquared += weight * (x.iL * x.iL);
                sums.vo += weight * y.vo;
                sums.voSquared += weight * (y.vo * y.vo);
                sums.iCSquared += weight * (y.iC * y.iC);
            }
        }
    }
    return sums;
}

// One period from `start`, with what the books and the values need.
struct Period {
    LossyState start;
    LossyState atSwitchOff;
    std::optional<double> blocking; // s after switch-off
    LossyState end;
    Integrals on;
    Integrals off;     // diode conducting
    Integrals blocked; // diode blocking
    double voMin = 0;  // |vo| extremes at the output node
    double voMax = 0;
    double iLMin = 0;
    double iLMax = 0;
};

LossyState PeriodEnd(const LossyIntervals& k, LossyState start,
                     std::optional<double>* blocking = nullptr) {
    const LossyState atSwitchOff = k.on(start, k.onTime());
    const std::optional<double> zero = k.firstCurrentZero(atSwitchOff, k.offTime());
    if (blocking) {
        *blocking = zero;
    }
    if (!zero) {
        return k.off(atSwitchOff, k.offTime());
    }
    const LossyState atBlocking{0, k.off(atSwitchOff, *zero).vC};
    return k.blocked(atBlocking, k.offTime() - *zero);
}

void Extend(double value, double& low, double& high) {
    low = std::min(low, std::abs(value));
    high = std::max(high, std::abs(value));
}

Period PeriodFrom(const LossyIntervals& k, LossyState start) {
    Period p;
    p.start = start;
    p.atSwitchOff = k.on(start, k.onTime());
    p.end = PeriodEnd(k, start, &p.blocking);
    const double conducting = p.blocking.value_or(k.offTime());
    const auto onNode = [&](LossyState x) { return k.onNode(x); };
    const auto offNode = [&](LossyState x) { return k.offNode(x); };
    p.on = Integrate(
        k.onTime(), k.onRate(), [&](double t) { return k.on(start, t); }, onNode);
    p.off = Integrate(
        conducting, k.offRate(), [&](double t) { return k.off(p.atSwitchOff, t); }, offNode);
    const LossyState atBlocking{0, k.off(p.atSwitchOff, conducting).vC};
    p.blocked = Integrate(
        k.offTime() - conducting, k.blockedRate(),
        [&](double t) { return k.blocked(atBlocking, t); }, onNode);

    p.iLMin = std::numeric_limits<double>::infinity();
    p.voMin = std::numeric_limits<double>::infinity();
    const LossyState offEnd = k.off(p.atSwitchOff, conducting);
    for (const LossyState x : {start, p.atSwitchOff, offEnd}) {
        Extend(x.iL, p.iLMin, p.iLMax);
    }
    if (p.blocking) {
        Extend(0, p.iLMin, p.iLMax);
    }
    for (double t : k.offTurningPoints(p.atSwitchOff, {1, 0}, conducting)) {
        Extend(k.off(p.atSwitchOff, t).iL, p.iLMin, p.iLMax);
    }
    for (const double vo :
         {k.onNode(start).vo, k.onNode(p.atSwitchOff).vo, k.offNode(p.atSwitchOff).vo,
          k.offNode(offEnd).vo, k.onNode(p.end).vo}) {
        Extend(vo, p.voMin, p.voMax);
    }
    for (double t : k.offTurningPoints(p.atSwitchOff, k.offOutputWeights(), conducting)) {
        Extend(k.offNode(k.off(p.atSwitchOff, t)).vo, p.voMin, p.voMax);
    }
    return p;
}

// The affine period map without blocking, x -> P x + q, and its fixed point.
LossyState ContinuousFixedPoint(const LossyIntervals& k) {
    const auto unblocked = [&](LossyState x) { return k.off(k.on(x, k.onTime()), k.offTime()); };
    const LossyState q = unblocked({0, 0});
    const LossyState e1 = unblocked({1, 0});
    const LossyState e2 = unblocked({0, 1});
    const double p00 = e1.iL - q.iL;
    const double p10 = e1.vC - q.vC;
    const double p01 = e2.iL - q.iL;
    const double p11 = e2.vC - q.vC;
    const double a = 1 - p00;
    const double b = -p01;
    const double c = -p10;
    const double d = 1 - p11;
    const double determinant = a * d - b * c;
    return {(q.iL * d - b * q.vC) / determinant, (a * q.vC - c * q.iL) / determinant};
}

// Discontinuous conduction: every period starts at rest, iL = 0, and the period map is a map of
// vC alone; its fixed point by the secant method.
LossyState DiscontinuousFixedPoint(const LossyIntervals& k, double guess) {
    const auto gap = [&](double v) { return PeriodEnd(k, {0, v}).vC - v; };
    double v0 = guess;
    double g0 = gap(v0);
    double v1 = v0 + g0;
    for (int iteration = 0; iteration < FixedPointIterations; ++iteration) {
        const double g1 = gap(v1);
        if (g1 == 0 || g1 == g0) {
            break;
        }
        const double v2 = v1 - g1 * (v1 - v0) / (g1 - g0);
        v0 = v1;
        g0 = g1;
        v1 = v2;
        if (std::abs(v1 - v0) <= FixedPointTolerance * std::abs(v1)) {
            break;
        }
    }
    return {0, v1};
}

LossySteadyState BooksOf(const ConverterCircuit& c, const RealParts& parts, const Period& p) {
    const double f = c.f;
    LossySteadyState s;
    s.discontinuous = p.blocking.has_value();
    s.start = p.start;
    Integrals whole = p.on;
    whole += p.off;
    whole += p.blocked;
    PeriodValues& v = s.values;
    v.iLMin = p.iLMin;
    v.iLMax = p.iLMax;
    v.DeltaiL = p.iLMax - p.iLMin;
    v.VoMin = p.voMin;
    v.VoMax = p.voMax;
    v.DeltaVo = p.voMax - p.voMin;
    v.DeltaVoMilli = v.DeltaVo * 1000;
    v.meanVo = f * whole.vo;
    v.meanDiodeCurrent = f * p.off.iL;
    v.meanInputCurrent = f * p.on.iL;

    PartLosses& l = s.losses;
    s.inputPower = c.Vi * v.meanInputCurrent;
    s.outputPower = f * whole.voSquared / c.RL;
    l.switchConduction = parts.rS * (f * p.on.iLSquared);
    l.inductor = parts.rL * (f * whole.iLSquared);
    l.diode = parts.Vf * (f * p.off.iL) + parts.rD * (f * p.off.iLSquared);
    l.capacitor = parts.rC * (f * whole.iCSquared);
    s.energyBalance =
        s.inputPower - s.outputPower - l.switchConduction - l.inductor - l.diode - l.capacitor;
    const double blockedVoltage = c.Vi - v.meanVo + parts.Vf;
    l.switchSwitching =
        0.5 * blockedVoltage * (p.start.iL * parts.tr + p.atSwitchOff.iL * parts.tf) * f;
    l.switchCoss = 0.5 * parts.Coss * (blockedVoltage * blockedVoltage) * f;
    l.gate = parts.Qg * parts.Vg * f;
    l.total = l.switchConduction + l.switchSwitching + l.switchCoss + l.gate + l.inductor +
              l.diode + l.capacitor;
    s.efficiency = s.outputPower / (s.outputPower + l.total);
    return s;
}

} // namespace

LossySteadyState SolveLossySteadyState(const ConverterCircuit& circuit, const RealParts& parts) {
    const LossyIntervals k(circuit, parts);
    LossyState start = ContinuousFixedPoint(k);
    std::optional<double> blocking;
    if (start.iL < 0 || (PeriodEnd(k, start, &blocking), blocking.has_value())) {
        start = DiscontinuousFixedPoint(k, std::min(start.vC, 0.0));
    }
    return BooksOf(circuit, parts, PeriodFrom(k, start));
}
