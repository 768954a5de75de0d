#pragma once

#include "core/converter_circuit.h"
#include "core/handler_support.h"
#include "core/lossy_converter.h"
#include "core/lossy_intervals.h"

#include <complex>
#include <cstdint>
#include <optional>
#include <vector>

// The frequency-response analysis (FRA) of the switching circuit with its real parts, as a
// network analyser measures it. The duty of period k is d_k = D + a sin(2 pi fm (t_k + D T)),
// the modulating sine sampled at the nominal turn-off instant as a trailing-edge PWM comparator
// does (t_k the start of period k). From the exact periodic steady state the circuit is solved
// exactly, period by period, with its blocking diode; the fundamental at fm of the output node
// vo(t) is integrated exactly over each linear piece, over windows of a whole number of both
// switching and modulation periods (fm is moved to f p / q, q <= 1000), until two successive
// windows agree to 1e-6 relative. The response is that fundamental against the sine's a.

inline constexpr double DefaultFraAmplitude = 0.005;
inline constexpr double LeastFraAmplitude = 1e-3;
inline constexpr double LargestFraAmplitude = 1e-2;

// fm = f p / q: q switching periods hold p modulation periods.
struct WholePeriodFrequency {
    std::int64_t p = 0;
    std::int64_t q = 0;
    double fHz = 0;
};

// The frequency nearest to `fHz` whose period and the switching period `fSwitching` have a
// common multiple of at most 1000 switching periods (0 < fHz < fSwitching).
WholePeriodFrequency NearestWholePeriodFrequency(double fSwitching, double fHz);

// One measured frequency.
struct FraPoint {
    double fHz = 0;                // the frequency measured, f p / q
    std::complex<double> response; // vo / d, V per unit duty
    double dB = 0;
    double deg = 0;           // in (-180, 180]
    std::int64_t periods = 0; // switching periods solved
    bool settled = true;      // two windows agreed before the bound on the periods
};

class FrequencyResponseAnalyser {
public:
    // Solves the steady state of the circuit with its parts once for every frequency.
    FrequencyResponseAnalyser(const ConverterCircuit& circuit, const RealParts& parts);

    // The response at the whole-period frequency nearest `fHz`, with the sine's amplitude `a`
    // (a share of the period). The observer, when given, is asked once a window whether to go
    // on, told a rough fraction of the settling done; none when it stopped the analysis. Safe
    // to call from another thread than the one that made the analyser.
    std::optional<FraPoint> measure(double fHz, double amplitude = DefaultFraAmplitude,
                                    SimulationObserver* observer = nullptr) const;

private:
    ConverterCircuit circuit_;
    LossyIntervals intervals_;
    LossyState steadyStart_;
};

// `count` frequencies spaced logarithmically from `fromHz` to f / 10, each moved to its
// whole-period frequency.
std::vector<double> FraFrequencies(double fromHz, double fSwitching, std::int32_t count);
