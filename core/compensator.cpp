// The voltage-mode loop: the Type II and Type III networks, their synthesis by the k-factor
// method, and the loop's margins.
#include "core/compensator.h"

#include <cmath>
#include <numbers>

namespace {

// The margin's phase crossing is sought on this many log-spaced frequencies, then bisected.
constexpr int CrossingGrid = 1000;
constexpr int BisectionSteps = 100;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// Degrees wrapped to (-180, 180].
double Wrapped(double degrees) {
    return degrees - 360 * std::ceil((degrees - 180) / 360);
}

std::optional<CompensatorRefusal> InputRefusal(const CompensatorRequest& r, double fSwitching) {
    if (!(r.fcHz > 0 && r.fcHz < fSwitching / 2)) {
        return CompensatorRefusal::CrossoverOutOfRange;
    }
    if (!(r.pmDeg > 0 && r.pmDeg < 180)) {
        return CompensatorRefusal::MarginOutOfRange;
    }
    if (!(r.R1 > 0)) {
        return CompensatorRefusal::ResistorNotPositive;
    }
    if (!(r.Vm > 0)) {
        return CompensatorRefusal::RampNotPositive;
    }
    return std::nullopt;
}

// The network whose zeros sit at 1 / zeroTime and poles at 1 / poleTime (double for Type III),
// with 1 / (R1 (C1 + C2)) = integratorGain.
CompensatorNetwork NetworkOf(CompensatorType type, double R1, double integratorGain,
                             double zeroTime, double poleTime) {
    CompensatorNetwork n;
    n.type = type;
    n.R1 = R1;
    const double sum = 1 / (R1 * integratorGain);
    n.C2 = sum * poleTime / zeroTime;
    n.C1 = sum - n.C2;
    n.R2 = zeroTime / n.C1;
    if (type == CompensatorType::TypeIII) {
        n.C3 = (zeroTime - poleTime) / R1;
        n.R3 = poleTime / n.C3;
    }
    return n;
}

// The network's shape with a unit integrator gain.
FactoredResponse Shape(CompensatorType type, double zeroTime, double poleTime) {
    FactoredResponse shape;
    shape.integrators = 1;
    const int order = type == CompensatorType::TypeIII ? 2 : 1;
    for (int k = 0; k < order; ++k) {
        shape.zeros.push_back(-1 / zeroTime);
        shape.poles.push_back(-1 / poleTime);
    }
    return shape;
}

// The frequency in [low, high] where the continuous phase of `loop` crosses `level` degrees,
// bisected in log frequency.
double PhaseCrossing(const FactoredResponse& loop, double low, double high, double level) {
    const bool belowAtLow = loop.phaseDeg(low) < level;
    for (int step = 0; step < BisectionSteps; ++step) {
        const double middle = std::sqrt(low * high);
        if ((loop.phaseDeg(middle) < level) == belowAtLow) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return std::sqrt(low * high);
}

std::vector<LoopWarning> WarningsOf(const AveragedModel& model, double fcHz, double fSwitching) {
    std::vector<LoopWarning> warnings;
    if (model.rhpZeroHz && fcHz > *model.rhpZeroHz / 3) {
        warnings.push_back(LoopWarning::CrossoverAboveRhpThird);
    }
    if (fcHz > fSwitching / 10) {
        warnings.push_back(LoopWarning::CrossoverAboveTenthOfF);
    }
    return warnings;
}

} // namespace

FactoredResponse Plant(const AveragedModel& model) {
    FactoredResponse plant = model.gvd;
    if (plant.gain < 0) {
        plant.gain = -plant.gain;
    }
    return plant;
}

FactoredResponse CompensatorResponse(const CompensatorNetwork& n) {
    FactoredResponse gc;
    gc.gain = 1 / (n.R1 * (n.C1 + n.C2));
    gc.integrators = 1;
    gc.zeros = {-1 / (n.R2 * n.C1)};
    gc.poles = {-1 / (n.R2 * n.C1 * n.C2 / (n.C1 + n.C2))};
    if (n.type == CompensatorType::TypeIII) {
        gc.zeros.push_back(-1 / ((n.R1 + n.R3) * n.C3));
        gc.poles.push_back(-1 / (n.R3 * n.C3));
    }
    return gc;
}

FactoredResponse LoopGain(const AveragedModel& model, const CompensatorNetwork& network,
                          double Vm) {
    FactoredResponse loop = Plant(model) * CompensatorResponse(network);
    loop.gain = loop.gain / Vm;
    return loop;
}

double PhaseMarginDeg(const FactoredResponse& loopGain, double fcHz) {
    return Wrapped(180 + loopGain.phaseDeg(fcHz));
}

std::optional<double> GainMarginDb(const FactoredResponse& loopGain, double fcHz,
                                   double fSwitching) {
    // The phase's turns above -180 degrees: T is real and negative where they change.
    const auto turns = [&](double f) { return std::floor((loopGain.phaseDeg(f) - 180) / 360); };
    const double ratio = fSwitching / 2 / fcHz;
    double low = fcHz;
    double turnsLow = turns(low);
    for (int i = 1; i <= CrossingGrid; ++i) {
        const double high = fcHz * std::pow(ratio, static_cast<double>(i) / CrossingGrid);
        const double turnsHigh = turns(high);
        if (turnsHigh != turnsLow) {
            const double level = 180 + 360 * std::max(turnsLow, turnsHigh);
            return -Decibels(loopGain.at(PhaseCrossing(loopGain, low, high, level)));
        }
        low = high;
        turnsLow = turnsHigh;
    }
    return std::nullopt;
}

LoopDesign SynthesiseCompensator(const AveragedModel& model, const ConverterCircuit& circuit,
                                 const CompensatorRequest& request) {
    LoopDesign design;
    design.refusal = InputRefusal(request, circuit.f);
    if (design.refusal) {
        return design;
    }
    const FactoredResponse plant = Plant(model);
    const double fc = request.fcHz;
    design.boostDeg = request.pmDeg - 90 - plant.phaseDeg(fc);
    const bool typeIII = request.type == CompensatorType::TypeIII;
    if (!(design.boostDeg > 0)) {
        design.refusal = CompensatorRefusal::BoostNotPositive;
        return design;
    }
    if (design.boostDeg >= (typeIII ? 180 : 90)) {
        design.refusal = CompensatorRefusal::BoostTooLarge;
        return design;
    }
    const double omega = 2 * std::numbers::pi * fc;
    double spread = 0; // the zeros' and poles' distance from fc, as a ratio
    if (typeIII) {
        const double root = std::tan(Radians(design.boostDeg / 4 + 45));
        design.k = root * root;
        spread = std::sqrt(design.k);
    } else {
        design.k = std::tan(Radians(design.boostDeg / 2 + 45));
        spread = design.k;
    }
    const double zeroTime = spread / omega;
    const double poleTime = 1 / (omega * spread);
    const double shapeAtFc = std::abs(Shape(request.type, zeroTime, poleTime).at(fc));
    const double integratorGain = request.Vm / (std::abs(plant.at(fc)) * shapeAtFc);
    design.network = NetworkOf(request.type, request.R1, integratorGain, zeroTime, poleTime);
    design.loopGain = LoopGain(model, design.network, request.Vm);
    design.pmDeg = PhaseMarginDeg(design.loopGain, fc);
    design.gmDb = GainMarginDb(design.loopGain, fc, circuit.f);
    design.warnings = WarningsOf(model, fc, circuit.f);
    return design;
}
