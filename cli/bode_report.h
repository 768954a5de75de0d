#pragma once

#include "cli/report.h"
#include "core/compensator.h"
#include "core/converter_circuit.h"
#include "core/lossy_converter.h"

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>

// The Bode analysis as the command line asks for it and prints it: the options' texts read
// strictly, and the report of the averaged model, the compensator, the curves and the FRA.

// The texts of bode's own options, by option name ("from-hz"); an option not given is absent.
using BodeTexts = std::map<std::string, std::string>;

struct BodeRequest {
    double fromHz = 10;
    double toHz = 0; // f / 2 when not given
    std::int32_t points = 200;
    double Vm = 1;
    std::optional<CompensatorRequest> compensator;
    std::int32_t fraPoints = 0;
};

struct BodeRequestRead {
    BodeRequest request;
    std::optional<std::string> refusal; // in the language in use, naming the option
};

// The request of `texts` for a converter switching at `fSwitching`: frequencies with
// 0 < from < to, points from 2, Vm and R1 above zero, compensate 2 or 3 with fc in (0, f / 2)
// and PM in (0, 180), FRA points from 0.
BodeRequestRead ReadBodeRequest(const BodeTexts& texts, double fSwitching);

// {"bode": {mode, operating_point {VoMean_V, IL_A}, poles_Hz, zeros_Hz, rhp_zero_Hz,
// compensator, points, fra, warnings}}, SI units, phases unwrapped along frequency.
Report BodeReport(const ConverterCircuit& circuit, const RealParts& parts,
                  const BodeRequest& request);

// The report's points, one CSV row each, under a header of their keys.
void WriteBodeCsv(std::ostream& out, const Report& report);
