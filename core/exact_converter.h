#pragma once

#include "core/converter_circuit.h"

#include <cstdint>
#include <optional>
#include <vector>

// The ideal converter is piecewise linear. Switch on: L diL/dt = Vi, C dvo/dt = -vo / RL.
// Switch off, diode conducting: L diL/dt = vo, C dvo/dt = -iL - vo / RL, a damped RLC.
// Diode blocking once iL reaches 0: iL stays 0 and C discharges into RL. Every interval has a
// closed-form solution, so the exact state at any instant, after any number of periods and in
// steady state is known without integrating. The closed forms (rather than a matrix
// exponential) are exact to a few roundings at any instant, which the search for the blocking
// instant and for the |vo| peak needs, and cost a few exponentials; the off interval's forms
// are summed as series near critical damping, where they would divide by zero.

// The state of the circuit. Every state the converter with a blocking diode reaches from a
// discharged start has iL >= 0 and vo <= 0; its exact solution expects such states. Without
// blocking, iL and vo may take either sign.
struct CircuitState {
    double iL = 0; // inductor current, A
    double vo = 0; // output voltage, V (negative in operation)
};

// What the simulation measures on a period, for a simulated or an exact period.
struct PeriodValues {
    double iLMin = 0;            // A, smallest |iL|
    double iLMax = 0;            // A, largest |iL|
    double DeltaiL = 0;          // A, iLMax - iLMin
    double VoMin = 0;            // V, smallest |vo|
    double VoMax = 0;            // V, largest |vo|
    double DeltaVo = 0;          // V, VoMax - VoMin
    double DeltaVoMilli = 0;     // mV, the same ripple as the waveform window shows it
    double meanVo = 0;           // V, signed: negative in operation
    double meanDiodeCurrent = 0; // A
    double meanInputCurrent = 0; // A
};

// What the diode does when the inductor current reaches zero: it blocks, as in the real
// circuit, or it goes on conducting a negative current, as in the fixed-step simulation, whose
// model has no blocking.
enum class DiodeModel { Blocking, Unblocked };

// One exact switching period from a given start.
struct ExactPeriod {
    CircuitState start;
    CircuitState end;
    std::optional<double> blockingTime; // s from the period's start, when the diode blocks
    PeriodValues values;
};

// The exact ideal converter: on and off intervals as exact maps of the state, the blocking of
// the diode, powers of the period map and its fixed point.
class ExactConverter {
public:
    explicit ExactConverter(const ConverterCircuit& circuit,
                            DiodeModel diode = DiodeModel::Blocking);

    // The state at time t (0 <= t <= 1 / f) of a period that starts at `start`.
    CircuitState stateWithin(CircuitState start, double t) const;

    // The period that starts at `start`, with its values; |vo| extremes inside the off
    // interval (where iC = 0) are found too.
    ExactPeriod period(CircuitState start) const;

    // The state after `periods` periods (none when below 1) from the discharged converter. In
    // continuous conduction, once no later period can block, the rest is one power of the
    // period map; in discontinuous conduction the periods stop at the fixed point.
    CircuitState stateAfter(std::int32_t periods) const;

    // The state entering a period of the periodic steady state.
    CircuitState steadyStart() const { return steadyStart_; }
    // Whether the diode blocks in steady state (discontinuous conduction).
    bool discontinuous() const { return discontinuous_; }
    // False only when discontinuous conduction did not reach its fixed point within the bound
    // on the periods iterated.
    bool steadyStateFound() const { return steadyStateFound_; }

private:
    struct DampedPair;
    struct Conduction;

    DampedPair offFunctions(double t) const;
    CircuitState afterOn(CircuitState start, double t) const;
    CircuitState offConducting(CircuitState atSwitchOff, double t) const;
    Conduction offInterval(CircuitState atSwitchOff) const;
    double firstZero(double h0, double h1, double end) const;
    CircuitState periodEnd(const Conduction& conduction) const;
    ExactPeriod periodWithoutBlocking(CircuitState start) const;
    std::vector<double> offZeros(CircuitState atSwitchOff, CircuitState weights) const;
    CircuitState next(CircuitState start) const;
    double distanceFromSteady(CircuitState state) const;
    bool withinContinuousBasin(CircuitState state) const;
    CircuitState continuousPower(CircuitState state, std::int64_t periods) const;
    void findSteadyState();

    ConverterCircuit circuit_;
    DiodeModel diode_;
    double onTime_;
    double offTime_;
    double loadTimeConstant_; // RL C
    double onRise_;           // Vi Ton / L
    double onDecay_;          // e^(-Ton / (RL C))
    double alpha_;            // 1 / (2 RL C)
    double betaSquared_;      // alpha^2 - 1 / (L C)
    double blockingWindow_;   // s: half an underdamped oscillation, else infinite
    double omegaSquared_;     // 1 / (L C)
    double offMap_[2][2];     // the off interval without blocking, a linear map
    double periodMap_[2][2];  // the period without blocking: offMap diag(1, onDecay)
    double periodShift_[2];   // and its constant term: offMap (onRise, 0)
    CircuitState steadyStart_;
    bool discontinuous_ = false;
    bool steadyStateFound_ = true;
};
