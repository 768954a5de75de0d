#pragma once

#include "core/lossy_converter.h"
#include "display/part_table.h"

#include <CLI/CLI.hpp>

#include <map>
#include <optional>
#include <string>

// The real parts as the command line takes them: one option a part of PartTable, named by the
// entry and helped by its label, read as a strict decimal number.

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
