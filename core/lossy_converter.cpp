// The converter with real parts: its exact periodic steady state and its power books.
#include "core/lossy_converter.h"

#include "core/sign_change_root.h"

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

// The damped forms are summed as series while |beta t| <= 1, through the critical damping.
constexpr double SeriesLimit = 1;
constexpr int SeriesTerms = 10;

// The discontinuous fixed point is reached once a secant step moves vC by less than this share.
constexpr double FixedPointTolerance = 1e-14;
constexpr int FixedPointIterations = 200;

struct State {
    double iL = 0; // A
    double vC = 0; // V, across the capacitor itself
};

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

// The output node and the capacitor's current of a state, in one interval's topology.
struct Node {
    double vo = 0;
    double iC = 0;
};

// The circuit's constants that every interval uses.
class Converter {
public:
    Converter(const ConverterCircuit& c, const RealParts& p)
        : c_(c), p_(p), onTime_(c.D / c.f), offTime_((1 - c.D) / c.f), loadAndEsr_(c.RL + p.rC),
          dischargeTime_(loadAndEsr_ * c.C), onResistance_(p.rS + p.rL) {
        // Off, diode conducting: x' = A x + b.
        const double share = c.RL / loadAndEsr_;
        a_[0][0] = -(p.rD + p.rL) / c.L - p.rC * share / c.L;
        a_[0][1] = share / c.L;
        a_[1][0] = -share / c.C;
        a_[1][1] = -1 / (loadAndEsr_ * c.C);
        const double b0 = -p.Vf / c.L;
        determinant_ = a_[0][0] * a_[1][1] - a_[0][1] * a_[1][0];
        equilibrium_ = {-(a_[1][1] * b0) / determinant_, (a_[1][0] * b0) / determinant_};
        sigma_ = (a_[0][0] + a_[1][1]) / 2;
        const double half = (a_[0][0] - a_[1][1]) / 2;
        betaSquared_ = half * half + a_[0][1] * a_[1][0];
        offRate_ = std::abs(sigma_) + std::sqrt(std::abs(betaSquared_));
        onRate_ = std::max(onResistance_ / c.L, 1 / dischargeTime_);
    }

    double onTime() const { return onTime_; }
    double offTime() const { return offTime_; }

    // Switch on: iL relaxes toward Vi / (rS + rL), vC discharges into RL + rC.
    State on(State x, double t) const {
        const double gain =
            onResistance_ > 0 ? -std::expm1(-onResistance_ * t / c_.L) / onResistance_ : t / c_.L;
        return {x.iL + (c_.Vi - onResistance_ * x.iL) * gain, x.vC * std::exp(-t / dischargeTime_)};
    }
    State blocked(State x, double t) const { return {0, x.vC * std::exp(-t / dischargeTime_)}; }
    // Switch off, diode conducting, whatever the sign of iL.
    State off(State x, double t) const {
        const State d{x.iL - equilibrium_.iL, x.vC - equilibrium_.vC};
        const State e = damped(d, t);
        return {equilibrium_.iL + e.iL, equilibrium_.vC + e.vC};
    }
    // The time derivative of w . x(t) in the off interval: a damped form of its own.
    double offSlope(State x, State w, double t) const {
        const State d{x.iL - equilibrium_.iL, x.vC - equilibrium_.vC};
        const State e = damped(d, t);
        return w.iL * (a_[0][0] * e.iL + a_[0][1] * e.vC) +
               w.vC * (a_[1][0] * e.iL + a_[1][1] * e.vC);
    }

    Node onNode(State x) const {
        const double iC = -x.vC / loadAndEsr_;
        return {x.vC + p_.rC * iC, iC};
    }
    Node offNode(State x) const {
        const double iC = (-x.iL * c_.RL - x.vC) / loadAndEsr_;
        return {x.vC + p_.rC * iC, iC};
    }
    // The output node's weights in the off interval: vo = (RL vC - rC RL iL) / (RL + rC).
    State offOutputWeights() const { return {-p_.rC * c_.RL / loadAndEsr_, c_.RL / loadAndEsr_}; }

    // Times in (0, end] where the off interval's w . x has a zero of its slope: between two of
    // them (and the ends) w . x is monotone.
    std::vector<double> offTurningPoints(State start, State w, double end) const {
        const double piece =
            betaSquared_ < 0 ? std::min(end, std::numbers::pi / std::sqrt(-betaSquared_) / 2) : end;
        const auto pieces = static_cast<std::int64_t>(std::ceil(end / piece));
        std::vector<double> turns;
        const auto slope = [&](double t) { return offSlope(start, w, t); };
        double low = 0;
        double slopeLow = slope(0);
        for (std::int64_t k = 1; k <= pieces; ++k) {
            const double high = k == pieces ? end : static_cast<double>(k) * piece;
            const double slopeHigh = slope(high);
            if (slopeLow != 0 && slopeHigh != 0 &&
                std::signbit(slopeLow) != std::signbit(slopeHigh)) {
                turns.push_back(SignChangeRoot(low, high, slopeLow, slope));
            }
            low = high;
            slopeLow = slopeHigh;
        }
        return turns;
    }

    // The first instant in (0, end] at which iL, falling from `start`, reaches 0.
    std::optional<double> firstCurrentZero(State start, double end) const {
        if (start.iL <= 0) {
            return 0.0;
        }
        std::vector<double> marks = offTurningPoints(start, {1, 0}, end);
        marks.push_back(end);
        double low = 0;
        double iLow = start.iL;
        for (double mark : marks) {
            const double iHigh = off(start, mark).iL;
            if (iHigh <= 0) {
                return SignChangeRoot(low, mark, iLow, [&](double t) { return off(start, t).iL; });
            }
            low = mark;
            iLow = iHigh;
        }
        return std::nullopt;
    }

    // Quadrature over [0, length] of an interval whose state at t is `at(t)` and whose node
    // is `node(state)`, on pieces short against `rate`.
    template <typename At, typename NodeOf>
    Integrals integrate(double length, double rate, At at, NodeOf node) const {
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
                    const State x = at(middle + side * GaussNodes[n] * width / 2);
                    const Node y = node(x);
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

    double onRate() const { return onRate_; }
    double offRate() const { return offRate_; }
    double blockedRate() const { return 1 / dischargeTime_; }

private:
    // e^(A t) d = e^(sigma t) (c d + s (A - sigma I) d), c and s the damped pair.
    State damped(State d, double t) const {
        double c = 0;
        double s = 0;
        const double z = betaSquared_ * t * t;
        if (std::abs(z) <= SeriesLimit) {
            double cSum = 1;
            double sOverT = 1;
            for (int k = SeriesTerms; k >= 1; --k) {
                cSum = 1 + z * cSum / ((2.0 * k - 1) * (2.0 * k));
                sOverT = 1 + z * sOverT / ((2.0 * k) * (2.0 * k + 1));
            }
            const double decay = std::exp(sigma_ * t);
            c = decay * cSum;
            s = decay * t * sOverT;
        } else if (z < 0) {
            const double omega = std::sqrt(-betaSquared_);
            const double decay = std::exp(sigma_ * t);
            c = decay * std::cos(omega * t);
            s = decay * std::sin(omega * t) / omega;
        } else {
            // The slow rate sigma + beta as det(A) / (sigma - beta), free of cancellation.
            const double beta = std::sqrt(betaSquared_);
            const double fast = std::exp((sigma_ - beta) * t);
            const double slow = std::exp(determinant_ / (sigma_ - beta) * t);
            c = (slow + fast) / 2;
            s = (slow - fast) / (2 * beta);
        }
        return {c * d.iL + s * ((a_[0][0] - sigma_) * d.iL + a_[0][1] * d.vC),
                c * d.vC + s * (a_[1][0] * d.iL + (a_[1][1] - sigma_) * d.vC)};
    }

    ConverterCircuit c_;
    RealParts p_;
    double onTime_;
    double offTime_;
    double loadAndEsr_;    // RL + rC
    double dischargeTime_; // (RL + rC) C
    double onResistance_;  // rS + rL
    double a_[2][2] = {};
    double determinant_ = 0;
    State equilibrium_;
    double sigma_ = 0;
    double betaSquared_ = 0;
    double onRate_ = 0;
    double offRate_ = 0;
};

// One period from `start`, with what the books and the values need.
struct Period {
    State start;
    State atSwitchOff;
    std::optional<double> blocking; // s after switch-off
    State end;
    Integrals on;
    Integrals off;     // diode conducting
    Integrals blocked; // diode blocking
    double voMin = 0;  // |vo| extremes at the output node
    double voMax = 0;
    double iLMin = 0;
    double iLMax = 0;
};

State PeriodEnd(const Converter& k, State start, std::optional<double>* blocking = nullptr) {
    const State atSwitchOff = k.on(start, k.onTime());
    const std::optional<double> zero = k.firstCurrentZero(atSwitchOff, k.offTime());
    if (blocking) {
        *blocking = zero;
    }
    if (!zero) {
        return k.off(atSwitchOff, k.offTime());
    }
    const State atBlocking{0, k.off(atSwitchOff, *zero).vC};
    return k.blocked(atBlocking, k.offTime() - *zero);
}

void Extend(double value, double& low, double& high) {
    low = std::min(low, std::abs(value));
    high = std::max(high, std::abs(value));
}

Period PeriodFrom(const Converter& k, State start) {
    Period p;
    p.start = start;
    p.atSwitchOff = k.on(start, k.onTime());
    p.end = PeriodEnd(k, start, &p.blocking);
    const double conducting = p.blocking.value_or(k.offTime());
    const auto onNode = [&](State x) { return k.onNode(x); };
    const auto offNode = [&](State x) { return k.offNode(x); };
    p.on = k.integrate(
        k.onTime(), k.onRate(), [&](double t) { return k.on(start, t); }, onNode);
    p.off = k.integrate(
        conducting, k.offRate(), [&](double t) { return k.off(p.atSwitchOff, t); }, offNode);
    const State atBlocking{0, k.off(p.atSwitchOff, conducting).vC};
    p.blocked = k.integrate(
        k.offTime() - conducting, k.blockedRate(),
        [&](double t) { return k.blocked(atBlocking, t); }, onNode);

    p.iLMin = std::numeric_limits<double>::infinity();
    p.voMin = std::numeric_limits<double>::infinity();
    const State offEnd = k.off(p.atSwitchOff, conducting);
    for (const State x : {start, p.atSwitchOff, offEnd}) {
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
State ContinuousFixedPoint(const Converter& k) {
    const auto unblocked = [&](State x) { return k.off(k.on(x, k.onTime()), k.offTime()); };
    const State q = unblocked({0, 0});
    const State e1 = unblocked({1, 0});
    const State e2 = unblocked({0, 1});
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
State DiscontinuousFixedPoint(const Converter& k, double guess) {
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

bool RealParts::any() const {
    return rS != 0 || rL != 0 || rC != 0 || Vf != 0 || rD != 0 || tr != 0 || tf != 0 || Coss != 0 ||
           Qg != 0 || Vg != 0;
}

LossySteadyState SolveLossySteadyState(const ConverterCircuit& circuit, const RealParts& parts) {
    const Converter k(circuit, parts);
    State start = ContinuousFixedPoint(k);
    std::optional<double> blocking;
    if (start.iL < 0 || (PeriodEnd(k, start, &blocking), blocking.has_value())) {
        start = DiscontinuousFixedPoint(k, std::min(start.vC, 0.0));
    }
    return BooksOf(circuit, parts, PeriodFrom(k, start));
}
