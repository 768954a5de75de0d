#pragma once

#include "core/module1.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

// The RuntimeError of a mapping that gave a non-finite y: NaN from an invalid operation,
// infinity from an overflow.
[[noreturn]] void RaiseMappingFault(float y);

// Where samples 1..N lie within a displayed period: their x offset from the period's left end
// and, for each trace, their y rounded to single precision. Every displayed period repeats
// the same samples, so each position is computed once per drawing instead of once per period.
// A y mapping that faults (an overflow, an invalid operation, a y beyond the single range) is
// kept as a non-finite y and raised only when a segment reaches that sample, so a drawing
// stops exactly where it would have met the fault.
class PeriodPositions {
public:
    // Positions for NP >= 1; with N below 2 no sample ends a segment and nothing is computed.
    // An array without samples 1..N is an index error.
    explicit PeriodPositions(const Module1& m);

    // SampleOffsetX of sample k.
    double offset(std::int32_t k) const { return offsets_[static_cast<std::size_t>(k)]; }

    // The y of sample k of one trace (band order); a faulted mapping is a RuntimeError.
    float y(std::size_t trace, std::int32_t k) const {
        const float value = ys_[trace][static_cast<std::size_t>(k)];
        if (!std::isfinite(value)) {
            RaiseMappingFault(value);
        }
        return value;
    }

    // Whether no y mapping faulted.
    bool faultFree() const;

private:
    std::vector<double> offsets_;
    std::array<std::vector<float>, 4> ys_;
};
