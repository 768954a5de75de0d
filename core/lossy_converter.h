#pragma once

#include "core/converter_circuit.h"
#include "core/exact_converter.h"
#include "core/lossy_intervals.h"
#include "core/real_parts.h"

// The converter with real parts, solved exactly in its periodic steady state, with its power
// books. State (iL, vC); the output node vo = vC + rC iC; the load draws vo / RL.
// Switch on: L iL' = Vi - (rS + rL) iL, iC = -vo / RL.
// Switch off, diode conducting: L iL' = vo - Vf - (rD + rL) iL, iC = -iL - vo / RL.
// Diode blocking, from the first instant of the off interval at which iL reaches 0 to the
// period's end: iL = 0, iC = -vo / RL.
// Each interval is a linear system with a constant input, solved in closed form; the period
// means of the powers are integrated over those closed forms by Gauss-Legendre quadrature on
// pieces short against the interval's time constants and oscillation, to about 1e-15.

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
    LossyState start;           // entering a period
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
