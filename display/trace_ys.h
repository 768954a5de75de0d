#pragma once

#include "core/module1.h"
#include "display/trace_band.h"

#include <cstdint>

// The ys of one trace's samples, computed when asked from the samples themselves:
// y = (sample × factor) / scale + zero line in double precision, in that order, rounded to
// single precision. A trace whose scale is 0 never left 0 (its largest magnitude is 0): it
// lies on its zero line instead of dividing 0 by 0. A y is not finite when its mapping
// faulted (an overflow, an invalid operation, a y beyond the single range).
class TraceYs {
public:
    // The ys of band's samples 1..N of m, which must stay unchanged while they are read. An
    // array without samples 1..N is an index error.
    TraceYs(const Module1& m, const TraceBand& band);

    float at(std::int32_t k) const;

    // The ys of samples first .. first + count - 1, into out[0 .. count - 1].
    void fill(std::int32_t first, std::int32_t count, float* out) const;

    // Whether the ys of a run of samples are all finite, given whether the samples are and
    // which of them are lowest and highest. Each step of the mapping is a correctly rounded
    // operation, monotonic in the sample, so the ys lie between those of the two extreme
    // samples; a NaN or infinite sample gives a y that is not finite, unless the scale is 0.
    bool allFinite(bool samplesFinite, std::int32_t lowest, std::int32_t highest) const;

private:
    const double* samples_;
    double factor_;
    double scale_;
    double zeroLine_;
};
