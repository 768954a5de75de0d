// The frequency-response analysis of the switching circuit: the exact circuit, period by period,
// with a modulated duty, and the fundamental of its output.
#include "core/frequency_response_analysis.h"

#include "core/bode_curve.h"
#include "core/factored_response.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The common period of the modulation and the switching spans at most this many switching
// periods.
constexpr std::int64_t LongestWindow = 1000;
// Two successive windows agree to this share of the fundamental once settled.
constexpr double SettledShare = 1e-6;
// The bound on the periods solved for one frequency.
constexpr std::int64_t MostPeriods = 400000;

using Complex = std::complex<double>;

// The integral over a piece of length h of e^(-j w t) vo(t), vo = c . x, x' = A x + b running
// from x0 to xh. Integrating x' = A x + b against e^(-j w t) by parts gives
// (A - j w I) I = e^(-j w h) xh - x0 - b (1 - e^(-j w h)) / (j w), exact for any h.
Complex PieceFundamental(const LinearInterval& s, LossyState x0, LossyState xh, double h,
                         double omega) {
    const Complex turn = std::polar(1.0, -omega * h);
    const Complex jw(0, omega);
    const Complex driven = (1.0 - turn) / jw;
    const Complex v0 = turn * xh.iL - x0.iL - s.b[0] * driven;
    const Complex v1 = turn * xh.vC - x0.vC - s.b[1] * driven;
    const Complex m00 = s.a[0][0] - jw;
    const Complex m11 = s.a[1][1] - jw;
    const double m01 = s.a[0][1];
    const double m10 = s.a[1][0];
    const Complex determinant = m00 * m11 - m01 * m10;
    return (s.c[0] * (m11 * v0 - m01 * v1) + s.c[1] * (m00 * v1 - m10 * v0)) / determinant;
}

// The circuit's three intervals and the modulation of one frequency.
struct Modulated {
    const LossyIntervals& intervals;
    LinearInterval on;
    LinearInterval off;
    LinearInterval blocked;
    double period;
    double D;
    double amplitude;
    double omega;
    WholePeriodFrequency frequency;

    // One period from x, the k-th from the start; adds the integral of e^(-j w t) vo(t) over
    // it to `sum` and returns its end.
    LossyState step(LossyState x, std::int64_t k, Complex& sum) const {
        const double turn = 2 * std::numbers::pi *
                            static_cast<double>(frequency.p * k % frequency.q) /
                            static_cast<double>(frequency.q);
        const double d = std::clamp(D + amplitude * std::sin(turn + omega * D * period), 0.0, 1.0);
        const double onTime = d * period;
        const double offTime = period - onTime;
        const LossyState atSwitchOff = intervals.on(x, onTime);
        Complex piece = PieceFundamental(on, x, atSwitchOff, onTime, omega);
        const std::optional<double> zero = intervals.firstCurrentZero(atSwitchOff, offTime);
        const double conducting = zero.value_or(offTime);
        const LossyState conducted = intervals.off(atSwitchOff, conducting);
        piece += std::polar(1.0, -omega * onTime) *
                 PieceFundamental(off, atSwitchOff, conducted, conducting, omega);
        LossyState end = conducted;
        if (zero) {
            const LossyState atBlocking{0, conducted.vC};
            end = intervals.blocked(atBlocking, offTime - conducting);
            piece += std::polar(1.0, -omega * (onTime + conducting)) *
                     PieceFundamental(blocked, atBlocking, end, offTime - conducting, omega);
        }
        sum += std::polar(1.0, -turn) * piece;
        return end;
    }
};

// How far the settling has come, from the change between two windows: 0 at 100 %, 1 at the
// share that settles it.
double SettlingDone(double change) {
    return std::clamp(std::log(change) / std::log(SettledShare), 0.0, 1.0);
}

} // namespace

WholePeriodFrequency NearestWholePeriodFrequency(double fSwitching, double fHz) {
    const double ratio = fHz / fSwitching;
    WholePeriodFrequency best;
    double bestError = std::numeric_limits<double>::infinity();
    for (std::int64_t q = 1; q <= LongestWindow; ++q) {
        const auto p = std::max<std::int64_t>(1, std::llround(ratio * static_cast<double>(q)));
        const double error = std::abs(static_cast<double>(p) / static_cast<double>(q) - ratio);
        if (error < bestError) {
            bestError = error;
            best.p = p;
            best.q = q;
        }
    }
    best.fHz = fSwitching * static_cast<double>(best.p) / static_cast<double>(best.q);
    return best;
}

FrequencyResponseAnalyser::FrequencyResponseAnalyser(const ConverterCircuit& circuit,
                                                     const RealParts& parts)
    : circuit_(circuit), intervals_(circuit, parts),
      steadyStart_(SolveLossySteadyState(circuit, parts).start) {}

std::optional<FraPoint> FrequencyResponseAnalyser::measure(double fHz, double amplitude,
                                                           SimulationObserver* observer) const {
    const WholePeriodFrequency frequency = NearestWholePeriodFrequency(circuit_.f, fHz);
    const Modulated circuit{intervals_,
                            intervals_.onSystem(),
                            intervals_.offSystem(),
                            intervals_.blockedSystem(),
                            1 / circuit_.f,
                            circuit_.D,
                            amplitude,
                            2 * std::numbers::pi * frequency.fHz,
                            frequency};
    const double windowTime = static_cast<double>(frequency.q) / circuit_.f;
    FraPoint point;
    point.fHz = frequency.fHz;
    point.settled = false;
    LossyState x = steadyStart_;
    std::optional<Complex> previous;
    std::int64_t k = 0;
    while (k < MostPeriods) {
        Complex sum = 0;
        for (std::int64_t n = 0; n < frequency.q; ++n, ++k) {
            x = circuit.step(x, k, sum);
        }
        const Complex fundamental = 2.0 * sum / windowTime;
        point.response = Complex(0, 1) * fundamental / amplitude;
        const double change =
            previous ? std::abs(fundamental - *previous) / std::abs(fundamental) : 1.0;
        previous = fundamental;
        if (change <= SettledShare) {
            point.settled = true;
            break;
        }
        if (observer && !observer->keepGoing(SettlingDone(change))) {
            return std::nullopt;
        }
    }
    point.periods = k;
    point.dB = Decibels(point.response);
    point.deg = std::arg(point.response) * 180 / std::numbers::pi;
    return point;
}

std::vector<double> FraFrequencies(double fromHz, double fSwitching, std::int32_t count) {
    std::vector<double> frequencies;
    for (const double f : LogSpacedFrequencies(fromHz, fSwitching / 10, count)) {
        frequencies.push_back(NearestWholePeriodFrequency(fSwitching, f).fHz);
    }
    return frequencies;
}
