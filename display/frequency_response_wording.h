#pragma once

#include "core/averaged_model.h"
#include "core/compensator.h"
#include "core/conversions.h"

// The frequency response's facts in the user's words, shared by the window, the report and
// the command line: the model's and the loop's warnings, and why a compensator is refused.

Text ModelWarningText(ModelWarning warning);
Text LoopWarningText(LoopWarning warning);
// The refusal; a refusal of the phase boost gives the boost the margin needs, its figure with
// `decimalSeparator`.
Text CompensatorRefusalText(CompensatorRefusal refusal, double boostDeg, char16_t decimalSeparator);
