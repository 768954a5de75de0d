#pragma once

#include "core/tolerance_summary.h"
#include "ui/chart_view.h"

#include <span>

// The histogram of one quantity of a tolerance analysis: the Monte Carlo samples (the corners
// when there are none) in thirty classes between the smallest and the largest value, with the
// limits on that quantity drawn across it.

// How the windows show a quantity: its name, its unit and the factor from the SI value.
struct QuantityLook {
    const char* name;     // "ΔVo", in Italian: QuantityName shows it in the language in use
    const char16_t* unit; // u"mV"
    double scale;         // 1000 from V to mV
};
const QuantityLook& LookOf(ToleranceQuantity quantity);
QString ShownQuantityName(ToleranceQuantity quantity);

void ShowToleranceHistogram(ChartView& view, const ToleranceAnalysis& analysis,
                            std::span<const ToleranceRow> rows, ToleranceQuantity quantity);
