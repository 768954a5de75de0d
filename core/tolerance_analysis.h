#pragma once

#include "core/converter_circuit.h"
#include "core/handler_support.h"
#include "core/lossy_converter.h"
#include "core/row_blocks.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

// How the converter meets its limits across the tolerances of its parts and of its input: the
// duty stays the verified D (open loop) and every value is the exact periodic steady state with
// the real parts. The worst case solves every corner of the toleranced values; the Monte Carlo
// analysis draws samples of them, each from its own generator, so that the rows are the same
// whatever the threads and shards that compute them.

// The values a tolerance may vary, in the order of the rows' columns.
enum class TolerancedValue { Vi, f, L, C, RL, rS, rL, rC, Vf, rD };
inline constexpr std::size_t TolerancedValueCount = 10;

// One value of each, SI units, indexed by TolerancedValue.
using ValueSet = std::array<double, TolerancedValueCount>;

// The column of a value in the rows: "vi_V", "f_Hz", "L_H", "C_F", "RL_ohm", "rds_ohm",
// "dcr_ohm", "esr_ohm", "vf_V", "rd_ohm".
const char* ColumnName(TolerancedValue value);

// The limits the converter must meet; one left empty is not checked.
enum class ToleranceLimit { RippleIL, RippleVo, VoBand, PeakCurrent, Efficiency };
inline constexpr std::size_t ToleranceLimitCount = 5;

struct ToleranceLimits {
    std::optional<double> rippleIL;          // A: DeltaiL at most
    std::optional<double> rippleVoMilli;     // mV: DeltaVo at most
    std::optional<double> voBandPercent;     // %: ||mean vo| - nominal| at most this share of it
    std::optional<double> peakCurrent;       // A: peak inductor (switch) current at most
    std::optional<double> efficiencyPercent; // %: efficiency at least; checked with parts only
};

// The limit's value; none when it is not set.
std::optional<double> LimitValue(const ToleranceLimits& limits, ToleranceLimit limit);

enum class SampleDistribution {
    Uniform, // evenly within +-tol
    Normal   // 3 sigma at the tolerance, clipped at +-tol
};

struct ToleranceProblem {
    ConverterCircuit circuit; // the nominal converter, its D kept in every row
    RealParts parts;          // the nominal parts; none given: the ideal converter
    // Per value, by TolerancedValue: the tolerance in per cent, in [0, 100); none when the value
    // is not varied.
    std::array<std::optional<double>, TolerancedValueCount> tolerancePercent;
    ToleranceLimits limits;
    bool worstCase = false;   // the corners come first
    std::int64_t samples = 0; // then the Monte Carlo samples
    SampleDistribution distribution = SampleDistribution::Uniform;
    std::uint64_t seed = 1;
};

// What one set of values gives.
struct ToleranceOutcome {
    bool discontinuous = false;
    double meanVo = 0;                              // V, signed: negative in operation
    double DeltaiL = 0;                             // A
    double DeltaVo = 0;                             // V
    double peakCurrent = 0;                         // A, the largest inductor current
    std::optional<double> efficiency;               // a fraction; with parts only
    std::array<bool, ToleranceLimitCount> failed{}; // by ToleranceLimit

    // Within every limit.
    bool pass() const;
};

enum class ToleranceRowKind { Corner, Sample };

struct ToleranceRow {
    std::int64_t index = 0; // corners 0 .. 2^k - 1, then the samples
    ToleranceRowKind kind = ToleranceRowKind::Corner;
    ValueSet values{};
    ToleranceOutcome outcome;
};

class ToleranceAnalysis {
public:
    explicit ToleranceAnalysis(const ToleranceProblem& problem);

    const ToleranceProblem& problem() const { return problem_; }
    // The values a tolerance is given for, in column order: the k toleranced values.
    const std::vector<TolerancedValue>& varied() const { return varied_; }
    // |mean vo| of the converter without tolerances, against which the band is checked.
    double nominalOutput() const { return nominalOutput_; }
    bool withParts() const { return problem_.parts.any(); }

    // 2^k with the worst case, else 0.
    std::int64_t cornerCount() const;
    // The corners, then the samples.
    std::int64_t rowCount() const;

    // Row `index`: its values and what they give. Corner c takes, for the b-th varied value in
    // column order, -tol where bit b of c is 0 and +tol where it is 1. Sample j (j = index minus
    // the corners) draws each varied value in column order from SampleGenerator(seed, j): one
    // uniform u to nominal (1 + (2 u - 1) tol / 100), or one normal z to
    // nominal (1 + clamp(z / 3, -1, 1) tol / 100).
    ToleranceRow row(std::int64_t index) const;

    // What a set of values gives.
    ToleranceOutcome evaluate(const ValueSet& values) const;

    // Computes the rows of `split` (whose `rows` is rowCount()) and hands each block in index
    // order to `take`, which returns false to stop; returns whether every row was taken.
    bool run(const RowSplit& split,
             const std::function<bool(std::span<const ToleranceRow>)>& take) const;

private:
    ValueSet valuesOf(std::int64_t index) const;

    ToleranceProblem problem_;
    std::vector<TolerancedValue> varied_;
    ValueSet nominal_{};
    double nominalOutput_ = 0;
};

// Every row of the analysis over `jobs` threads, the fraction done told to `observer` after
// each block; none when the observer stopped it.
std::optional<std::vector<ToleranceRow>> RunToleranceRows(const ToleranceAnalysis& analysis,
                                                          int jobs, SimulationObserver& observer);
