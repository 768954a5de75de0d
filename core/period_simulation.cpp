#include "core/period_simulation.h"

#include "core/cycle_detector.h"
#include "core/floating_point_faults.h"
#include "core/progress_report.h"
#include "core/runtime_error.h"
#include "core/switching_period.h"
#include "core/vector_state.h"

#include <cstddef>
#include <limits>

namespace {

constexpr std::int32_t LargestInt32 = std::numeric_limits<std::int32_t>::max();

// The arrays run from index 0 to N + 1, and the sample counters end one past N.
void RequireSampleCount(std::int32_t N) {
    if (N < 1 || N == LargestInt32) {
        throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
    }
}

// Every run starts from zero-filled arrays; nothing of the previous run is kept.
void CreateSampleArrays(Module1& m) {
    const std::size_t size = static_cast<std::size_t>(m.N) + 2;
    m.iL_t.assign(size, 0.0);
    m.Vo_t.assign(size, 0.0);
    m.iC_t.assign(size, 0.0);
    m.id_t.assign(size, 0.0);
}

// The period counter steps like any loop counter: stepping past the int32 range overflows.
std::int32_t NextPeriod(std::int32_t iter) {
    if (iter == LargestInt32) {
        throw RuntimeError(RuntimeErrorKind::Overflow);
    }
    return iter + 1;
}

// A period depends only on the state that enters it. Once that state repeats, the periods
// from there on repeat the cycle, so jumping ahead by whole cycles leaves the last period, and
// with it the arrays, exactly as if every period had run. One jump leaves at most one cycle.
class PeriodSkipper {
public:
    explicit PeriodSkipper(CycleShortcut shortcut) : watching_(shortcut == CycleShortcut::On) {}

    std::int32_t nextToRun(const SampleArrays& s, std::int32_t period, std::int32_t last) {
        if (!watching_) {
            return period;
        }
        const std::int32_t cycle = cycles_.cycleLength(PeriodStateOf(s.iL[1], s.Vo[1]), period);
        if (cycle == 0) {
            return period;
        }
        watching_ = false;
        return period + cycle * ((last - period) / cycle);
    }

private:
    bool watching_;
    CycleDetector cycles_;
};

} // namespace

bool SimulatePeriods(Module1& m, SimulationObserver* observer, CycleShortcut shortcut) {
    ClearFloatingPointFaults();
    m.dt = (1 / m.f) / static_cast<double>(m.N);
    ThrowOnFloatingPointFault();
    RequireSampleCount(m.N);
    CreateSampleArrays(m);
    const SwitchingPeriod period = SwitchingPeriodOf(m);
    const SampleArrays samples{m.iL_t.data(), m.Vo_t.data(), m.iC_t.data(), m.id_t.data()};
    ProgressReport progress(observer, m.N, m.NI);
    PeriodSkipper skipper(shortcut);
    ClearUpperVectorState();
    const std::int32_t last = m.NI;
    for (m.Iter = 1; m.Iter <= last; m.Iter = NextPeriod(m.Iter)) {
        m.Iter = skipper.nextToRun(samples, m.Iter, last); // may jump ahead by whole cycles
        RunSwitchingPeriod(period, samples);
        ThrowOnFloatingPointFault();
        if (!progress.keepGoing(m.Iter)) {
            return false;
        }
    }
    return true;
}
