#pragma once

#include "cli/command_options.h"
#include "cli/tolerance_options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdint>
#include <string>
#include <thread>

// The tolerance command: the worst case over the corners of the toleranced values and the
// Monte Carlo samples of them, as CSV rows or, for the whole analysis, as a JSON summary.

struct ToleranceOptions {
    std::string tolerances; // "vi=5,f=2,l=20,c=20,rl=10"
    bool worstCase = false;
    std::int64_t samples = DefaultSampleCount;
    std::int64_t seed = 1;
    std::string distribution = "uniform";
    double rippleIL = 0;
    double rippleVoMilli = 0;
    double voBandPercent = 0;
    double peakCurrent = 0;
    double efficiencyPercent = 0;
    int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::string shard = "0/1";
};

void AddToleranceOptions(CLI::App& command, ToleranceOptions& tolerance);

// Runs the analysis that `command` parsed; a usage error is thrown as UsageError.
int Tolerance(const CLI::App& command, const CommandOptions& options,
              const ToleranceOptions& tolerance, StandardOutput& output);
