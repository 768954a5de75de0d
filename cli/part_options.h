#pragma once

#include "core/lossy_converter.h"
#include "display/part_table.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

// The real parts, and the loads of the efficiency curve, as the command line takes them: one option
// a part of PartTable, named by the entry and helped by its label, read as a strict decimal number.

// The texts given, by option name; a part not given is absent.
using PartTexts = std::map<std::string, std::string>;

void AddPartOptions(CLI::App& command, PartTexts& texts);

// The parts read; a text that is not a finite number at or above zero is refused with a message
// naming its option.
struct PartsRead {
    RealParts parts;
    std::optional<std::string> refusal;
};
PartsRead ReadParts(const PartTexts& texts);

// The loads of the efficiency curve as the user gives them: the first and the last load in per
// cent of RL's, and the number of points, as texts.
struct CurveOptions {
    std::string from = "10";
    std::string to = "150";
    std::string points = "50";
};

// --from-pct, --to-pct and --points of the efficiency curve.
void AddCurveOptions(CLI::App& command, CurveOptions& curve);

// The curve's range, or the refusal naming the option: points >= 2, 0 < from < to.
std::optional<std::string> CurveRefusal(const CurveOptions& curve, double& from, double& to,
                                        std::int32_t& points);
