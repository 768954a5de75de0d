#pragma once

#include "cli/command_options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdint>
#include <string>
#include <thread>

// The sweep command: its arguments and its run.

struct SweepOptions {
    std::string param;
    double from = 0;
    double to = 0;
    std::int64_t steps = 0;
    bool logarithmic = false;
    int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::string shard = "0/1";
};

void AddSweepOptions(CLI::App& command, SweepOptions& sweep);

// Runs the sweep that `command` parsed; a usage error is thrown as UsageError.
int Sweep(const CLI::App& command, const CommandOptions& options, const SweepOptions& sweep,
          StandardOutput& output);
