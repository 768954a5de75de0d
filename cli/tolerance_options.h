#pragma once

#include "core/tolerance_analysis.h"

#include <array>
#include <optional>
#include <string>

// The tolerances as --tol gives them: "vi=5,f=2,l=20,c=20,rl=10", and for the real parts rds=,
// dcr=, esr=, vf=, rd=; each name once, each a plain decimal per cent from 0 to less than 100.

using TolerancePercents = std::array<std::optional<double>, TolerancedValueCount>;

// Reads `text` into `percent` (by TolerancedValue); the Italian refusal naming the option when
// it is not such a list.
std::optional<std::string> ReadTolerances(const std::string& text, TolerancePercents& percent);
