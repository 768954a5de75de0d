#include "python/commands.h"

#include "cli/headless_run.h"
#include "cli/tolerance_options.h"
#include "cli/tolerance_report.h"
#include "core/csv_export.h"

#include <sstream>
#include <utility>

namespace {

// The message of a handler's runtime error, as the window shows it.
class LastMessage : public MessageBox {
public:
    void MsgBox(const Text& text) override { shown = text; }
    Text shown;
};

RunFailure Refusal(const std::string& message) {
    return RunFailure({RunEnd::Refused, TextFromUtf8(message), std::nullopt});
}

VerificationRun CheckedRun(VerificationRun run) {
    if (!run.checked) {
        throw RunFailure(run.status);
    }
    return run;
}

std::vector<double> LastPeriod(const std::vector<double>& samples, std::int32_t N) {
    return {samples.begin() + 1, samples.begin() + 1 + N};
}

} // namespace

RunFailure::RunFailure(RunStatus status)
    : status_(std::move(status)), message_(Utf8(status_.message)) {}

RealParts ReadPartsOrThrow(const PartTexts& texts) {
    const PartsRead read = ReadParts(texts);
    if (read.refusal) {
        throw Refusal(*read.refusal);
    }
    return read.parts;
}

Report DesignBody(const FieldTexts& fields, const RealParts& parts) {
    const DesignRun run = RunDesign(fields);
    if (run.status.end != RunEnd::Done) {
        throw RunFailure(run.status);
    }
    Report report = DesignReport(run);
    if (parts.any()) {
        AddDesignParts(report["design"], run.m, parts);
    }
    return std::move(report["design"]);
}

Report VerifyBody(const FieldTexts& fields) {
    const VerificationRun run = RunVerificationHeadless(fields);
    if (run.status.end != RunEnd::Done) {
        throw RunFailure(run.status);
    }
    return std::move(VerificationReport(run)["verify"]);
}

// A run the conduction check refused is analysed from its circuit, as the command line does;
// one that a runtime error ended raises it.
Report AnalyzeBody(const FieldTexts& fields, const RealParts& parts) {
    const VerificationRun run = CheckedRun(RunVerificationHeadless(fields));
    if (run.status.end == RunEnd::Faulted) {
        throw RunFailure(run.status);
    }
    LastMessage errors;
    ConverterAnalysis analysis;
    if (const auto fault = RunGuarded(errors, [&] { analysis = AnalyseRun(run); })) {
        throw RunFailure({RunEnd::Faulted, errors.shown, fault});
    }
    Report body = AnalysisBody(run, analysis);
    if (parts.any()) {
        AddRealParts(body, CircuitOf(run.m), parts);
    }
    return body;
}

// The request is read for the circuit of a run that passed its checks, however its simulation
// ended, as the command line reads it.
Report BodeBody(const FieldTexts& fields, const RealParts& parts, const BodeTexts& texts) {
    const ConverterCircuit circuit = CircuitOf(CheckedRun(RunVerificationHeadless(fields)).m);
    const BodeRequestRead read = ReadBodeRequest(texts, circuit.f);
    if (read.refusal) {
        throw Refusal(*read.refusal);
    }
    return std::move(BodeReport(circuit, parts, read.request)["bode"]);
}

std::string EfficiencyCsv(const FieldTexts& fields, const RealParts& parts,
                          const CurveOptions& curve) {
    double from = 0;
    double to = 0;
    std::int32_t points = 0;
    if (const auto refusal = CurveRefusal(curve, from, to, points)) {
        throw Refusal(*refusal);
    }
    const VerificationRun run = CheckedRun(ReadVerificationHeadless(fields));
    std::ostringstream out;
    WriteEfficiencyCsv(out, EfficiencyCurve(CircuitOf(run.m), parts, from, to, points));
    return out.str();
}

std::string SweepCsv(const SweepPlan& plan, const FieldTexts& fields) {
    std::ostringstream out;
    RunSweep(plan, fields, SweepFormat::Csv, out);
    return out.str();
}

std::string ToleranceCsv(ToleranceProblem problem, const std::string& tolerances,
                         const PartTexts& parts, const FieldTexts& fields, RowSplit split) {
    if (const auto refusal = ReadTolerances(tolerances, problem.tolerancePercent)) {
        throw Refusal(*refusal);
    }
    problem.parts = ReadPartsOrThrow(parts);
    problem.circuit = CircuitOf(CheckedRun(RunVerificationHeadless(fields)).m);
    const ToleranceAnalysis analysis(problem);
    split.rows = analysis.rowCount();
    std::ostringstream out;
    WriteToleranceRows(analysis, split, out);
    return out.str();
}

LastPeriodSamples Waveforms(const FieldTexts& fields) {
    const VerificationRun run = RunVerificationHeadless(fields);
    if (run.status.end != RunEnd::Done) {
        throw RunFailure(run.status);
    }
    const Module1& m = run.m;
    LastPeriodSamples samples{{},
                              LastPeriod(m.iL_t, m.N),
                              LastPeriod(m.iC_t, m.N),
                              LastPeriod(m.Vo_t, m.N),
                              LastPeriod(m.id_t, m.N)};
    samples.t.reserve(static_cast<std::size_t>(m.N));
    for (std::int64_t k = 1; k <= m.N; ++k) {
        samples.t.push_back(SampleTime(m, k));
    }
    return samples;
}

std::string NetlistText(const FieldTexts& fields, const RealParts& parts) {
    NetlistRun run = RunNetlist(fields, parts);
    if (run.status.end != RunEnd::Done) {
        throw RunFailure(run.status);
    }
    return std::move(run.text);
}
