#include "core/tolerance_analysis.h"

#include "core/sample_generator.h"

#include <algorithm>
#include <cmath>

namespace {

// Where each toleranced value sits: in the circuit or among the parts.
struct ValuePlace {
    const char* column;
    double ConverterCircuit::*circuit;
    double RealParts::*part;
};

constexpr ValuePlace Places[TolerancedValueCount] = {
    {"vi_V", &ConverterCircuit::Vi, nullptr},   {"f_Hz", &ConverterCircuit::f, nullptr},
    {"L_H", &ConverterCircuit::L, nullptr},     {"C_F", &ConverterCircuit::C, nullptr},
    {"RL_ohm", &ConverterCircuit::RL, nullptr}, {"rds_ohm", nullptr, &RealParts::rS},
    {"dcr_ohm", nullptr, &RealParts::rL},       {"esr_ohm", nullptr, &RealParts::rC},
    {"vf_V", nullptr, &RealParts::Vf},          {"rd_ohm", nullptr, &RealParts::rD},
};

// The nominal value moved by `share` (-1 to 1) of its tolerance.
double Moved(double nominal, double share, double tolerancePercent) {
    return nominal * (1 + share * tolerancePercent / 100);
}

bool Fails(const ToleranceOutcome& outcome, ToleranceLimit limit, double value,
           double nominalOutput) {
    switch (limit) {
    case ToleranceLimit::RippleIL:
        return outcome.DeltaiL > value;
    case ToleranceLimit::RippleVo:
        return outcome.DeltaVo * 1000 > value;
    case ToleranceLimit::VoBand:
        return std::fabs(std::fabs(outcome.meanVo) - nominalOutput) > value / 100 * nominalOutput;
    case ToleranceLimit::PeakCurrent:
        return outcome.peakCurrent > value;
    case ToleranceLimit::Efficiency:
        return outcome.efficiency && *outcome.efficiency * 100 < value;
    }
    return false;
}

} // namespace

const char* ColumnName(TolerancedValue value) {
    return Places[static_cast<std::size_t>(value)].column;
}

std::optional<double> LimitValue(const ToleranceLimits& limits, ToleranceLimit limit) {
    switch (limit) {
    case ToleranceLimit::RippleIL:
        return limits.rippleIL;
    case ToleranceLimit::RippleVo:
        return limits.rippleVoMilli;
    case ToleranceLimit::VoBand:
        return limits.voBandPercent;
    case ToleranceLimit::PeakCurrent:
        return limits.peakCurrent;
    case ToleranceLimit::Efficiency:
        return limits.efficiencyPercent;
    }
    return std::nullopt;
}

bool ToleranceOutcome::pass() const {
    return std::none_of(failed.begin(), failed.end(), [](bool f) { return f; });
}

ToleranceAnalysis::ToleranceAnalysis(const ToleranceProblem& problem) : problem_(problem) {
    for (std::size_t v = 0; v < TolerancedValueCount; ++v) {
        const ValuePlace& place = Places[v];
        nominal_[v] = place.circuit ? problem.circuit.*place.circuit : problem.parts.*place.part;
        if (problem.tolerancePercent[v]) {
            varied_.push_back(static_cast<TolerancedValue>(v));
        }
    }
    nominalOutput_ = std::fabs(SolveLossySteadyState(problem.circuit, problem.parts).values.meanVo);
}

std::int64_t ToleranceAnalysis::cornerCount() const {
    return problem_.worstCase ? std::int64_t{1} << varied_.size() : 0;
}

std::int64_t ToleranceAnalysis::rowCount() const {
    return cornerCount() + problem_.samples;
}

ValueSet ToleranceAnalysis::valuesOf(std::int64_t index) const {
    ValueSet values = nominal_;
    const std::int64_t corners = cornerCount();
    if (index < corners) {
        for (std::size_t b = 0; b < varied_.size(); ++b) {
            const auto v = static_cast<std::size_t>(varied_[b]);
            const double share = (index >> b) & 1 ? 1 : -1;
            values[v] = Moved(nominal_[v], share, *problem_.tolerancePercent[v]);
        }
        return values;
    }
    SampleGenerator generator(problem_.seed, static_cast<std::uint64_t>(index - corners));
    for (const TolerancedValue value : varied_) {
        const auto v = static_cast<std::size_t>(value);
        const double share = problem_.distribution == SampleDistribution::Uniform
                                 ? 2 * generator.uniform() - 1
                                 : std::clamp(generator.normal() / 3, -1.0, 1.0);
        values[v] = Moved(nominal_[v], share, *problem_.tolerancePercent[v]);
    }
    return values;
}

ToleranceOutcome ToleranceAnalysis::evaluate(const ValueSet& values) const {
    ConverterCircuit circuit = problem_.circuit;
    RealParts parts = problem_.parts;
    for (std::size_t v = 0; v < TolerancedValueCount; ++v) {
        const ValuePlace& place = Places[v];
        (place.circuit ? circuit.*place.circuit : parts.*place.part) = values[v];
    }
    const LossySteadyState steady = SolveLossySteadyState(circuit, parts);
    ToleranceOutcome outcome;
    outcome.discontinuous = steady.discontinuous;
    outcome.meanVo = steady.values.meanVo;
    outcome.DeltaiL = steady.values.DeltaiL;
    outcome.DeltaVo = steady.values.DeltaVo;
    outcome.peakCurrent = steady.values.iLMax;
    if (withParts()) {
        outcome.efficiency = steady.efficiency;
    }
    for (std::size_t l = 0; l < ToleranceLimitCount; ++l) {
        const auto limit = static_cast<ToleranceLimit>(l);
        const std::optional<double> value = LimitValue(problem_.limits, limit);
        outcome.failed[l] = value && Fails(outcome, limit, *value, nominalOutput_);
    }
    return outcome;
}

ToleranceRow ToleranceAnalysis::row(std::int64_t index) const {
    ToleranceRow row;
    row.index = index;
    row.kind = index < cornerCount() ? ToleranceRowKind::Corner : ToleranceRowKind::Sample;
    row.values = valuesOf(index);
    row.outcome = evaluate(row.values);
    return row;
}

bool ToleranceAnalysis::run(const RowSplit& split,
                            const std::function<bool(std::span<const ToleranceRow>)>& take) const {
    return RunRowBlocks<ToleranceRow>(
        split, [this](std::int64_t index) { return row(index); },
        [&](std::span<const std::int64_t>, std::span<const ToleranceRow> rows) {
            return take(rows);
        });
}

std::optional<std::vector<ToleranceRow>> RunToleranceRows(const ToleranceAnalysis& analysis,
                                                          int jobs, SimulationObserver& observer) {
    const std::int64_t count = analysis.rowCount();
    std::vector<ToleranceRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    const bool whole = analysis.run({count, 0, 1, jobs}, [&](std::span<const ToleranceRow> block) {
        rows.insert(rows.end(), block.begin(), block.end());
        return observer.keepGoing(static_cast<double>(rows.size()) / static_cast<double>(count));
    });
    if (!whole) {
        return std::nullopt;
    }
    return rows;
}
