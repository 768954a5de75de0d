#pragma once

#include "cli/bode_report.h"
#include "cli/command_options.h"

#include <CLI/CLI.hpp>

// The bode command: the averaged model's Bode curves of the verified circuit with its parts, a
// compensator on request, and the switching circuit's FRA.

struct BodeOptions {
    CommandOptions fields;
    BodeTexts texts;
};

// The command and its options: verify's fields, the parts, bode's own and the format.
CLI::App* AddBodeCommand(CLI::App& app, BodeOptions& options);

// Runs the command that AddBodeCommand added, once parsed.
int Bode(const CLI::App& command, const BodeOptions& options, StandardOutput& output);
