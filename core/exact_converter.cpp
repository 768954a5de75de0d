#include "core/exact_converter.h"

#include "core/sign_change_root.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The off interval's functions are summed as series while |beta t| <= 1: through the critical
// damping, where beta vanishes and the closed forms divide by it.
constexpr double SeriesLimit = 1;
constexpr int SeriesTerms = 10; // the first term left out is below 1 / 22!, under 1e-21

// A root is polished until Newton's step is this small relative to the root.
constexpr double RootTolerance = 1e-15;
constexpr int RootIterations = 200;

// The extrapolation of discontinuous conduction has reached the fixed point once it moves the
// state by less than this share.
constexpr double FixedPointTolerance = 1e-13;

// Within this share of the fixed point the period map is as good as linear: the iterates
// approach the fixed point geometrically until the roundings of a period stop them.
constexpr double LinearNeighbourhood = 1e-9;

// Discontinuous conduction approaches its fixed point slowly under a light load (at a rate set
// by the load's time constant against the period); extrapolated, within a few rounds.
constexpr std::int32_t SteadyStateRounds = 1000;

// A deviation from the steady state whose energy-equivalent current stays below this share of
// the steady smallest current can never bring iL to zero (with room for rounding).
constexpr double ContinuousBasinShare = 0.9;

bool Near(CircuitState a, CircuitState b) {
    return std::abs(a.iL - b.iL) <= FixedPointTolerance * std::abs(b.iL) &&
           std::abs(a.vo - b.vo) <= FixedPointTolerance * std::abs(b.vo);
}

// Three successive period starts of discontinuous conduction (each at rest, iL = 0) differ in
// vo alone, and vo approaches its fixed point geometrically: Aitken's extrapolation of the
// three, when it gives a resting state, else the last of them.
CircuitState Extrapolated(CircuitState x0, CircuitState x1, CircuitState x2) {
    if (x0.iL != 0 || x1.iL != 0 || x2.iL != 0) {
        return x2;
    }
    const double step = x1.vo - x0.vo;
    const double curvature = (x2.vo - x1.vo) - step;
    const double vo = x0.vo - step * step / curvature;
    return std::isfinite(vo) && vo <= 0 ? CircuitState{0, vo} : x2;
}

} // namespace

// e^(-alpha t) cosh(beta t) and e^(-alpha t) sinh(beta t) / beta: the off interval's state is
// c x + s (A + alpha I) x for A its system matrix, whichever the damping.
struct ExactConverter::DampedPair {
    double c;
    double s;
};

// The off interval's conduction: how long the diode conducts and the state when it stops (at
// the end of the interval, or when iL reaches 0 and the diode blocks).
struct ExactConverter::Conduction {
    double time;
    CircuitState atEnd;
    bool blocks;
};

ExactConverter::ExactConverter(const ConverterCircuit& circuit, DiodeModel diode)
    : circuit_(circuit), diode_(diode), onTime_(circuit.D / circuit.f),
      offTime_((1 - circuit.D) / circuit.f), loadTimeConstant_(circuit.RL * circuit.C),
      onRise_(circuit.Vi * onTime_ / circuit.L), onDecay_(std::exp(-onTime_ / loadTimeConstant_)),
      alpha_(1 / (2 * loadTimeConstant_)), betaSquared_(0), blockingWindow_(0),
      omegaSquared_(1 / (circuit.L * circuit.C)), offMap_(), periodMap_(), periodShift_() {
    // (alpha - omega)(alpha + omega) keeps beta^2 as exact as alpha and omega themselves.
    const double omega = std::sqrt(omegaSquared_);
    betaSquared_ = (alpha_ - omega) * (alpha_ + omega);
    blockingWindow_ = betaSquared_ < 0 ? std::numbers::pi / std::sqrt(-betaSquared_)
                                       : std::numeric_limits<double>::infinity();
    const DampedPair off = offFunctions(offTime_);
    offMap_[0][0] = off.c + alpha_ * off.s;
    offMap_[0][1] = off.s / circuit_.L;
    offMap_[1][0] = -off.s / circuit_.C;
    offMap_[1][1] = off.c - alpha_ * off.s;
    for (int row = 0; row < 2; ++row) {
        periodMap_[row][0] = offMap_[row][0];
        periodMap_[row][1] = offMap_[row][1] * onDecay_;
        periodShift_[row] = offMap_[row][0] * onRise_;
    }
    findSteadyState();
}

ExactConverter::DampedPair ExactConverter::offFunctions(double t) const {
    const double z = betaSquared_ * t * t;
    if (std::abs(z) <= SeriesLimit) {
        // cosh(beta t) = sum z^k / (2k)!, sinh(beta t) / (beta t) = sum z^k / (2k + 1)!
        double c = 1;
        double sOverT = 1;
        for (int k = SeriesTerms; k >= 1; --k) {
            c = 1 + z * c / ((2.0 * k - 1) * (2.0 * k));
            sOverT = 1 + z * sOverT / ((2.0 * k) * (2.0 * k + 1));
        }
        const double decay = std::exp(-alpha_ * t);
        return {decay * c, decay * t * sOverT};
    }
    if (z < 0) {
        const double omegaDamped = std::sqrt(-betaSquared_);
        const double decay = std::exp(-alpha_ * t);
        return {decay * std::cos(omegaDamped * t), decay * std::sin(omegaDamped * t) / omegaDamped};
    }
    // Overdamped: the two real rates, the slow one as omega^2 / (alpha + beta) to avoid the
    // cancellation in alpha - beta; the exponentials combined so that nothing overflows.
    const double beta = std::sqrt(betaSquared_);
    const double fast = std::exp(-(alpha_ + beta) * t);
    const double slow = std::exp(-(omegaSquared_ / (alpha_ + beta)) * t);
    return {(slow + fast) / 2, (slow - fast) / (2 * beta)};
}

CircuitState ExactConverter::afterOn(CircuitState start, double t) const {
    return {start.iL + circuit_.Vi * t / circuit_.L, start.vo * std::exp(-t / loadTimeConstant_)};
}

CircuitState ExactConverter::offConducting(CircuitState x, double t) const {
    const DampedPair p = offFunctions(t);
    return {(p.c + alpha_ * p.s) * x.iL + p.s / circuit_.L * x.vo,
            -p.s / circuit_.C * x.iL + (p.c - alpha_ * p.s) * x.vo};
}

// The first zero in (0, end] of h(t) = e^(-alpha t) (c h0 + s h1), given h(0) = h0 > 0 >= h(end):
// every linear combination of the off interval's state has this form. While iL > 0 and vo <= 0,
// the currents compared here (iL, and iL less the load current) cross zero once at most, so the
// bracket holds the only root. Newton's steps, replaced by bisection when they leave it.
double ExactConverter::firstZero(double h0, double h1, double end) const {
    double low = 0;
    double high = end;
    double t = end / 2;
    for (int iteration = 0; iteration < RootIterations; ++iteration) {
        const DampedPair p = offFunctions(t);
        const double h = p.c * h0 + p.s * h1;
        if (h == 0) {
            return t;
        }
        (h > 0 ? low : high) = t;
        const double slope = -alpha_ * h + betaSquared_ * p.s * h0 + p.c * h1;
        double nextT = t - h / slope;
        if (!(nextT > low && nextT < high)) {
            nextT = low + (high - low) / 2;
        }
        if (std::abs(nextT - t) <= RootTolerance * nextT) {
            return nextT;
        }
        t = nextT;
    }
    return t;
}

// While the diode conducts iL only falls (vo <= 0), so it reaches 0 within the interval
// exactly when the unblocked solution ends at or below 0. An underdamped RLC swings iL below 0
// within half an oscillation, and could swing it back above 0 by the interval's end: an
// interval longer than that always blocks, within the first half oscillation.
ExactConverter::Conduction ExactConverter::offInterval(CircuitState x) const {
    const CircuitState atEnd = {offMap_[0][0] * x.iL + offMap_[0][1] * x.vo,
                                offMap_[1][0] * x.iL + offMap_[1][1] * x.vo};
    if (diode_ == DiodeModel::Unblocked || (offTime_ <= blockingWindow_ && atEnd.iL > 0)) {
        return {offTime_, atEnd, false};
    }
    const double window = std::min(offTime_, blockingWindow_);
    const double blocking = firstZero(x.iL, alpha_ * x.iL + x.vo / circuit_.L, window);
    return {blocking, {0, offConducting(x, blocking).vo}, true};
}

CircuitState ExactConverter::stateWithin(CircuitState start, double t) const {
    if (t <= onTime_) {
        return afterOn(start, t);
    }
    const CircuitState atSwitchOff = afterOn(start, onTime_);
    const double offElapsed = t - onTime_;
    const Conduction conduction = offInterval(atSwitchOff);
    if (!conduction.blocks || offElapsed <= conduction.time) {
        return offConducting(atSwitchOff, offElapsed);
    }
    return {0, conduction.atEnd.vo * std::exp(-(offElapsed - conduction.time) / loadTimeConstant_)};
}

// After a blocking, C discharges into RL for the rest of the period; without one the rest is
// empty and the state stays as the conduction left it.
CircuitState ExactConverter::periodEnd(const Conduction& conduction) const {
    const double blockedTime = offTime_ - conduction.time;
    return {conduction.atEnd.iL, conduction.atEnd.vo * std::exp(-blockedTime / loadTimeConstant_)};
}

CircuitState ExactConverter::next(CircuitState start) const {
    return periodEnd(offInterval({start.iL + onRise_, start.vo * onDecay_}));
}

// The means come from the end values of each interval, since each equation integrates in
// closed form: on, integral vo = RL C (vo0 - vo1); conducting off, integral vo = L (iL1 - iL0)
// and integral iL = -C (vo1 - vo0) - integral vo / RL; blocked, integral vo = RL C (vo0 - vo1).
ExactPeriod ExactConverter::period(CircuitState start) const {
    if (diode_ == DiodeModel::Unblocked) {
        return periodWithoutBlocking(start);
    }
    const CircuitState atSwitchOff = {start.iL + onRise_, start.vo * onDecay_};
    const Conduction conduction = offInterval(atSwitchOff);
    const CircuitState end = periodEnd(conduction);

    double voMax = std::max({std::abs(start.vo), std::abs(atSwitchOff.vo),
                             std::abs(conduction.atEnd.vo), std::abs(end.vo)});
    const double voMin = std::min({std::abs(start.vo), std::abs(atSwitchOff.vo),
                                   std::abs(conduction.atEnd.vo), std::abs(end.vo)});
    // |vo| peaks inside the off interval where iC = 0: iL has fallen to the load current.
    const double RL = circuit_.RL;
    const double chargingAtSwitchOff = atSwitchOff.iL + atSwitchOff.vo / RL;
    const double chargingAtEnd = conduction.atEnd.iL + conduction.atEnd.vo / RL;
    if (chargingAtSwitchOff > 0 && chargingAtEnd <= 0) {
        const double slope = alpha_ * atSwitchOff.iL + atSwitchOff.vo / circuit_.L +
                             (-atSwitchOff.iL / circuit_.C - alpha_ * atSwitchOff.vo) / RL;
        const double peak = firstZero(chargingAtSwitchOff, slope, conduction.time);
        voMax = std::max(voMax, std::abs(offConducting(atSwitchOff, peak).vo));
    }

    const double onDischarge = -std::expm1(-onTime_ / loadTimeConstant_);
    const double onVoIntegral = loadTimeConstant_ * (start.vo * onDischarge);
    const double offVoIntegral = circuit_.L * (conduction.atEnd.iL - atSwitchOff.iL);
    const double blockedDischarge = -std::expm1(-(offTime_ - conduction.time) / loadTimeConstant_);
    const double blockedVoIntegral = loadTimeConstant_ * (conduction.atEnd.vo * blockedDischarge);
    const double diodeCharge =
        -circuit_.C * (conduction.atEnd.vo - atSwitchOff.vo) - offVoIntegral / RL;

    ExactPeriod result;
    result.start = start;
    result.end = end;
    if (conduction.blocks) {
        result.blockingTime = onTime_ + conduction.time;
    }
    PeriodValues& values = result.values;
    values.iLMin = std::min(start.iL, end.iL);
    values.iLMax = atSwitchOff.iL;
    values.DeltaiL = values.iLMax - values.iLMin;
    values.VoMin = voMin;
    values.VoMax = voMax;
    values.DeltaVo = voMax - voMin;
    values.DeltaVoMilli = values.DeltaVo * 1000;
    values.meanVo = circuit_.f * (onVoIntegral + offVoIntegral + blockedVoIntegral);
    values.meanDiodeCurrent = circuit_.f * diodeCharge;
    values.meanInputCurrent = circuit_.D * (start.iL + atSwitchOff.iL) / 2;
    return result;
}

// Without blocking the currents and the voltage may change sign within a period. The on
// interval is a ramp of iL and a decay of vo toward 0 (vo keeps its sign); in the off interval
// iL has its extremes where vo = 0 and |vo| where iC = 0, and either reaches 0 where it changes
// sign. Extremes and zeros are searched over the whole interval; the means follow from the end
// values as with blocking.
ExactPeriod ExactConverter::periodWithoutBlocking(CircuitState start) const {
    const CircuitState atSwitchOff = afterOn(start, onTime_);
    const CircuitState end = offConducting(atSwitchOff, offTime_);
    const double RL = circuit_.RL;

    std::vector<double> currents = {start.iL, atSwitchOff.iL, end.iL};
    for (double t : offZeros(atSwitchOff, {0, 1})) {
        currents.push_back(offConducting(atSwitchOff, t).iL);
    }
    std::vector<double> voltages = {start.vo, atSwitchOff.vo, end.vo};
    for (double t : offZeros(atSwitchOff, {1, 1 / RL})) {
        voltages.push_back(offConducting(atSwitchOff, t).vo);
    }
    const bool currentCrossesZero = std::signbit(start.iL) != std::signbit(atSwitchOff.iL) ||
                                    !offZeros(atSwitchOff, {1, 0}).empty();
    const bool voltageCrossesZero = !offZeros(atSwitchOff, {0, 1}).empty();
    const auto magnitudes = [](const std::vector<double>& values) {
        double low = std::numeric_limits<double>::infinity();
        double high = 0;
        for (double value : values) {
            low = std::min(low, std::abs(value));
            high = std::max(high, std::abs(value));
        }
        return std::pair{low, high};
    };
    const auto [iLLow, iLHigh] = magnitudes(currents);
    const auto [voLow, voHigh] = magnitudes(voltages);

    const double onDischarge = -std::expm1(-onTime_ / loadTimeConstant_);
    const double onVoIntegral = loadTimeConstant_ * (start.vo * onDischarge);
    const double offVoIntegral = circuit_.L * (end.iL - atSwitchOff.iL);
    const double diodeCharge = -circuit_.C * (end.vo - atSwitchOff.vo) - offVoIntegral / RL;

    ExactPeriod result;
    result.start = start;
    result.end = end;
    PeriodValues& values = result.values;
    values.iLMin = currentCrossesZero ? 0 : iLLow;
    values.iLMax = iLHigh;
    values.DeltaiL = values.iLMax - values.iLMin;
    values.VoMin = voltageCrossesZero ? 0 : voLow;
    values.VoMax = voHigh;
    values.DeltaVo = values.VoMax - values.VoMin;
    values.DeltaVoMilli = values.DeltaVo * 1000;
    values.meanVo = circuit_.f * (onVoIntegral + offVoIntegral);
    values.meanDiodeCurrent = circuit_.f * diodeCharge;
    values.meanInputCurrent = circuit_.D * (start.iL + atSwitchOff.iL) / 2;
    return result;
}

// The zeros in (0, Toff] of h(t) = w . x(t), x the off interval's unblocked state. h is
// e^(-alpha t) times a sinusoid whose zeros lie half an oscillation apart when underdamped, and
// has one zero at most otherwise: every piece shorter than half an oscillation holds one zero
// at most, found where h changes sign.
std::vector<double> ExactConverter::offZeros(CircuitState atSwitchOff, CircuitState weights) const {
    const auto h = [&](double t) {
        const CircuitState x = offConducting(atSwitchOff, t);
        return weights.iL * x.iL + weights.vo * x.vo;
    };
    const double piece = std::min(offTime_, blockingWindow_ / 2);
    const auto pieces = static_cast<std::int64_t>(std::ceil(offTime_ / piece));
    std::vector<double> zeros;
    double low = 0;
    double hLow = h(0);
    for (std::int64_t k = 1; k <= pieces; ++k) {
        const double high = k == pieces ? offTime_ : static_cast<double>(k) * piece;
        const double hHigh = h(high);
        if (hHigh == 0 || (hLow != 0 && std::signbit(hLow) != std::signbit(hHigh))) {
            zeros.push_back(SignChangeRoot(low, high, hLow, h));
        }
        low = high;
        hLow = hHigh;
    }
    return zeros;
}

// The deviation from the steady trajectory obeys the unforced circuit while neither blocks, and
// its energy L di^2 / 2 + C dv^2 / 2 never grows (on: di stays, dv decays; off: the RLC loses
// dv^2 / RL). So |di| stays below sqrt(di^2 + (C / L) dv^2) for good, and while that is below
// the steady smallest current, iL cannot reach zero again.
// The distance from the steady start in the energy norm, relative to the steady state's.
double ExactConverter::distanceFromSteady(CircuitState state) const {
    const double capacitorShare = circuit_.C / circuit_.L;
    const double di = state.iL - steadyStart_.iL;
    const double dv = state.vo - steadyStart_.vo;
    return std::sqrt(
        (di * di + capacitorShare * (dv * dv)) /
        (steadyStart_.iL * steadyStart_.iL + capacitorShare * (steadyStart_.vo * steadyStart_.vo)));
}

bool ExactConverter::withinContinuousBasin(CircuitState state) const {
    const double di = state.iL - steadyStart_.iL;
    const double dv = state.vo - steadyStart_.vo;
    const double margin = ContinuousBasinShare * steadyStart_.iL;
    return di * di + circuit_.C / circuit_.L * (dv * dv) <= margin * margin;
}

// x* + P^n (x - x*), P^n by squaring: about log2(n) products of 2 x 2 matrices.
CircuitState ExactConverter::continuousPower(CircuitState state, std::int64_t periods) const {
    double power[2][2] = {{periodMap_[0][0], periodMap_[0][1]},
                          {periodMap_[1][0], periodMap_[1][1]}};
    double di = state.iL - steadyStart_.iL;
    double dv = state.vo - steadyStart_.vo;
    while (periods > 0) {
        if ((periods & 1) != 0) {
            const double nextDi = power[0][0] * di + power[0][1] * dv;
            dv = power[1][0] * di + power[1][1] * dv;
            di = nextDi;
        }
        const double square[2][2] = {{power[0][0] * power[0][0] + power[0][1] * power[1][0],
                                      power[0][0] * power[0][1] + power[0][1] * power[1][1]},
                                     {power[1][0] * power[0][0] + power[1][1] * power[1][0],
                                      power[1][0] * power[0][1] + power[1][1] * power[1][1]}};
        std::copy(&square[0][0], &square[0][0] + 4, &power[0][0]);
        periods >>= 1;
    }
    return {steadyStart_.iL + di, steadyStart_.vo + dv};
}

CircuitState ExactConverter::stateAfter(std::int32_t periods) const {
    CircuitState state;
    if (diode_ == DiodeModel::Unblocked) {
        return periods < 1 ? state : continuousPower(state, periods);
    }
    double lastDistance = std::numeric_limits<double>::infinity();
    for (std::int32_t done = 0; done < periods; ++done) {
        if (!discontinuous_ && withinContinuousBasin(state)) {
            return continuousPower(state, periods - done);
        }
        if (discontinuous_) {
            const double distance = distanceFromSteady(state);
            if (distance <= LinearNeighbourhood && distance >= lastDistance) {
                return state; // later periods only repeat it, within roundings
            }
            lastDistance = distance;
        }
        state = next(state);
    }
    return state;
}

// In continuous conduction the period map is affine, x -> P x + b, and its fixed point solves
// (I - P) x = b; it holds unless the diode would block on that period. Otherwise the
// piecewise period map is iterated from the discharged start, extrapolated every two periods,
// until a period ends where it started.
void ExactConverter::findSteadyState() {
    const double a = 1 - periodMap_[0][0];
    const double b = -periodMap_[0][1];
    const double c = -periodMap_[1][0];
    const double d = 1 - periodMap_[1][1];
    const double determinant = a * d - b * c;
    const CircuitState fixedPoint = {(periodShift_[0] * d - b * periodShift_[1]) / determinant,
                                     (a * periodShift_[1] - c * periodShift_[0]) / determinant};
    if (diode_ == DiodeModel::Unblocked) {
        steadyStart_ = fixedPoint;
        return;
    }
    if (fixedPoint.iL > 0 &&
        !offInterval({fixedPoint.iL + onRise_, fixedPoint.vo * onDecay_}).blocks) {
        steadyStart_ = fixedPoint;
        return;
    }
    discontinuous_ = true;
    CircuitState state;
    for (std::int32_t round = 0; round < SteadyStateRounds; ++round) {
        const CircuitState first = next(state);
        const CircuitState second = next(first);
        const CircuitState extrapolated = Extrapolated(state, first, second);
        if (Near(extrapolated, state)) {
            steadyStart_ = extrapolated;
            return;
        }
        state = extrapolated;
    }
    steadyStart_ = state;
    steadyStateFound_ = false;
}
