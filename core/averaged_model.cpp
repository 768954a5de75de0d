// The averaged small-signal model of the converter with its real parts, in either conduction
// mode, with the poles and zeros of its control-to-output response.
#include "core/averaged_model.h"

#include "core/lossy_intervals.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct Vector2 {
    double x0 = 0;
    double x1 = 0;
};

double Dot(const double c[2], Vector2 v) {
    return c[0] * v.x0 + c[1] * v.x1;
}

// The averaged state matrix and the weights of the output node.
struct Average {
    double a[2][2] = {};
    double c[2] = {};
};

Average Averaged(const LinearInterval& on, const LinearInterval& off, double D) {
    const double share = 1 - D;
    Average average;
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            average.a[i][j] = D * on.a[i][j] + share * off.a[i][j];
        }
        average.c[i] = D * on.c[i] + share * off.c[i];
    }
    return average;
}

// c (sI - A)^-1 w + e as a ratio of polynomials in s, factored.
FactoredResponse Response(const Average& m, Vector2 w, double e) {
    const double(&a)[2][2] = m.a;
    const double(&c)[2] = m.c;
    const double trace = a[0][0] + a[1][1];
    const double determinant = a[0][0] * a[1][1] - a[0][1] * a[1][0];
    const double n0 = c[0] * (-a[1][1] * w.x0 + a[0][1] * w.x1) +
                      c[1] * (a[1][0] * w.x0 - a[0][0] * w.x1) + e * determinant;
    const double n1 = Dot(c, w) - e * trace;
    FactoredResponse response;
    if (n0 == 0) { // a zero at the origin: the ideal converter's output impedance
        response.integrators = -1;
        response.gain = n1 / determinant;
        response.zeros = PolynomialRoots(n1, e, 0);
    } else {
        response.gain = n0 / determinant;
        response.zeros = PolynomialRoots(n0, n1, e);
    }
    response.poles = PolynomialRoots(determinant, -trace, 1);
    return response;
}

AveragedModel ContinuousModel(const ConverterCircuit& circuit, const RealParts& parts) {
    const LossyIntervals intervals(circuit, parts);
    const LinearInterval on = intervals.onSystem();
    const LinearInterval off = intervals.offSystem();
    const double D = circuit.D;
    const Average m = Averaged(on, off, D);
    // The operating point X = -A^-1 b, b the averaged input.
    const Vector2 b{D * on.b[0] + (1 - D) * off.b[0], D * on.b[1] + (1 - D) * off.b[1]};
    const double determinant = m.a[0][0] * m.a[1][1] - m.a[0][1] * m.a[1][0];
    const Vector2 X{-(m.a[1][1] * b.x0 - m.a[0][1] * b.x1) / determinant,
                    -(m.a[0][0] * b.x1 - m.a[1][0] * b.x0) / determinant};

    Vector2 duty{on.b[0] - off.b[0], on.b[1] - off.b[1]};
    duty.x0 += (on.a[0][0] - off.a[0][0]) * X.x0 + (on.a[0][1] - off.a[0][1]) * X.x1;
    duty.x1 += (on.a[1][0] - off.a[1][0]) * X.x0 + (on.a[1][1] - off.a[1][1]) * X.x1;
    const double dutyFeedthrough = (on.c[0] - off.c[0]) * X.x0 + (on.c[1] - off.c[1]) * X.x1;

    // A current i injected into the output node: it flows through the capacitor's branch in
    // parallel with the load, and in the off interval it shifts vo, which drives the inductor.
    const double loadAndEsr = circuit.RL + parts.rC;
    const double nodeResistance = parts.rC * circuit.RL / loadAndEsr;
    const Vector2 injected{(1 - D) * nodeResistance / circuit.L,
                           circuit.RL / (loadAndEsr * circuit.C)};

    AveragedModel model;
    model.VoMean = Dot(m.c, X);
    model.IL = X.x0;
    model.gvd = Response(m, duty, dutyFeedthrough);
    model.gvg = Response(m, {D / circuit.L, 0}, 0);
    model.zout = Response(m, injected, nodeResistance);
    if (!(model.gvd.gain < 0)) {
        model.warnings.push_back(ModelWarning::GainNotNegative);
    }
    return model;
}

AveragedModel DiscontinuousModel(const ConverterCircuit& circuit, const RealParts& parts) {
    const double V = -circuit.Vi * circuit.D * std::sqrt(circuit.RL / circuit.f / (2 * circuit.L));
    FactoredResponse h;
    if (parts.rC > 0) {
        h.zeros = {-1 / (parts.rC * circuit.C)};
    }
    h.poles = {-1 / ((circuit.RL / 2 + parts.rC) * circuit.C)};
    AveragedModel model;
    model.discontinuous = true;
    model.VoMean = V;
    model.IL = (std::abs(V) / circuit.RL) * (1 + std::abs(V) / circuit.Vi);
    model.gvd = h;
    model.gvd.gain = V / circuit.D;
    model.gvg = h;
    model.gvg.gain = V / circuit.Vi;
    model.zout = h;
    model.zout.gain = circuit.RL / 2;
    if (parts.rS != 0 || parts.rL != 0 || parts.Vf != 0 || parts.rD != 0) {
        model.warnings.push_back(ModelWarning::PartsNotModelled);
    }
    model.warnings.push_back(ModelWarning::LowFrequencyOnly);
    return model;
}

} // namespace

std::vector<Root> RootsOf(const std::vector<std::complex<double>>& roots) {
    std::vector<Root> listed;
    for (const std::complex<double>& root : roots) {
        if (root.imag() < 0 || root == 0.0) {
            continue; // a complex pair is listed once, by its upper root
        }
        Root r;
        r.fHz = std::abs(root) / (2 * std::numbers::pi);
        if (root.imag() > 0) {
            r.q = std::abs(root) / (2 * std::abs(root.real()));
        }
        r.rightHalfPlane = root.real() > 0;
        listed.push_back(r);
    }
    std::sort(listed.begin(), listed.end(),
              [](const Root& a, const Root& b) { return a.fHz < b.fHz; });
    return listed;
}

AveragedModel AverageModel(const ConverterCircuit& circuit, const RealParts& parts) {
    AveragedModel model = SolveLossySteadyState(circuit, parts).discontinuous
                              ? DiscontinuousModel(circuit, parts)
                              : ContinuousModel(circuit, parts);
    model.poles = RootsOf(model.gvd.poles);
    model.zeros = RootsOf(model.gvd.zeros);
    for (const Root& zero : model.zeros) {
        if (zero.rightHalfPlane) {
            model.rhpZeroHz = zero.fHz;
            break;
        }
    }
    return model;
}
