#pragma once

#include "core/lossy_converter.h"
#include "ui/chart_view.h"

#include <vector>

// The efficiency against the load current, from 10 % to 150 % of the circuit's load in 50
// points, with the loss of each part stacked beneath it.

// The chart's numbers: load, load current, efficiency, total loss and the loss of each part
// that loses any power over the range.
std::vector<ChartColumn> EfficiencyChartNumbers(const ConverterCircuit& circuit,
                                                const RealParts& parts);

// Draws the chart of the circuit with its parts on `view`, in place of what it showed.
void ShowEfficiencyChart(ChartView& view, const ConverterCircuit& circuit, const RealParts& parts);
