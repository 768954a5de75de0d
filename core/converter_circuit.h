#pragma once

#include "core/module1.h"

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
inline ConverterCircuit CircuitOf(const Module1& m) {
    return {m.Vi, m.D, m.f, m.L, m.C, m.RL};
}

// The circuit of the last design, in SI units (the design gives L in uH and C in uF, and RL as
// |Vo| / Io).
inline ConverterCircuit DesignedCircuit(const Module1& m) {
    return {m.Vi, m.D, m.f, m.L * 1e-6, m.C * 1e-6, m.RL};
}
