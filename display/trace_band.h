#pragma once

#include "core/conversions.h"
#include "core/module1.h"

#include <array>
#include <vector>

// One trace's horizontal band of the plot: a sample is drawn at
// y = (sample × factor) / scale + zeroLine, so the trace reaches `factor` above (or below)
// its zero line at the largest magnitude `scale`.
struct TraceBand {
    std::vector<double> Module1::*samples;
    double Module1::*scale;
    double zeroLine;
    double factor;
    Color colour;
};

// The four bands in drawing order: inductor current, capacitor current, output voltage and
// diode current. The diode current shares the inductor current's scale, so the two current
// traces are drawn to one scale.
const std::array<TraceBand, 4>& TraceBands();
