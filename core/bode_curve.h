#pragma once

#include "core/averaged_model.h"
#include "core/factored_response.h"

#include <cstdint>
#include <optional>
#include <vector>

// The Bode curves of the averaged model (and of a loop gain): magnitudes in dB and phases in
// degrees, unwrapped along frequency, starting in (-180, 180].

struct BodePoint {
    double fHz = 0;
    double gvdDb = 0;
    double gvdDeg = 0;
    double gvgDb = 0;
    double gvgDeg = 0;
    double zoutDbOhm = 0;
    double zoutDeg = 0;
    std::optional<double> loopDb; // T, when a loop gain is given
    std::optional<double> loopDeg;
};

// f_i = F1 (F2 / F1)^(i / (P - 1)), i = 0 .. P - 1 (F1 alone when P is 1).
std::vector<double> LogSpacedFrequencies(double fromHz, double toHz, std::int32_t points);

// The curves at `points` log-spaced frequencies from `fromHz` to `toHz`.
std::vector<BodePoint> BodeCurve(const AveragedModel& model, const FactoredResponse* loopGain,
                                 double fromHz, double toHz, std::int32_t points);

// The phase of Gvd at `fHz` on the branch that BodeCurve draws from `fromHz`.
double GvdCurvePhaseDeg(const AveragedModel& model, double fromHz, double fHz);

// `degrees` moved by whole turns to within half a turn of `reference`: a measured phase put on
// the branch of the curve it is held against.
double PhaseNear(double degrees, double reference);
