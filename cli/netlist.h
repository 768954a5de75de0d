#pragma once

#include "cli/headless_run.h"
#include "core/lossy_converter.h"

#include <string>

// The SPICE netlist of the circuit that the verification fields hold, with real parts: the
// fields are checked and read as a verification reads them, and the netlist's transient runs
// the verification's NI periods with a step of at most 1 / (N f).
struct NetlistRun {
    RunStatus status; // Refused or Faulted with the message, when the fields were not read
    std::string text; // the netlist, when Done
};

NetlistRun RunNetlist(const FieldTexts& fields, const RealParts& parts);
