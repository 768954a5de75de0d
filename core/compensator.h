#pragma once

#include "core/averaged_model.h"
#include "core/converter_circuit.h"
#include "core/factored_response.h"

#include <optional>
#include <vector>

// The voltage-mode loop and its compensator. The sensing path inverts the negative output, so
// the plant is Gp = Gvd / sign(Gvd(0)) (positive at DC); the error amplifier's network gives
// Gc = Zf / Zi without the amplifier's own inversion; the loop gain is T = Gp Gc / Vm, Vm the
// ramp's amplitude.
// Type II: R1 into the amplifier, R2 in series with C1 in the feedback, C2 across both:
//   Gc = (1 + s R2 C1) / (s R1 (C1 + C2) (1 + s R2 C1 C2 / (C1 + C2))).
// Type III adds R3 in series with C3 across R1: Gc times (1 + s (R1 + R3) C3) / (1 + s R3 C3).
// Synthesis by the k-factor method for a crossover fc and a phase margin PM:
// boost = PM - 90 - phi_p, phi_p the continuous phase of Gp at fc; Type II
// k = tan(boost / 2 + 45), zero at fc / k, pole at fc k; Type III k = tan^2(boost / 4 + 45),
// double zero at fc / sqrt k, double pole at fc sqrt k; the gain sets |T(j 2 pi fc)| = 1.

enum class CompensatorType { TypeII = 2, TypeIII = 3 };

struct CompensatorRequest {
    CompensatorType type = CompensatorType::TypeII;
    double fcHz = 0;  // crossover
    double pmDeg = 0; // phase margin
    double R1 = 10e3; // ohm
    double Vm = 1;    // V, the PWM ramp's amplitude
};

// Why a compensator was not synthesised.
enum class CompensatorRefusal {
    CrossoverOutOfRange, // fc not in (0, f / 2)
    MarginOutOfRange,    // PM not in (0, 180)
    ResistorNotPositive, // R1 <= 0
    RampNotPositive,     // Vm <= 0
    BoostNotPositive,    // the plant already gives the margin: boost <= 0
    BoostTooLarge,       // boost >= 90 (Type II) or 180 (Type III)
};

// What the loop tells of itself, to be worded for the user.
enum class LoopWarning {
    CrossoverAboveRhpThird, // fc > f_RHP / 3
    CrossoverAboveTenthOfF, // fc > f / 10
};

// The network; R3 and C3 are 0 for Type II.
struct CompensatorNetwork {
    CompensatorType type = CompensatorType::TypeII;
    double R1 = 0; // ohm
    double R2 = 0; // ohm
    double C1 = 0; // F
    double C2 = 0; // F
    double R3 = 0; // ohm
    double C3 = 0; // F
};

struct LoopDesign {
    std::optional<CompensatorRefusal> refusal; // when set, nothing below is
    double boostDeg = 0;
    double k = 0;
    CompensatorNetwork network;
    FactoredResponse loopGain;  // T
    double pmDeg = 0;           // 180 + arg T(j 2 pi fc), wrapped to (-180, 180]
    std::optional<double> gmDb; // -20 log10 |T| where T is first real and negative above fc
    std::vector<LoopWarning> warnings;
};

// The plant of the loop: Gvd / sign(Gvd(0)).
FactoredResponse Plant(const AveragedModel& model);

// Gc of a network.
FactoredResponse CompensatorResponse(const CompensatorNetwork& network);

// T = Gp Gc / Vm.
FactoredResponse LoopGain(const AveragedModel& model, const CompensatorNetwork& network, double Vm);

// 180 + arg T(j 2 pi fcHz), wrapped to (-180, 180].
double PhaseMarginDeg(const FactoredResponse& loopGain, double fcHz);

// -20 log10 |T| at the lowest frequency in (fcHz, fSwitching / 2) where T is real and negative;
// none where there is none.
std::optional<double> GainMarginDb(const FactoredResponse& loopGain, double fcHz,
                                   double fSwitching);

// The compensator for `request` on the model of `circuit` (f is its switching frequency), or
// the reason it is refused.
LoopDesign SynthesiseCompensator(const AveragedModel& model, const ConverterCircuit& circuit,
                                 const CompensatorRequest& request);
