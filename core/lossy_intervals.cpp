// The intervals of the converter with real parts, each solved in closed form.
#include "core/lossy_intervals.h"

#include "core/sign_change_root.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

// The damped forms are summed as series while |beta t| <= 1, through the critical damping.
constexpr double SeriesLimit = 1;
constexpr int SeriesTerms = 10;

} // namespace

LossyIntervals::LossyIntervals(const ConverterCircuit& c, const RealParts& p)
    : c_(c), p_(p), onTime_(c.D / c.f), offTime_((1 - c.D) / c.f), loadAndEsr_(c.RL + p.rC),
      dischargeTime_(loadAndEsr_ * c.C), onResistance_(p.rS + p.rL) {
    // Off, diode conducting: x' = A x + b.
    const double share = c.RL / loadAndEsr_;
    a_[0][0] = -(p.rD + p.rL) / c.L - p.rC * share / c.L;
    a_[0][1] = share / c.L;
    a_[1][0] = -share / c.C;
    a_[1][1] = -1 / (loadAndEsr_ * c.C);
    b0_ = -p.Vf / c.L;
    determinant_ = a_[0][0] * a_[1][1] - a_[0][1] * a_[1][0];
    equilibrium_ = {-(a_[1][1] * b0_) / determinant_, (a_[1][0] * b0_) / determinant_};
    sigma_ = (a_[0][0] + a_[1][1]) / 2;
    const double half = (a_[0][0] - a_[1][1]) / 2;
    betaSquared_ = half * half + a_[0][1] * a_[1][0];
    offRate_ = std::abs(sigma_) + std::sqrt(std::abs(betaSquared_));
    onRate_ = std::max(onResistance_ / c.L, 1 / dischargeTime_);
}

LossyState LossyIntervals::on(LossyState x, double t) const {
    const double gain =
        onResistance_ > 0 ? -std::expm1(-onResistance_ * t / c_.L) / onResistance_ : t / c_.L;
    return {x.iL + (c_.Vi - onResistance_ * x.iL) * gain, x.vC * std::exp(-t / dischargeTime_)};
}

LossyState LossyIntervals::blocked(LossyState x, double t) const {
    return {0, x.vC * std::exp(-t / dischargeTime_)};
}

LossyState LossyIntervals::off(LossyState x, double t) const {
    const LossyState d{x.iL - equilibrium_.iL, x.vC - equilibrium_.vC};
    const LossyState e = damped(d, t);
    return {equilibrium_.iL + e.iL, equilibrium_.vC + e.vC};
}

double LossyIntervals::offSlope(LossyState x, LossyState w, double t) const {
    const LossyState d{x.iL - equilibrium_.iL, x.vC - equilibrium_.vC};
    const LossyState e = damped(d, t);
    return w.iL * (a_[0][0] * e.iL + a_[0][1] * e.vC) + w.vC * (a_[1][0] * e.iL + a_[1][1] * e.vC);
}

LossyNode LossyIntervals::onNode(LossyState x) const {
    const double iC = -x.vC / loadAndEsr_;
    return {x.vC + p_.rC * iC, iC};
}

LossyNode LossyIntervals::offNode(LossyState x) const {
    const double iC = (-x.iL * c_.RL - x.vC) / loadAndEsr_;
    return {x.vC + p_.rC * iC, iC};
}

LossyState LossyIntervals::offOutputWeights() const {
    return {-p_.rC * c_.RL / loadAndEsr_, c_.RL / loadAndEsr_};
}

std::vector<double> LossyIntervals::offTurningPoints(LossyState start, LossyState w,
                                                     double end) const {
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
        if (slopeLow != 0 && slopeHigh != 0 && std::signbit(slopeLow) != std::signbit(slopeHigh)) {
            turns.push_back(SignChangeRoot(low, high, slopeLow, slope));
        }
        low = high;
        slopeLow = slopeHigh;
    }
    return turns;
}

std::optional<double> LossyIntervals::firstCurrentZero(LossyState start, double end) const {
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

LinearInterval LossyIntervals::onSystem() const {
    const double share = c_.RL / loadAndEsr_;
    return {{{-onResistance_ / c_.L, 0}, {0, -1 / dischargeTime_}}, {c_.Vi / c_.L, 0}, {0, share}};
}

LinearInterval LossyIntervals::offSystem() const {
    const LossyState weights = offOutputWeights();
    return {{{a_[0][0], a_[0][1]}, {a_[1][0], a_[1][1]}}, {b0_, 0}, {weights.iL, weights.vC}};
}

LinearInterval LossyIntervals::blockedSystem() const {
    return {{{0, 0}, {0, -1 / dischargeTime_}}, {0, 0}, {0, c_.RL / loadAndEsr_}};
}

LossyState LossyIntervals::damped(LossyState d, double t) const {
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
