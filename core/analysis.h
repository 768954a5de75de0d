#pragma once

#include "core/conversions.h"
#include "core/module1.h"

#include <cstdint>
#include <optional>

// The engineering analysis of a verification, computed on demand after a run and never inside
// the simulation loop: the stresses on the parts, simulated and from the design formulas, the
// conduction boundary, and the exact solution of the ideal circuit that the fixed-step
// simulation is held against.
//
// The ideal converter is piecewise linear. Switch on: L diL/dt = Vi, C dvo/dt = -vo / RL.
// Switch off, diode conducting: L diL/dt = vo, C dvo/dt = -iL - vo / RL, a damped RLC.
// Diode blocking once iL reaches 0: iL stays 0 and C discharges into RL. Every interval has a
// closed-form solution, so the exact state at any instant, after any number of periods and in
// steady state is known without integrating. The closed forms (rather than a matrix
// exponential) are exact to a few roundings at any instant, which the search for the blocking
// instant and for the |vo| peak needs, and cost a few exponentials; the off interval's forms
// are summed as series near critical damping, where they would divide by zero.

// The ideal circuit, SI units.
struct ConverterCircuit {
    double Vi = 0; // input voltage, V
    double D = 0;  // duty cycle, fraction strictly between 0 and 1
    double f = 0;  // switching frequency, Hz
    double L = 0;  // inductance, H
    double C = 0;  // output capacitance, F
    double RL = 0; // load resistance, ohm
};

// The circuit of the last verification read (L in H, C in F).
ConverterCircuit CircuitOf(const Module1& m);

// The state of the circuit. Every state the converter reaches from a discharged start has
// iL >= 0 and vo <= 0; the exact solution expects such states.
struct CircuitState {
    double iL = 0; // inductor current, A
    double vo = 0; // output voltage, V (negative in operation)
};

// Currents and voltage each part must stand. Peaks of currents are magnitudes.
struct PartStresses {
    double inductorPeak = 0;  // A
    double inductorMean = 0;  // A
    double inductorRms = 0;   // A
    double switchPeak = 0;    // A: the inductor current while the switch is on
    double switchMean = 0;    // A, the mean input current
    double switchRms = 0;     // A
    double diodePeak = 0;     // A
    double diodeMean = 0;     // A
    double diodeRms = 0;      // A
    double capacitorRms = 0;  // A
    double capacitorPeak = 0; // A, largest magnitude
    double voltageStress = 0; // V: Vi + the largest |vo|, across the open switch and the
                              // reverse-biased diode
};

// The same stresses in closed form for continuous conduction with a linear inductor ripple:
// mean inductor current Vi D / ((1 - D)^2 RL), ripple Vi D / (f L), |Vo| = Vi D / (1 - D).
PartStresses DesignStresses(const ConverterCircuit& circuit);

// Where continuous conduction ends.
struct ConductionBoundary {
    double criticalL = 0;            // H: (1 - D)^2 RL / (2 f)
    bool continuous = false;         // L above criticalL
    std::optional<double> rhpZeroHz; // in continuous conduction: (1 - D)^2 RL / (2 pi D L)
};

ConductionBoundary ConductionBoundaryOf(const ConverterCircuit& circuit);

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

// The period quantities from the design formulas of continuous conduction with a linear
// inductor ripple, given the circuit's design stresses: |Vo| = Vi D / (1 - D), ripple
// Vi D / (f L), ripple of Vo |Vo| D / (f RL C).
PeriodValues DesignPeriod(const ConverterCircuit& circuit, const PartStresses& design);

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
    explicit ExactConverter(const ConverterCircuit& circuit);

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
    CircuitState next(CircuitState start) const;
    double distanceFromSteady(CircuitState state) const;
    bool withinContinuousBasin(CircuitState state) const;
    CircuitState continuousPower(CircuitState state, std::int64_t periods) const;
    void findSteadyState();

    ConverterCircuit circuit_;
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

// The quantities of PeriodValues compared, in per cent.
struct QuantityDeviations {
    double iLMin = 0;
    double iLMax = 0;
    double DeltaiL = 0;
    double VoMin = 0;
    double VoMax = 0;
    double DeltaVo = 0;
    double meanVo = 0;
    double meanDiodeCurrent = 0;
    double meanInputCurrent = 0;
};

// Everything the analysis of a run tells.
struct ConverterAnalysis {
    PartStresses simulatedStresses; // samples 1..N of the last run
    PartStresses designStresses;    // closed form from the verification inputs
    ConductionBoundary boundary;
    PeriodValues simulated;     // samples 1..N of the last run
    ExactPeriod exactAtNI;      // period NI from the discharged start, the diode blocking
                                // whenever iL reaches 0, during start-up too
    ExactPeriod exactSteady;    // a period of the periodic steady state
    bool discontinuous = false; // the diode blocks in the exact steady state
    bool steadyStateFound = true;
    // (simulated - exact at NI) / exact at NI. A quantity whose exact value is 0 (the smallest
    // current in discontinuous conduction) is measured against the exact peak current instead.
    QuantityDeviations accuracy;
    bool coarseStep = false; // some accuracy figure beyond 1 %
    // (exact at NI - exact steady) / exact steady, with the same rule for a 0 reference.
    QuantityDeviations distanceFromSteady;
    Text notSettledWarning; // empty when every distance is within 0.1 %
};

// What the circuit alone tells, for a run that simulated no period to compare (refused by
// the conduction check, cancelled, ended by a runtime error): the design stresses, the
// conduction boundary, the exact period after `periods` periods (counted as the simulation
// counts them) and of the steady state, the distance between them and its warning.
ConverterAnalysis AnalyseCircuit(const ConverterCircuit& circuit, std::int32_t periods,
                                 char16_t decimalSeparator);

// Analyses the last run of `m`: its circuit, N, NI and the four sample arrays (which must hold
// indices 0..N + 1, else IndexOutOfRange). One pass over the samples; decimalSeparator is the
// user's, for the figure in the warning.
ConverterAnalysis AnalyseLastRun(const Module1& m, char16_t decimalSeparator);
