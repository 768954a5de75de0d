#include "display/period_positions.h"

#include "core/handler_support.h"
#include "display/trace_band.h"
#include "display/trace_ys.h"

#include <cmath>
#include <limits>

namespace {

// Whether every y is finite: at most the largest float in size (NaN compares false). Written
// without an early exit, so that the check runs over several ys at a time.
bool AllFinite(const std::vector<float>& ys) {
    int finite = 1;
    for (const float y : ys) {
        finite &= static_cast<int>(std::abs(y) <= std::numeric_limits<float>::max());
    }
    return finite != 0;
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
        map(m, trace);
    }
}

void PeriodPositions::map(const Module1& m, std::size_t trace) {
    const TraceYs source(m, TraceBands()[trace]);
    std::vector<float>& ys = ys_[trace];
    ys.resize(static_cast<std::size_t>(m.N) + 1);
    source.fill(1, m.N, ys.data() + 1);
    faultFree_ = faultFree_ && AllFinite(ys);
}
