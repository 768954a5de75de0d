#include "core/cycle_detector.h"

#include <bit>

PeriodState PeriodStateOf(double iL, double Vo) {
    return {std::bit_cast<std::uint64_t>(iL), std::bit_cast<std::uint64_t>(Vo)};
}

std::int32_t CycleDetector::cycleLength(const PeriodState& state, std::int32_t period) {
    if (previousPeriod_ != 0 && state == previous_) {
        return period - previousPeriod_;
    }
    if (keptPeriod_ != 0 && state == kept_) {
        return period - keptPeriod_;
    }
    if (period - keptPeriod_ >= keepSpan_) {
        kept_ = state;
        keptPeriod_ = period;
        keepSpan_ *= 2;
    }
    previous_ = state;
    previousPeriod_ = period;
    return 0;
}
