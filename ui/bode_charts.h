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
    std::vector<FraPoint> fra; // phases on the branch of the model's Gvd curve
};

void ShowBodeMagnitude(ChartView& view, const BodeCurves& curves);
void ShowBodePhase(ChartView& view, const BodeCurves& curves);
