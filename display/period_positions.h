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

// Where samples 1..N lie vertically within a displayed period: for each trace, their y
// rounded to single precision. Every displayed period repeats the same samples, so each y is
// computed once per drawing instead of once per period.
// A y mapping that faults (an overflow, an invalid operation, a y beyond the single range) is
// kept as a non-finite y and raised only when a segment reaches that sample, so the segments
// before it are drawn as they would be. Arrays too short to hold samples 1..N are different:
// they are an index error raised here, before any segment is drawn.
class PeriodPositions {
public:
    // Positions for NP >= 1; with N below 2 no sample ends a segment and nothing is computed.
    // An array without samples 1..N is an index error.
    explicit PeriodPositions(const Module1& m);

    // The y of sample k of one trace (band order); a faulted mapping is a RuntimeError. When
    // no mapping faulted, which is known once, the samples are read without a test.
    float y(std::size_t trace, std::int32_t k) const {
        const float value = ys_[trace][static_cast<std::size_t>(k)];
        if (!faultFree_ && !std::isfinite(value)) {
            RaiseMappingFault(value);
        }
        return value;
    }

private:
    void map(const Module1& m, std::size_t trace);

    std::array<std::vector<float>, 4> ys_;
    bool faultFree_ = true; // every y finite
};
