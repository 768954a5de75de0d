#pragma once

#include "core/lossy_converter.h"

#include <CLI/CLI.hpp>

#include <map>
#include <optional>
#include <string>
#include <vector>

// The real parts as the command line takes them: one option a part, in the unit engineers read
// on a datasheet (mOhm, V, ns, pF, nC), read as a strict decimal number.

struct PartOption {
    const char* name;        // "rds-mohm"
    double RealParts::*part; // where the value goes, in SI units
    double scale;            // SI units per unit of the option
    const char* help;
};

const std::vector<PartOption>& PartOptions();

// The texts given, by option name; a part not given is absent.
using PartTexts = std::map<std::string, std::string>;

void AddPartOptions(CLI::App& command, PartTexts& texts);

// The parts read; a text that is not a finite number at or above zero is refused with an Italian
// message naming its option.
struct PartsRead {
    RealParts parts;
    std::optional<std::string> refusal;
};
PartsRead ReadParts(const PartTexts& texts);
