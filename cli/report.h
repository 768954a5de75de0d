#pragma once

#include "cli/headless_run.h"
#include "core/analysis.h"
#include "core/loss_estimates.h"
#include "core/standard_values.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// What the command line prints of a run: one JSON object whose keys keep the order written
// here, or the same values flattened into CSV columns named with dots
// ("exact_steady.iLMax_A"). Every number reads back to the same double.

using Report = nlohmann::ordered_json;

// {"design": {D, L (uH), C (uF), IDP, IDm, Iim (A), RL (ohm), texts}}.
Report DesignReport(const DesignRun& run);

// {"verify": {DeltaiLSim (A), DeltaVoSim (mV), IDPSim, IdmSim, IimSim (A), texts}}.
Report VerificationReport(const VerificationRun& run);

// The analysis of a run that was simulated (Done), or of one that read its circuit but that the
// conduction check refused or a runtime error ended (with "simulation": null and the refusal or
// the error as its status); SI units.
Report AnalysisBody(const VerificationRun& run, const ConverterAnalysis& analysis);

// {"analyze": AnalysisBody}.
Report AnalysisReport(const VerificationRun& run, const ConverterAnalysis& analysis);

// The analysis of a run that read its circuit (checked): of its samples when Done, of its
// circuit alone otherwise. A runtime error of the analysis itself is thrown as such.
ConverterAnalysis AnalyseRun(const VerificationRun& run);

// With real parts, analyze's body gains "parts" (SI), "lossy_steady" (the keys of
// exact_steady and the mode with the parts), "losses_W", "input_power_W", "output_power_W",
// "energy_balance_W", "efficiency", "losses_formula_W" (null in discontinuous conduction) and
// "D_parts", the duty that gives Vi D / (1 - D) of the verified D with the parts (null when
// none does).
void AddRealParts(Report& body, const ConverterCircuit& circuit, const RealParts& parts);

// With real parts, design's body gains "D_parts" and "efficiency_parts": the duty that gives
// the designed |Vo| with the designed L and C and RL = |Vo| / Io, and the efficiency there.
void AddDesignParts(Report& body, const Module1& designed, const RealParts& parts);

// With a series, design's body gains "L_series_uH" and "C_series_uF", the designed L and C
// snapped up to it, and the exact steady ripples with them, "DeltaiL_series_A" and
// "DeltaVo_series_mV".
void AddSeriesDesign(Report& body, const Module1& designed, ESeries series);

// The efficiency curve: index,load_pct,RL_ohm,Io_A,mode,Pout_W,Ploss_W,efficiency.
void WriteEfficiencyCsv(std::ostream& out, const std::vector<EfficiencyPoint>& curve);

// The leaves of a report in order, each named by the keys on its way joined with dots; an
// object that is null is one leaf.
std::vector<std::pair<std::string, Report>> Flatten(const Report& report);

// A CSV cell: numbers in their shortest text that reads back, strings quoted when they hold a
// comma, a quote or a line break, null empty.
std::string CsvCell(const Report& value);

// Writes the report as JSON (two-space indent) or as a CSV header line and one row.
void WriteJson(std::ostream& out, const Report& report);
void WriteCsv(std::ostream& out, const Report& report);

// The shortest text that reads back to the same double, with a decimal point.
std::string ShortestText(double value);
