#pragma once

#include "core/conversions.h"
#include "core/runtime_error.h"

#include <cstdint>
#include <limits>
#include <vector>

// The converter variables shared by every handler of the tool, in one record. The application
// owns a single instance for the whole process and hands it to each handler; every member
// starts at zero (numbers), empty (texts) or absent (sample arrays).
struct Module1 {
    double Vi = 0;            // input voltage, V
    double Vo = 0;            // absolute value of the (negative) output voltage, V
    double f = 0;             // switching frequency, Hz
    double DeltaiL = 0;       // design peak-to-peak inductor current ripple, A
    double DeltaiLSim = 0;    // simulated peak-to-peak inductor current, A
    double DeltaVo = 0;       // design peak-to-peak output voltage ripple, V
    double DeltaVoSim = 0;    // simulated peak-to-peak output voltage, mV
    std::vector<double> iL_t; // inductor current samples, A
    std::vector<double> Vo_t; // output voltage samples, V (negative in normal operation)
    std::vector<double> iC_t; // capacitor current samples, A
    std::vector<double> id_t; // diode current samples, A
    double Io = 0;            // output current, A
    double L = 0;   // inductance: uH after the design calculation, H after the verification read
    double C = 0;   // capacitance: uF after the design calculation, F after the verification read
    double IDP = 0; // design diode peak current, A
    double IDm = 0; // design diode mean current, A
    double ILm = 0; // design mean inductor current, A
    double IdmSim = 0;        // simulated mean diode current, A
    double IimSim = 0;        // simulated mean input current, A
    double D = 0;             // duty cycle, fraction 0..1
    double RL = 0;            // load resistance, ohm
    double Iim = 0;           // design mean input current, A
    double IDPSim = 0;        // simulated diode peak current, A
    double iLMax = 0;         // largest magnitude of iL_t, A
    double iLMin = 0;         // smallest magnitude of iL_t, A
    double VoMax = 0;         // largest magnitude of Vo_t, V
    double VoMin = 0;         // smallest magnitude of Vo_t, V
    double iCMax = 0;         // largest magnitude of iC_t, A
    double idMax = 0;         // largest magnitude of id_t, A (cursor readout only)
    std::int32_t Idx = 0;     // sample counter shared by every loop over samples
    std::int32_t Iter = 0;    // period counter of the simulation, then of the displayed periods
    double dt = 0;            // simulation time step, s
    std::int32_t N = 0;       // samples per switching period
    std::int32_t NP = 0;      // periods shown in the plot
    std::int32_t NI = 0;      // periods simulated
    Text FmtText;             // scratch text while formatting a number for a text box
    Text Msg;                 // text of the next message box; empty-field text of a field check
    Text ErrMsg;              // malformed-field text of a field check
    std::int16_t ErrFlag = 0; // verdict of the last field check: 1 rejected, 0 accepted
    Text FieldText;           // text of the verification field under check
};

// The step of a 32-bit loop counter: a counter already at the largest int32 has no next
// value, and stepping it is an overflow, as in any loop that runs through that end value.
inline std::int32_t NextCount(std::int32_t count) {
    if (count == std::numeric_limits<std::int32_t>::max()) {
        throw RuntimeError(RuntimeErrorKind::Overflow);
    }
    return count + 1;
}
