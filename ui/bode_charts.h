#pragma once

#include "core/bode_curve.h"
#include "core/frequency_response_analysis.h"
#include "ui/chart_view.h"

#include <vector>

// The Bode charts of the frequency-response window and of the report: the magnitude and the
// phase of Gvd, Gvg, Zout and, when a compensator is set, of the loop gain T, against a
// logarithmic frequency, with the points the switching circuit's FRA measured of Gvd over them.

struct BodeCurves {
    std::vector<BodePoint> points;
    std::vector<FraPoint> fra;
};

void ShowBodeMagnitude(ChartView& view, const BodeCurves& curves);
void ShowBodePhase(ChartView& view, const BodeCurves& curves);

// The FRA's phase, measured in (-180, 180], moved by whole turns to within half a turn of the
// averaged model's Gvd at the nearest frequency of the curve, so that both read alike.
double PhaseBesideModel(const std::vector<BodePoint>& points, const FraPoint& fra);
