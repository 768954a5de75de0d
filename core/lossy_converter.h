#pragma once

#include "core/converter_circuit.h"
#include "core/exact_converter.h"

#include <cstdint>
#include <optional>
#include <vector>

// The converter with real parts, solved exactly in its periodic steady state, with its power
// books. State (iL, vC); the output node vo = vC + rC iC; the load draws vo / RL.
// Switch on: L iL' = Vi - (rS + rL) iL, iC = -vo / RL.
// Switch off, diode conducting: L iL' = vo - Vf - (rD + rL) iL, iC = -iL - vo / RL.
// Diode blocking, from the first instant of the off interval at which iL reaches 0 to the
// period's end: iL = 0, iC = -vo / RL.
// Each interval is a linear system with a constant input, solved in closed form; the period
// means of the powers are integrated over those closed forms by Gauss-Legendre quadrature on
// pieces short against the interval's time constants and oscillation, to about 1e-15.

// The real parts, SI units; 0 is an ideal part.
struct RealParts {
    double rS = 0;   // switch on-resistance, ohm
    double rL = 0;   // inductor winding resistance, ohm
    double rC = 0;   // output capacitor's series resistance, ohm
    double Vf = 0;   // diode forward voltage, V
    double rD = 0;   // diode dynamic resistance, ohm
    double tr = 0;   // turn-on overlap of voltage and current, s
    double tf = 0;   // turn-off overlap, s
    double Coss = 0; // switch output capacitance, F
    double Qg = 0;   // gate charge, C
    double Vg = 0;   // gate drive voltage, V

    // Whether any part is given (not zero).
    bool any() const;
};

// Average power lost in each part over a period, W.
struct PartLosses {
    double switchConduction = 0; // rS mean(iL^2 while on)
    double switchSwitching = 0;  // 0.5 V_off (I_on tr + I_off tf) f
    double switchCoss = 0;       // 0.5 Coss V_off^2 f
    double gate = 0;             // Qg Vg f
    double inductor = 0;         // rL mean(iL^2)
    double diode = 0;            // Vf mean(iL while off) + rD mean(iL^2 while off)
    double capacitor = 0;        // rC mean(iC^2)
    double total = 0;            // the seven
};

// The periodic steady state of the converter with its parts.
struct LossySteadyState {
    bool discontinuous = false; // the diode blocks within the off interval
    // At the output node: extremes of |iL| and |vo| (both sides of the ESR's steps), mean vo;
    // meanDiodeCurrent = mean(iL while the diode conducts), meanInputCurrent = mean(iL while on).
    PeriodValues values;
    double inputPower = 0;    // W: Vi mean(iL while on)
    double outputPower = 0;   // W: mean(vo^2) / RL
    double energyBalance = 0; // W: input - output - the four conduction losses; 0 up to rounding
    PartLosses losses;
    double efficiency = 0; // output / (output + every loss), a fraction
};

LossySteadyState SolveLossySteadyState(const ConverterCircuit& circuit, const RealParts& parts);

// The losses of continuous conduction in closed form, with a linear ripple and a constant
// output: |Vo| = (1-D) RL (D Vi - (1-D) Vf) / ((1-D)^2 RL + rL + D rS + (1-D) rD +
// D (1-D) RL rC / (RL + rC)), and the losses of the mean and ripple currents it gives.
PartLosses FormulaLosses(const ConverterCircuit& circuit, const RealParts& parts);

// The smallest duty cycle in (0, D_max] at which the steady state's mean vo is -targetVo
// (D_max the duty of the largest |vo| with these parts), to 1e-12 relative, with the efficiency
// there; none when no duty reaches the target.
struct DutyForTarget {
    std::optional<double> D;
    std::optional<double> efficiency;
};
DutyForTarget DutyForOutput(const ConverterCircuit& circuit, const RealParts& parts,
                            double targetVo);

// One point of the efficiency against the load: RL = RL of the circuit * 100 / loadPercent.
struct EfficiencyPoint {
    double loadPercent = 0;
    double RL = 0; // ohm
    double Io = 0; // A: -mean(vo) / RL
    bool discontinuous = false;
    double outputPower = 0; // W
    double loss = 0;        // W, all seven terms
    double efficiency = 0;
};

// `points` loads from `fromPercent` to `toPercent` of the circuit's, evenly spaced.
std::vector<EfficiencyPoint> EfficiencyCurve(const ConverterCircuit& circuit,
                                             const RealParts& parts, double fromPercent,
                                             double toPercent, std::int32_t points);
