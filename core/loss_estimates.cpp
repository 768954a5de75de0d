// The real parts for a design: closed-form losses, the duty for a target, the efficiency curve.
#include "core/loss_estimates.h"

#include <cmath>

namespace {

// The duty cycle of the largest |vo| and of the target are found to this share of D.
constexpr double DutyTolerance = 1e-13;
constexpr double SmallestDuty = 1e-9;
// The duty is searched below this: a shorter off interval than a ten-thousandth of the period is
// beyond any switch, and the period map's fixed point grows ill-conditioned toward D = 1.
constexpr double LargestDuty = 0.9999;

double MeanOutputMagnitude(const ConverterCircuit& circuit, const RealParts& parts, double D) {
    ConverterCircuit at = circuit;
    at.D = D;
    return -SolveLossySteadyState(at, parts).values.meanVo;
}

} // namespace

PartLosses FormulaLosses(const ConverterCircuit& c, const RealParts& p) {
    const double D = c.D;
    const double offShare = 1 - D;
    const double output = offShare * c.RL * (D * c.Vi - offShare * p.Vf) /
                          (offShare * offShare * c.RL + p.rL + D * p.rS + offShare * p.rD +
                           D * offShare * c.RL * p.rC / (c.RL + p.rC));
    const double inductorMean = output / (offShare * c.RL);
    const double ripple = (c.Vi - (p.rS + p.rL) * inductorMean) * D / (c.f * c.L);
    const double meanSquare = inductorMean * inductorMean + ripple * ripple / 12;
    const double outputCurrent = output / c.RL;
    const double esrShare = c.RL / (c.RL + p.rC);
    const double excess = inductorMean - outputCurrent;
    const double blockedVoltage = c.Vi + output + p.Vf;
    PartLosses l;
    l.switchConduction = p.rS * D * meanSquare;
    l.inductor = p.rL * meanSquare;
    l.diode = p.Vf * offShare * inductorMean + p.rD * offShare * meanSquare;
    l.capacitor =
        p.rC * (esrShare * esrShare) *
        (D * (outputCurrent * outputCurrent) + offShare * (excess * excess + ripple * ripple / 12));
    l.switchSwitching = 0.5 * blockedVoltage *
                        ((inductorMean - ripple / 2) * p.tr + (inductorMean + ripple / 2) * p.tf) *
                        c.f;
    l.switchCoss = 0.5 * p.Coss * (blockedVoltage * blockedVoltage) * c.f;
    l.gate = p.Qg * p.Vg * c.f;
    l.total = l.switchConduction + l.switchSwitching + l.switchCoss + l.gate + l.inductor +
              l.diode + l.capacitor;
    return l;
}

DutyForTarget DutyForOutput(const ConverterCircuit& circuit, const RealParts& parts,
                            double targetVo) {
    // |mean vo| rises with D to its largest value, then falls as the losses take over: the
    // largest by golden-section search, then the target below it by bisection.
    const double golden = (std::sqrt(5.0) - 1) / 2;
    double low = SmallestDuty;
    double high = LargestDuty;
    while (high - low > DutyTolerance * high) {
        const double left = high - golden * (high - low);
        const double right = low + golden * (high - low);
        if (MeanOutputMagnitude(circuit, parts, left) <
            MeanOutputMagnitude(circuit, parts, right)) {
            low = left;
        } else {
            high = right;
        }
    }
    const double largestDuty = (low + high) / 2;
    if (!(MeanOutputMagnitude(circuit, parts, largestDuty) >= targetVo)) {
        return {};
    }
    low = SmallestDuty;
    high = largestDuty;
    while (high - low > DutyTolerance * high) {
        const double middle = low + (high - low) / 2;
        (MeanOutputMagnitude(circuit, parts, middle) < targetVo ? low : high) = middle;
    }
    ConverterCircuit at = circuit;
    at.D = high;
    return {high, SolveLossySteadyState(at, parts).efficiency};
}

std::vector<EfficiencyPoint> EfficiencyCurve(const ConverterCircuit& circuit,
                                             const RealParts& parts, double fromPercent,
                                             double toPercent, std::int32_t points) {
    std::vector<EfficiencyPoint> curve;
    for (std::int32_t k = 0; k < points; ++k) {
        EfficiencyPoint point;
        point.loadPercent = fromPercent + (toPercent - fromPercent) * k / (points - 1);
        point.RL = circuit.RL * 100 / point.loadPercent;
        ConverterCircuit at = circuit;
        at.RL = point.RL;
        const LossySteadyState s = SolveLossySteadyState(at, parts);
        point.Io = -s.values.meanVo / point.RL;
        point.discontinuous = s.discontinuous;
        point.outputPower = s.outputPower;
        point.loss = s.losses.total;
        point.efficiency = s.efficiency;
        curve.push_back(point);
    }
    return curve;
}
