#pragma once

#include <cstdint>

// The state that enters a switching period: samples 1 of iL_t and Vo_t, compared bit for bit.
struct PeriodState {
    std::uint64_t iL = 0;
    std::uint64_t Vo = 0;
    friend bool operator==(const PeriodState&, const PeriodState&) = default;
};

PeriodState PeriodStateOf(double iL, double Vo);

// Watches the states entering successive periods and tells when one repeats an earlier one:
// from then on the periods repeat that cycle. A fixed point is found at once; longer cycles
// with Brent's method, by comparing with a state kept at periods that double their distance.
class CycleDetector {
public:
    // The number of periods after which the state entering `period` came back, or 0 while
    // none has repeated. Periods are passed in increasing order.
    std::int32_t cycleLength(const PeriodState& state, std::int32_t period);

private:
    PeriodState previous_;
    std::int32_t previousPeriod_ = 0; // 0: no period seen yet
    PeriodState kept_;
    std::int32_t keptPeriod_ = 0;
    std::int64_t keepSpan_ = 1; // wide enough to double past the last int32 period
};
