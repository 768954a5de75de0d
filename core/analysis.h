#pragma once

#include "core/conversions.h"
#include "core/exact_converter.h"
#include "core/module1.h"

#include <cstdint>
#include <optional>

// The engineering analysis of a verification, computed on demand after a run and never inside
// the simulation loop: the stresses on the parts, simulated and from the design formulas, the
// conduction boundary, and the exact solution of the ideal circuit that the fixed-step
// simulation is held against.

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

// The same stresses in closed form, with a constant output voltage. Above the critical
// inductance, continuous conduction with a linear inductor ripple: mean inductor current
// Vi D / ((1 - D)^2 RL), ripple Vi D / (f L), |Vo| = Vi D / (1 - D). At or below it,
// discontinuous conduction: iL starts each period at 0 and peaks at Vi D / (f L), and
// |Vo| = D Vi sqrt(RL / (2 f L)).
PartStresses DesignStresses(const ConverterCircuit& circuit);

// Where continuous conduction ends, from the closed form of a linear inductor ripple.
struct ConductionBoundary {
    double criticalL = 0;    // H: (1 - D)^2 RL / (2 f)
    bool continuous = false; // L above criticalL
};

ConductionBoundary ConductionBoundaryOf(const ConverterCircuit& circuit);

// The period quantities from the design formulas, given the circuit's design stresses: in
// continuous conduction |Vo| = Vi D / (1 - D), ripple Vi D / (f L), ripple of Vo
// |Vo| D / (f RL C); in discontinuous conduction the smallest current is 0 and the ripple of Vo
// the charge of the diode's current above the load's over C.
PeriodValues DesignPeriod(const ConverterCircuit& circuit, const PartStresses& design);

// The quantities of PeriodValues, as a comparison names them.
enum class PeriodQuantity {
    iLMin,
    iLMax,
    DeltaiL,
    VoMin,
    VoMax,
    DeltaVo,
    meanVo,
    meanDiodeCurrent,
    meanInputCurrent
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

// The quantity whose deviation is largest, and its magnitude in per cent.
struct LargestDeviation {
    PeriodQuantity quantity = PeriodQuantity::iLMin;
    double percent = 0;
};

// Everything the analysis of a run tells. Deviations are (value - reference) / reference in per
// cent; a quantity whose reference is 0 (the smallest current in discontinuous conduction) is
// measured against the reference's peak current instead.
struct ConverterAnalysis {
    PartStresses simulatedStresses; // samples 1..N of the last run
    PartStresses designStresses;    // closed form from the verification inputs
    ConductionBoundary boundary;    // closed form
    PeriodValues simulated;         // samples 1..N of the last run
    ExactPeriod exactAtNI;          // period NI from the discharged start, the diode blocking
                                    // whenever iL reaches 0, during start-up too
    ExactPeriod exactUnblockedAtNI; // the same period of the simulated model: no blocking
    ExactPeriod exactSteady;        // a period of the periodic steady state
    bool discontinuous = false;     // the diode blocks in the exact steady state
    bool steadyStateFound = true;
    // The closed-form boundary and the exact steady state name different modes: L is near the
    // boundary, where the linear-ripple formula is not exact.
    bool boundaryDisagrees = false;
    // The right-half-plane zero of the control-to-output response, (1 - D)^2 RL / (2 pi D L),
    // in Hz: only where the exact steady state is continuous.
    std::optional<double> rhpZeroHz;
    std::int32_t periods = 0; // NI as the run read it

    QuantityDeviations accuracy;        // simulated against the exact period at NI
    QuantityDeviations stepError;       // simulated against the unblocked period at NI
    QuantityDeviations modelDifference; // unblocked against blocking, both at NI
    // (exact at NI - exact steady) / exact steady.
    QuantityDeviations distanceFromSteady;
    std::optional<LargestDeviation> coarseStep;    // a step error beyond 1 %
    std::optional<LargestDeviation> diodeBlocking; // a model difference beyond 1 %
    std::optional<LargestDeviation> notSettled;    // a distance from steady beyond 0.1 %
};

// What the circuit alone tells, for a run that simulated no period to compare (refused by
// the conduction check, cancelled, ended by a runtime error): the design stresses, the
// conduction boundary, the exact periods after `periods` periods (counted as the simulation
// counts them), with and without blocking, and of the steady state, and how far apart they are.
ConverterAnalysis AnalyseCircuit(const ConverterCircuit& circuit, std::int32_t periods);

// Analyses the last run of `m`: its circuit, N, NI and the four sample arrays (which must hold
// indices 0..N + 1, else IndexOutOfRange). One pass over the samples.
ConverterAnalysis AnalyseLastRun(const Module1& m);
