#pragma once

#include "core/analysis.h"
#include "core/conversions.h"
#include "core/verification.h"

#include <vector>

// The analysis's facts in the user's words: the sentences that the analysis window, the report
// and the command line show under the table. Each sentence is one whole template with numbered
// places (%1, %2, ...), so that it can be translated as a whole.

// Why a run's simulated column is empty, for a run that read its circuit and ended otherwise
// than drawn.
Text MissingSimulationText(VerificationEnd end);

// The analysis's warnings in the order they are listed: not settled, steady state not found,
// discontinuous conduction, the boundary near, then for a simulated run a step too coarse and
// the diode's blocking. Figures use `decimalSeparator`.
std::vector<Text> AnalysisWarnings(const ConverterAnalysis& analysis, bool simulated,
                                   char16_t decimalSeparator);
