#pragma once

#include "core/lossy_converter.h"

#include <optional>
#include <string_view>
#include <vector>

// The real parts as people type them: one entry a part, in the unit engineers read on a
// datasheet (mΩ, V, ns, pF, nC), for the command line's options and the windows' fields alike.

struct PartEntry {
    const char* name;        // "rds-mohm": the command line's option
    double RealParts::*part; // where the value goes, in SI units
    double scale;            // SI units per unit of the entry
    const char* label;       // Italian, UTF-8, with the unit: "... dell'interruttore, mΩ"
};

const std::vector<PartEntry>& PartTable();

// The whole text as one finite number at or above zero, with a decimal point and an optional
// exponent ("50", "0.45", "1e3"); none for anything else.
std::optional<double> ReadPartValue(std::string_view text);
