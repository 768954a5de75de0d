#pragma once

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
