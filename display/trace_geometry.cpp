#include "display/trace_geometry.h"

#include "core/conversions.h"
#include "core/handler_support.h"
#include "display/range_extremes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace {

// One sample's y.
float TraceY(double sample, double factor, double scale, double zeroLine) {
    return static_cast<float>((sample * factor) / scale + zeroLine);
}

} // namespace

const std::array<TraceBand, 4>& TraceBands() {
    static const std::array<TraceBand, 4> bands{{
        {&Module1::iL_t, &Module1::iLMax, 80, 18, RGB(255, 0, 0)},
        {&Module1::iC_t, &Module1::iCMax, 70, 9, RGB(0, 255, 0)},
        {&Module1::Vo_t, &Module1::VoMax, 50, 18, RGB(0, 0, 255)},
        {&Module1::id_t, &Module1::iLMax, 0.1, 18, RGB(0, 255, 255)},
    }};
    return bands;
}

TraceYs::TraceYs(const Module1& m, const TraceBand& band)
    : samples_((m.*band.samples).data()), factor_(band.factor), scale_(m.*band.scale),
      zeroLine_(band.zeroLine) {
    const std::vector<double>& samples = m.*band.samples;
    if (m.N >= 0 && samples.size() < static_cast<std::size_t>(m.N) + 1) {
        throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
    }
}

float TraceYs::at(std::int32_t k) const {
    if (scale_ == 0) {
        return static_cast<float>(zeroLine_);
    }
    return TraceY(samples_[k], factor_, scale_, zeroLine_);
}

void TraceYs::fill(std::int32_t first, std::int32_t count, float* out) const {
    if (scale_ == 0) {
        std::fill(out, out + count, static_cast<float>(zeroLine_));
        return;
    }
    // Local copies, so that the loop runs over several samples at a time.
    const double* samples = samples_ + first;
    const double factor = factor_;
    const double scale = scale_;
    const double zeroLine = zeroLine_;
    for (std::int32_t i = 0; i < count; ++i) {
        out[i] = TraceY(samples[i], factor, scale, zeroLine);
    }
}

bool TraceYs::allFinite(bool samplesFinite, std::int32_t lowest, std::int32_t highest) const {
    if (scale_ == 0) {
        return true;
    }
    return samplesFinite && std::isfinite(at(lowest)) && std::isfinite(at(highest));
}

void RaiseMappingFault(float y) {
    throw RuntimeError(std::isnan(y) ? RuntimeErrorKind::InvalidOperation
                                     : RuntimeErrorKind::Overflow);
}

PeriodPositions::PeriodPositions(const Module1& m) {
    if (m.N < 2) {
        return;
    }
    for (std::size_t trace = 0; trace < ys_.size(); ++trace) {
        map(m, trace);
    }
}

void PeriodPositions::map(const Module1& m, std::size_t trace) {
    const TraceYs source(m, TraceBands()[trace]);
    std::vector<float>& ys = ys_[trace];
    ys.resize(static_cast<std::size_t>(m.N) + 1);
    source.fill(1, m.N, ys.data() + 1);
    faultFree_ = faultFree_ && AllFinite(ys.data(), ys.size());
}
