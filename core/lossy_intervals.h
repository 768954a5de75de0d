#pragma once

#include "core/converter_circuit.h"
#include "core/real_parts.h"

#include <optional>
#include <vector>

// The three intervals of the converter with real parts, each a linear system with a constant
// input solved in closed form: switch on; switch off with the diode conducting; the diode
// blocking. Their equations are those of core/lossy_converter.h. The off interval's forms are
// summed as series near critical damping, where they would divide by zero.

// The state: the inductor current and the voltage across the capacitor itself.
struct LossyState {
    double iL = 0; // A
    double vC = 0; // V
};

// The output node and the capacitor's current of a state, in one interval's topology.
struct LossyNode {
    double vo = 0;
    double iC = 0;
};

// One interval as x' = A x + b, with its output node vo = c . x.
struct LinearInterval {
    double a[2][2] = {};
    double b[2] = {};
    double c[2] = {};
};

class LossyIntervals {
public:
    LossyIntervals(const ConverterCircuit& c, const RealParts& p);

    double onTime() const { return onTime_; }
    double offTime() const { return offTime_; }

    // Switch on: iL relaxes toward Vi / (rS + rL), vC discharges into RL + rC.
    LossyState on(LossyState x, double t) const;
    LossyState blocked(LossyState x, double t) const;
    // Switch off, diode conducting, whatever the sign of iL.
    LossyState off(LossyState x, double t) const;
    // The time derivative of w . x(t) in the off interval: a damped form of its own.
    double offSlope(LossyState x, LossyState w, double t) const;

    LossyNode onNode(LossyState x) const;
    LossyNode offNode(LossyState x) const;
    // The output node's weights in the off interval: vo = (RL vC - rC RL iL) / (RL + rC).
    LossyState offOutputWeights() const;

    // Times in (0, end] where the off interval's w . x has a zero of its slope: between two of
    // them (and the ends) w . x is monotone.
    std::vector<double> offTurningPoints(LossyState start, LossyState w, double end) const;

    // The first instant in (0, end] at which iL, falling from `start`, reaches 0.
    std::optional<double> firstCurrentZero(LossyState start, double end) const;

    // Rates (1/s) that the intervals' quadrature resolves.
    double onRate() const { return onRate_; }
    double offRate() const { return offRate_; }
    double blockedRate() const { return 1 / dischargeTime_; }

    // The intervals as linear systems: on, off with the diode conducting, blocked.
    LinearInterval onSystem() const;
    LinearInterval offSystem() const;
    LinearInterval blockedSystem() const;

private:
    // e^(A t) d = e^(sigma t) (c d + s (A - sigma I) d), c and s the damped pair.
    LossyState damped(LossyState d, double t) const;

    ConverterCircuit c_;
    RealParts p_;
    double onTime_;
    double offTime_;
    double loadAndEsr_;    // RL + rC
    double dischargeTime_; // (RL + rC) C
    double onResistance_;  // rS + rL
    double a_[2][2] = {};
    double b0_ = 0; // the off interval's input, -Vf / L
    double determinant_ = 0;
    LossyState equilibrium_;
    double sigma_ = 0;
    double betaSquared_ = 0;
    double onRate_ = 0;
    double offRate_ = 0;
};
