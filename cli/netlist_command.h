#pragma once

#include "cli/command_options.h"

#include <CLI/CLI.hpp>

#include <string>

// The netlist command: verify's circuit options, the real parts, and the file to write.

struct NetlistOptions {
    CommandOptions circuit;
    std::string outputFile; // standard output when empty
};

CLI::App* AddNetlistCommand(CLI::App& app, NetlistOptions& options);

// Writes the netlist whole to the file, or to the standard output; the exit status.
int Netlist(const NetlistOptions& options, StandardOutput& output);
