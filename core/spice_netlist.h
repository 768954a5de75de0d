#pragma once

#include "core/converter_circuit.h"
#include "core/lossy_converter.h"

#include <cstdint>
#include <string>

// The converter as a SPICE netlist that ngspice runs in batch mode: the same circuit as the
// tool's, for a circuit simulator.
//
// The switch is voltage controlled, rS when on (a micro-ohm when ideal) and nearly open when
// off; a pulse source at f drives it on for D / f of each period. The diode conducts from the
// output node to the switch node, with Vf as a source in series and rD as its series
// resistance; its exponential is steep enough (a millivolt at an ampere) to stand for the
// tool's ideal diode. L carries rL in series, C carries rC; RL loads the output node. The
// transient runs `periods` periods from the discharged converter (every initial condition
// zero) with a step of at most 1 / (samples f), and `.meas tran` reports over the last period
// vo_avg (V), il_min and il_max (A) and, with parts, pin_avg and pout_avg (W). tr, tf, Coss and
// Qg shape no waveform of the tool: their losses are estimates beside the circuit, so the
// netlist names them in a comment only.
std::string SpiceNetlist(const ConverterCircuit& circuit, const RealParts& parts,
                         std::int32_t samples, std::int32_t periods);
