#include "cli/sweep.h"

#include "cli/cli_text.h"
#include "cli/report.h"
#include "core/row_blocks.h"

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string StatusText(const RunStatus& status) {
    switch (status.end) {
    case RunEnd::Done:
        return "ok";
    case RunEnd::Refused:
    case RunEnd::NotConducting:
        return "refused: " + CliText(status.message);
    case RunEnd::Faulted:
        return std::string("fault: ") + FaultName(*status.fault);
    }
    return {};
}

// The point's analysis: of its simulation when the run ended ok, of its circuit alone when the
// run read the circuit but did not end ok. None when the run was refused before, or when the
// analysis itself faulted (the status of a point that ended ok then says so).
std::optional<Report> AnalysePoint(VerificationRun& run, const RealParts& parts) {
    if (!run.checked) {
        return std::nullopt;
    }
    try {
        Report body = AnalysisBody(run, AnalyseRun(run));
        if (parts.any()) {
            AddRealParts(body, CircuitOf(run.m), parts);
        }
        return body;
    } catch (const RuntimeError& error) {
        if (run.status.end == RunEnd::Done) {
            run.status = {RunEnd::Faulted, {}, error.kind()};
        }
        return std::nullopt;
    }
}

struct PointResult {
    std::string status;
    std::optional<Report> analysis;
};

PointResult RunPoint(const SweepPlan& plan, FieldTexts fields, double value) {
    RealParts parts = plan.parts;
    if (plan.sweptPart) {
        parts.*plan.sweptPart->part = value * plan.sweptPart->scale;
    } else {
        fields[plan.swept->box] = TextFromUtf8(ShortestText(value));
    }
    VerificationRun run = RunVerificationHeadless(fields);
    std::optional<Report> analysis = AnalysePoint(run, parts);
    return {StatusText(run.status), std::move(analysis)};
}

// The analysis columns, from a run that ended ok: the same for every point. With parts, the
// parts' keys of the reference converter's analysis.
std::vector<std::string> AnalysisColumns(bool withParts) {
    VerificationRun run;
    run.values = {{"Label2", {}}, {"Label5", {}}, {"Label8", {}}, {"Label9", {}}, {"Label16", {}}};
    ConverterAnalysis analysis;
    analysis.rhpZeroHz = 0;
    Report body = AnalysisBody(run, analysis);
    if (withParts) {
        RealParts someParts;
        someParts.Vf = 1;
        AddRealParts(body, {15, 0.625, 11000, 400e-6, 60e-6, 25}, someParts);
    }
    std::vector<std::string> columns;
    for (const auto& [name, value] : Flatten(body)) {
        if (name != "status") {
            columns.push_back(name);
        }
    }
    return columns;
}

class SweepWriter {
public:
    SweepWriter(const SweepPlan& plan, SweepFormat format, std::ostream& out)
        : plan_(plan), format_(format), out_(out),
          columns_(AnalysisColumns(plan.sweptPart || plan.parts.any())) {}

    void begin() {
        if (format_ == SweepFormat::Json) {
            out_ << "[";
            return;
        }
        out_ << "index," << SweptName(plan_) << ",status";
        for (const std::string& column : columns_) {
            out_ << ',' << column;
        }
        out_ << '\n';
    }

    void point(std::int64_t index, double value, const PointResult& result) {
        if (format_ == SweepFormat::Json) {
            Report row{{"index", index}, {SweptName(plan_), value}, {"status", result.status}};
            row["analysis"] = result.analysis ? *result.analysis : Report();
            out_ << (first_ ? "\n" : ",\n") << row.dump();
            first_ = false;
            return;
        }
        out_ << index << ',' << ShortestText(value) << ',' << CsvCell(result.status);
        // A value the point lacks is an empty cell: all of them without an analysis, the
        // simulated ones when only the circuit was analysed.
        std::map<std::string, Report> leaves;
        if (result.analysis) {
            for (auto& [name, leaf] : Flatten(*result.analysis)) {
                leaves.emplace(std::move(name), std::move(leaf));
            }
        }
        for (const std::string& column : columns_) {
            const auto leaf = leaves.find(column);
            out_ << ',' << (leaf == leaves.end() ? std::string() : CsvCell(leaf->second));
        }
        out_ << '\n';
    }

    void end() {
        if (format_ == SweepFormat::Json) {
            out_ << "\n]\n";
        }
    }

private:
    const SweepPlan& plan_;
    SweepFormat format_;
    std::ostream& out_;
    std::vector<std::string> columns_;
    bool first_ = true;
};

} // namespace

const char* SweptName(const SweepPlan& plan) {
    return plan.sweptPart ? plan.sweptPart->name : plan.swept->name;
}

double SweepValue(const SweepPlan& plan, std::int64_t index) {
    if (index == 0) {
        return plan.from;
    }
    if (index == plan.steps) {
        return plan.to;
    }
    const double t = static_cast<double>(index) / static_cast<double>(plan.steps);
    if (plan.logarithmic) {
        // Between the logarithms, so that a ratio beyond the range of the doubles still gives
        // finite points.
        return std::exp(std::lerp(std::log(plan.from), std::log(plan.to), t));
    }
    return std::lerp(plan.from, plan.to, t);
}

void RunSweep(const SweepPlan& plan, const FieldTexts& fields, SweepFormat format,
              std::ostream& out) {
    SweepWriter writer(plan, format, out);
    writer.begin();
    const RowSplit split{plan.steps + 1, plan.shard, plan.shards, plan.jobs};
    const bool whole = RunRowBlocks<PointResult>(
        split, [&](std::int64_t index) { return RunPoint(plan, fields, SweepValue(plan, index)); },
        [&](std::span<const std::int64_t> indices, std::span<const PointResult> results) {
            for (std::size_t i = 0; i < indices.size(); ++i) {
                writer.point(indices[i], SweepValue(plan, indices[i]), results[i]);
            }
            return static_cast<bool>(out.flush());
        });
    if (whole) {
        writer.end();
    }
}
