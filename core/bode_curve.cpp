// The Bode curves of the averaged model and of a loop gain.
#include "core/bode_curve.h"

#include <cmath>

namespace {

// The whole turns that bring `degrees` into (-180, 180].
double TurnsInto(double degrees) {
    return -360 * std::ceil((degrees - 180) / 360);
}

// A response's magnitude in dB and its continuous phase, shifted by the whole turns that bring
// its first point into (-180, 180].
struct Curve {
    const FactoredResponse& response;
    double shift;

    Curve(const FactoredResponse& r, double firstHz)
        : response(r), shift(TurnsInto(r.phaseDeg(firstHz))) {}

    double dB(double fHz) const { return Decibels(response.at(fHz)); }
    double deg(double fHz) const { return response.phaseDeg(fHz) + shift; }
};

} // namespace

std::vector<double> LogSpacedFrequencies(double fromHz, double toHz, std::int32_t points) {
    std::vector<double> frequencies;
    const double ratio = toHz / fromHz;
    for (std::int32_t i = 0; i < points; ++i) {
        const double exponent = points == 1 ? 0.0 : static_cast<double>(i) / (points - 1);
        frequencies.push_back(fromHz * std::pow(ratio, exponent));
    }
    return frequencies;
}

std::vector<BodePoint> BodeCurve(const AveragedModel& model, const FactoredResponse* loopGain,
                                 double fromHz, double toHz, std::int32_t points) {
    const Curve gvd(model.gvd, fromHz);
    const Curve gvg(model.gvg, fromHz);
    const Curve zout(model.zout, fromHz);
    std::optional<Curve> loop;
    if (loopGain) {
        loop.emplace(*loopGain, fromHz);
    }
    std::vector<BodePoint> curve;
    for (const double f : LogSpacedFrequencies(fromHz, toHz, points)) {
        BodePoint p;
        p.fHz = f;
        p.gvdDb = gvd.dB(f);
        p.gvdDeg = gvd.deg(f);
        p.gvgDb = gvg.dB(f);
        p.gvgDeg = gvg.deg(f);
        p.zoutDbOhm = zout.dB(f);
        p.zoutDeg = zout.deg(f);
        if (loop) {
            p.loopDb = loop->dB(f);
            p.loopDeg = loop->deg(f);
        }
        curve.push_back(p);
    }
    return curve;
}

double GvdCurvePhaseDeg(const AveragedModel& model, double fromHz, double fHz) {
    return Curve(model.gvd, fromHz).deg(fHz);
}

double PhaseNear(double degrees, double reference) {
    return degrees + 360 * std::round((reference - degrees) / 360);
}
