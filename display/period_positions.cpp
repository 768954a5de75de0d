#include "display/period_positions.h"

#include "core/runtime_error.h"
#include "display/segment_x.h"
#include "display/trace_band.h"

#include <algorithm>

namespace {

// y in double precision, in the written order. A trace whose scale is 0 never left 0 (its
// largest magnitude is 0): it lies on its zero line instead of dividing 0 by 0.
double BandY(const TraceBand& band, double scale, double sample) {
    if (scale == 0) {
        return band.zeroLine;
    }
    return (sample * band.factor) / scale + band.zeroLine;
}

std::vector<float> MapSamples(const Module1& m, const TraceBand& band) {
    const std::vector<double>& samples = m.*band.samples;
    const auto n = static_cast<std::size_t>(m.N);
    if (samples.size() < n + 1) {
        throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
    }
    const double scale = m.*band.scale;
    std::vector<float> ys(n + 1);
    for (std::size_t k = 1; k <= n; ++k) {
        ys[k] = static_cast<float>(BandY(band, scale, samples[k]));
    }
    return ys;
}

std::vector<double> SampleOffsets(const Module1& m) {
    const double periodWidth = 100 / static_cast<double>(m.NP);
    std::vector<double> offsets(static_cast<std::size_t>(m.N) + 1);
    for (std::int32_t k = 1; k <= m.N; ++k) {
        offsets[static_cast<std::size_t>(k)] = SampleOffsetX(periodWidth, k, m.N);
    }
    return offsets;
}

} // namespace

void RaiseMappingFault(float y) {
    throw RuntimeError(std::isnan(y) ? RuntimeErrorKind::InvalidOperation
                                     : RuntimeErrorKind::Overflow);
}

PeriodPositions::PeriodPositions(const Module1& m) {
    if (m.N < 2) {
        return;
    }
    for (std::size_t trace = 0; trace < ys_.size(); ++trace) {
        ys_[trace] = MapSamples(m, TraceBands()[trace]);
    }
    offsets_ = SampleOffsets(m);
}

bool PeriodPositions::faultFree() const {
    return std::all_of(ys_.begin(), ys_.end(), [](const std::vector<float>& ys) {
        return std::all_of(ys.begin(), ys.end(), [](float y) { return std::isfinite(y); });
    });
}
