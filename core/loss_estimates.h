#pragma once

#include "core/lossy_converter.h"

#include <cstdint>
#include <optional>
#include <vector>

// What the real parts mean for a design: the closed-form losses engineers check against, the
// duty cycle the parts need for an output, and the efficiency over the load.

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
