#pragma once

#include "cli/bode_report.h"
#include "cli/headless_run.h"
#include "cli/part_options.h"
#include "cli/report.h"
#include "cli/sweep.h"
#include "core/row_blocks.h"
#include "core/tolerance_analysis.h"

#include <exception>
#include <string>
#include <vector>

// The module's commands over the command line's own runs and report builders: from the same
// texts each gives what the command line prints, a report's body or the text of its CSV, or
// throws RunFailure with the status of a run that ended without one. No Python here: the
// commands run while other threads hold the interpreter.

// A run that ended without results: a refusal, with the window's message, or a runtime fault.
class RunFailure : public std::exception {
public:
    explicit RunFailure(RunStatus status);
    const RunStatus& status() const { return status_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    RunStatus status_;
    std::string message_;
};

// The parts read as the command line reads its part options; a refusal is thrown.
RealParts ReadPartsOrThrow(const PartTexts& texts);

// The bodies of the command line's JSON objects: under "design", "verify", "analyze".
Report DesignBody(const FieldTexts& fields, const RealParts& parts);
Report VerifyBody(const FieldTexts& fields);
Report AnalyzeBody(const FieldTexts& fields, const RealParts& parts);

// The body under "bode": the request of bode's option texts for the verified circuit of
// `fields` with `parts`.
Report BodeBody(const FieldTexts& fields, const RealParts& parts, const BodeTexts& texts);

// The CSV texts of efficiency and sweep.
std::string EfficiencyCsv(const FieldTexts& fields, const RealParts& parts,
                          const CurveOptions& curve);
std::string SweepCsv(const SweepPlan& plan, const FieldTexts& fields);

// The CSV text of the tolerance analysis that `problem` asks for, around the verified circuit of
// `fields`: the tolerances read from `tolerances` as --tol gives them, then the parts; the
// split's shard and threads, over all the analysis's rows.
std::string ToleranceCsv(ToleranceProblem problem, const std::string& tolerances,
                         const PartTexts& parts, const FieldTexts& fields, RowSplit split);

// Samples 1 to N of the last simulated period, as the CSV export writes them.
struct LastPeriodSamples {
    std::vector<double> t;
    std::vector<double> iL;
    std::vector<double> iC;
    std::vector<double> Vo;
    std::vector<double> id;
};
LastPeriodSamples Waveforms(const FieldTexts& fields);

std::string NetlistText(const FieldTexts& fields, const RealParts& parts);
