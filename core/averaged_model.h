#pragma once

#include "core/converter_circuit.h"
#include "core/factored_response.h"
#include "core/lossy_converter.h"

#include <optional>
#include <vector>

// The small-signal model of the converter with its real parts (rS, rL, rC, Vf, rD; the
// switching parts do not enter it), in the mode of its exact periodic steady state.
// Continuous conduction: the state-space average of the on and off intervals with the inputs
// u = (Vi, Vf, i), i a current injected into the output node, linearised at its operating point
// X = -A^-1 B U:
//   Gvd(s) = c (sI - A)^-1 [(A_on - A_off) X + (B_on - B_off) U] + (c_on - c_off) X,
//   Gvg(s) = vo / vi, Zout(s) = vo / i, vo the output node after the ESR.
// Discontinuous conduction: the reduced-order model of the ideal converter with the ESR,
//   V = -Vi D sqrt(RL T / (2 L)), H(s) = (1 + s rC C) / (1 + s (RL / 2 + rC) C),
//   Gvd = (V / D) H, Gvg = (V / Vi) H, Zout = (RL / 2) H, IL = (|V| / RL) (1 + |V| / Vi).

// A pole or a zero: a real root at |root| / 2 pi without q; a complex pair once, at its natural
// frequency with q = |root| / (2 |Re root|).
struct Root {
    double fHz = 0;
    std::optional<double> q;
    bool rightHalfPlane = false;
};

// What the model tells of itself, to be worded for the user.
enum class ModelWarning {
    // Continuous conduction with Gvd(0) >= 0: losses beyond the duty of the largest |Vo|.
    GainNotNegative,
    // Discontinuous conduction with rS, rL, Vf or rD given: the reduced-order model leaves them
    // out.
    PartsNotModelled,
    // Discontinuous conduction: the reduced-order model holds at low frequency only.
    LowFrequencyOnly,
};

struct AveragedModel {
    bool discontinuous = false;      // from the exact periodic steady state with the parts
    double VoMean = 0;               // V, the model's operating point (negative)
    double IL = 0;                   // A
    FactoredResponse gvd;            // V per unit duty
    FactoredResponse gvg;            // V / V
    FactoredResponse zout;           // ohm
    std::vector<Root> poles;         // of Gvd, by frequency
    std::vector<Root> zeros;         // of Gvd, by frequency
    std::optional<double> rhpZeroHz; // the lowest right-half-plane zero of Gvd
    std::vector<ModelWarning> warnings;
};

AveragedModel AverageModel(const ConverterCircuit& circuit, const RealParts& parts);

// The poles or zeros of a response as Roots, sorted by frequency; a root at the origin is left
// out.
std::vector<Root> RootsOf(const std::vector<std::complex<double>>& roots);
