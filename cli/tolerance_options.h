#pragma once

#include "core/tolerance_analysis.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The tolerances as --tol gives them: "vi=5,f=2,l=20,c=20,rl=10", and for the real parts rds=,
// dcr=, esr=, vf=, rd=; each name once, each a plain decimal per cent from 0 to less than 100.

using TolerancePercents = std::array<std::optional<double>, TolerancedValueCount>;

// Reads `text` into `percent` (by TolerancedValue); the refusal naming the option when
// it is not such a list.
std::optional<std::string> ReadTolerances(const std::string& text, TolerancePercents& percent);

// The Monte Carlo samples taken when neither the worst case nor a number of samples is asked for.
inline constexpr std::int64_t DefaultSampleCount = 10000;

// The rows asked for, into `problem`: the corners with `worstCase`, then `samples` Monte Carlo
// samples when given; with neither, both, with DefaultSampleCount samples.
void SetRowKinds(ToleranceProblem& problem, bool worstCase, std::optional<std::int64_t> samples);
