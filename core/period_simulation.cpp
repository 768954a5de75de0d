#include "core/period_simulation.h"

#include "core/cycle_detector.h"
#include "core/floating_point_faults.h"
#include "core/next_count.h"
#include "core/progress_report.h"
#include "core/runtime_error.h"
#include "core/switching_period.h"
#include "core/vector_state.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <vector>

namespace {

constexpr std::int32_t LargestInt32 = std::numeric_limits<std::int32_t>::max();

// The arrays run from index 0 to N + 1, and the sample counters end one past N.
void RequireSampleCount(std::int32_t N) {
    if (N < 1 || N == LargestInt32) {
        throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
    }
}

// Every run starts from zero-filled arrays; nothing of the previous run is kept. A first run
// with N = 1E7 touches 320 MB of fresh pages (about 170 ms), so the arrays grow a stretch at a
// time with the observer told in between. A stop asked meanwhile takes effect once they are
// whole: however a run ends, the arrays span N + 2 samples.
bool CreateSampleArrays(Module1& m, ProgressReport& progress) {
    const std::size_t size = static_cast<std::size_t>(m.N) + 2;
    const auto stretch = static_cast<std::size_t>(progress.stepsPerReport());
    const std::array<std::vector<double>*, 4> arrays = {&m.iL_t, &m.Vo_t, &m.iC_t, &m.id_t};
    for (std::vector<double>* samples : arrays) {
        samples->clear();
        samples->reserve(size);
    }
    bool goOn = true;
    for (std::size_t filled = 0; filled < size;) {
        if (filled > 0) {
            goOn = goOn && progress.keepGoingBeforePeriods();
        }
        filled = std::min(size, filled + stretch);
        for (std::vector<double>* samples : arrays) {
            samples->resize(filled); // the new samples are zero
        }
    }
    return goOn;
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

// The steps first..last of one interval.
using IntervalSteps = void (*)(const SwitchingPeriod&, const SampleArrays&, std::int32_t,
                               std::int32_t);

// Runs whole periods, the intervals of a long one in stretches so that the observer hears from
// within it too. The stretches only split the loop over the steps; each costs one fault test.
class PeriodRunner {
public:
    PeriodRunner(const SwitchingPeriod& period, const SampleArrays& samples,
                 ProgressReport& progress)
        : period_(period), samples_(samples), progress_(progress) {}

    // Runs period `number` (1 for the first); false when the observer stopped the run in it.
    bool run(std::int32_t number) {
        number_ = number;
        if (!runInStretches(RunOnSteps, 1, period_.onSteps)) {
            return false;
        }
        HoldAtSwitchOff(period_, samples_);
        if (!runInStretches(RunOffSteps, period_.offStart, period_.N)) {
            return false;
        }
        CarryToNextPeriod(period_, samples_);
        return true;
    }

private:
    // The observer is asked only between stretches, when steps of the interval remain. A fault
    // is raised before it runs: the flags are cleared after it.
    bool runInStretches(IntervalSteps steps, std::int32_t first, std::int32_t last) {
        const std::int32_t stretch = progress_.stepsPerReport();
        for (; last - first >= stretch; first += stretch) {
            const std::int32_t end = first + stretch - 1;
            steps(period_, samples_, first, end);
            ThrowOnFloatingPointFault();
            if (!progress_.keepGoingWithin(number_, end)) {
                return false;
            }
        }
        steps(period_, samples_, first, last);
        return true;
    }

    SwitchingPeriod period_;
    SampleArrays samples_;
    ProgressReport& progress_;
    std::int32_t number_ = 0;
};

} // namespace

bool SimulatePeriods(Module1& m, SimulationObserver* observer, CycleShortcut shortcut,
                     std::int32_t stepsPerReport) {
    ClearFloatingPointFaults();
    m.dt = (1 / m.f) / static_cast<double>(m.N);
    ThrowOnFloatingPointFault();
    RequireSampleCount(m.N);
    ProgressReport progress(observer, stepsPerReport, m.N, m.NI);
    if (!CreateSampleArrays(m, progress)) {
        return false;
    }
    const SampleArrays samples{m.iL_t.data(), m.Vo_t.data(), m.iC_t.data(), m.id_t.data()};
    PeriodRunner runner(SwitchingPeriodOf(m), samples, progress);
    PeriodSkipper skipper(shortcut);
    ClearUpperVectorState();
    const std::int32_t last = m.NI;
    for (m.Iter = 1; m.Iter <= last; m.Iter = NextCount(m.Iter)) {
        m.Iter = skipper.nextToRun(samples, m.Iter, last); // may jump ahead by whole cycles
        if (!runner.run(m.Iter)) {
            return false;
        }
        ThrowOnFloatingPointFault();
        if (!progress.keepGoing(m.Iter)) {
            return false;
        }
    }
    return true;
}
