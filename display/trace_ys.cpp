#include "display/trace_ys.h"

#include "core/handler_support.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

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
    return static_cast<float>((samples_[k] * factor_) / scale_ + zeroLine_);
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
        out[i] = static_cast<float>((samples[i] * factor) / scale + zeroLine);
    }
}

bool TraceYs::allFinite(bool samplesFinite, std::int32_t lowest, std::int32_t highest) const {
    if (scale_ == 0) {
        return true;
    }
    return samplesFinite && std::isfinite(at(lowest)) && std::isfinite(at(highest));
}
