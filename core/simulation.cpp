#include "core/simulation.h"

#include "core/floating_point_environment.h"
#include "core/handler_support.h"
#include "core/measurements.h"
#include "core/module1.h"
#include "core/switching_period.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <limits>
#include <optional>
#include <vector>

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

namespace {

// Tells a SimulationObserver how far a run is, about every stepsPerReport simulated steps:
// after every so many short periods, and between stretches of that many steps within a long
// period or while the sample arrays are made. No listener costs one test per call.
//
// The floating-point flags are cleared after the observer returns, its own arithmetic being no
// fault of the simulation: whoever asks must have raised the simulation's faults before.
class ProgressReport {
public:
    ProgressReport(SimulationObserver* observer, std::int32_t stepsPerReport,
                   std::int32_t samplesPerPeriod, std::int32_t periods);

    // The most steps to run between two questions within a period.
    std::int32_t stepsPerReport() const;

    // While the arrays are made, before any period: nothing is done yet. False when the
    // observer asks to stop.
    bool keepGoingBeforePeriods();

    // Within period `period` (1 for the first), once its steps up to `step` have run.
    bool keepGoingWithin(std::int32_t period, std::int32_t step);

    // Called after each period with the number of periods done.
    bool keepGoing(std::int32_t periodsDone);

private:
    // Asks the observer, naming the period running or just run once there is one.
    bool report(double fractionDone, std::optional<std::int32_t> period = std::nullopt);

    SimulationObserver* observer_;
    std::int32_t stepsPerReport_;
    std::int32_t periodsPerReport_;
    std::int32_t periodsToReport_;
    double samplesPerPeriod_;
    std::int32_t periodCount_;
    double periods_;
};

ProgressReport::ProgressReport(SimulationObserver* observer, std::int32_t stepsPerReport,
                               std::int32_t samplesPerPeriod, std::int32_t periods)
    : observer_(observer), stepsPerReport_(stepsPerReport),
      periodsPerReport_(std::max(1, stepsPerReport / samplesPerPeriod)),
      periodsToReport_(periodsPerReport_), samplesPerPeriod_(static_cast<double>(samplesPerPeriod)),
      periodCount_(periods), periods_(static_cast<double>(periods)) {}

std::int32_t ProgressReport::stepsPerReport() const {
    return stepsPerReport_;
}

bool ProgressReport::keepGoingBeforePeriods() {
    return observer_ == nullptr || report(0.0);
}

bool ProgressReport::keepGoingWithin(std::int32_t period, std::int32_t step) {
    if (observer_ == nullptr) {
        return true;
    }
    const double periodsDone = static_cast<double>(period - 1);
    return report((periodsDone + static_cast<double>(step) / samplesPerPeriod_) / periods_, period);
}

bool ProgressReport::keepGoing(std::int32_t periodsDone) {
    if (observer_ == nullptr || --periodsToReport_ > 0) {
        return true;
    }
    periodsToReport_ = periodsPerReport_;
    return report(static_cast<double>(periodsDone) / periods_, periodsDone);
}

bool ProgressReport::report(double fractionDone, std::optional<std::int32_t> period) {
    const bool goOn = period ? observer_->keepGoingInPeriod(fractionDone, *period, periodCount_)
                             : observer_->keepGoing(fractionDone);
    // Whatever the listener computed, its floating-point flags are not the simulation's faults,
    // and its vector state must not slow the steps that follow.
    ClearFloatingPointFaults();
    ClearUpperVectorState();
    return goOn;
}

constexpr std::int32_t LargestInt32 = std::numeric_limits<std::int32_t>::max();

// The arrays run from index 0 to N + 1, and the sample counters end one past N.
void RequireSampleCount(std::int32_t N) {
    if (N < 1 || N == LargestInt32) {
        throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
    }
}

// Every run starts from zero-filled arrays; nothing of the previous run is kept. A first run
// with N = 1E7 touches 320 MB of fresh pages (about 170 ms on an idle machine, more than a
// second on a busy one), so the arrays grow a stretch at a time with the observer told in
// between. A stop asked meanwhile ends there and leaves the arrays empty, keeping their memory
// for the next run: making them whole would keep the thread busy for as long again.
bool CreateSampleArrays(Module1& m, ProgressReport& progress) {
    const std::size_t size = static_cast<std::size_t>(m.N) + 2;
    const auto stretch = static_cast<std::size_t>(progress.stepsPerReport());
    const std::array<std::vector<double>*, 4> arrays = {&m.iL_t, &m.Vo_t, &m.iC_t, &m.id_t};
    for (std::vector<double>* samples : arrays) {
        samples->clear();
        samples->reserve(size);
    }
    for (std::size_t filled = 0; filled < size;) {
        if (filled > 0 && !progress.keepGoingBeforePeriods()) {
            for (std::vector<double>* samples : arrays) {
                samples->clear();
            }
            return false;
        }
        filled = std::min(size, filled + stretch);
        for (std::vector<double>* samples : arrays) {
            samples->resize(filled); // the new samples are zero
        }
    }
    return true;
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

enum class Interval { On, Off };

// How far a period has run: its on steps 1..on and, once they and the hold are done, its off
// steps offStart..off.
struct StepsDone {
    std::int32_t on;
    std::int32_t off;
};

// What a period reads of the samples the periods before it wrote.
struct EnteringState {
    double iL;
    double Vo;
};

// Runs whole periods, the intervals of a long one in stretches so that the observer hears from
// within it too. The stretches only split the loop over the steps.
//
// The steps run unchecked, with a flag test between stretches and one at the end of the
// period. A failed test only says that some fault occurred since the last test passed, not
// which came first, so the steps in between run again statement by statement: the first fault
// then ends the run with Iter at its period and the step counter (Idx) at its step, and the
// arrays hold what they held at that statement; the samples this period has not reached yet
// still hold the period before's.
class PeriodRunner {
public:
    PeriodRunner(const SwitchingPeriod& period, const SampleArrays& samples,
                 ProgressReport& progress, std::int32_t& stepCounter)
        : period_(period), samples_(samples), progress_(progress), stepCounter_(stepCounter) {}

    // Runs period `number` (1 for the first); false when the observer stopped the run in it.
    bool run(std::int32_t number) {
        enter(number);
        if (!runInStretches(Interval::On, 1, period_.onSteps)) {
            return false;
        }
        HoldAtSwitchOff(period_, samples_);
        if (!runInStretches(Interval::Off, period_.offStart, period_.N)) {
            return false;
        }
        testSteps(through(Interval::Off, period_.N));
        CarryToNextPeriod(period_, samples_);
        return true;
    }

private:
    // Two doubles per period keep what it takes to rebuild the arrays entering it.
    void enter(std::int32_t number) {
        number_ = number;
        previous_ = entering_;
        entering_ = EnteringState{samples_.iL[1], samples_.Vo[1]};
        passed_ = through(Interval::On, 0);
    }

    StepsDone through(Interval interval, std::int32_t step) const {
        if (interval == Interval::On) {
            return {step, period_.offStart - 1};
        }
        return {period_.onSteps, step};
    }

    // The observer is asked only between stretches, when steps of the interval remain. The
    // flags are tested before it runs: they are cleared after it.
    bool runInStretches(Interval interval, std::int32_t first, std::int32_t last) {
        const IntervalSteps steps = interval == Interval::On ? RunOnSteps : RunOffSteps;
        const std::int32_t stretch = progress_.stepsPerReport();
        for (; last - first >= stretch; first += stretch) {
            const std::int32_t end = first + stretch - 1;
            steps(period_, samples_, first, end);
            testSteps(through(interval, end));
            if (!progress_.keepGoingWithin(number_, end)) {
                return false;
            }
        }
        steps(period_, samples_, first, last);
        return true;
    }

    void testSteps(StepsDone reached) {
        if (FloatingPointFaultRaised()) {
            runCheckedUpTo(reached);
        }
        passed_ = reached;
    }

    // Runs the period again from the arrays that entered it, unchecked up to the last test
    // passed, then checked up to `reached`. The flags come only from these steps (in the first
    // period also from the hoisted quantities, which the checked steps compute whole), so the
    // fault they reported ends the run there.
    void runCheckedUpTo(StepsDone reached) {
        restoreEnteringArrays();
        RunOnSteps(period_, samples_, 1, passed_.on);
        RunOnStepsChecked(period_, samples_, passed_.on + 1, reached.on, stepCounter_);
        if (reached.on < period_.onSteps) {
            return;
        }
        HoldAtSwitchOff(period_, samples_);
        RunOffSteps(period_, samples_, period_.offStart, passed_.off);
        RunOffStepsChecked(period_, samples_, passed_.off + 1, reached.off, stepCounter_);
    }

    // A period's samples depend only on the state entering it: the period before this one,
    // run again from its own entering state, leaves the arrays as this one found them. Before
    // the first period they were all zero.
    void restoreEnteringArrays() {
        if (!previous_) {
            const auto size = static_cast<std::size_t>(period_.N) + 2;
            for (double* samples : {samples_.iL, samples_.Vo, samples_.iC, samples_.id}) {
                std::fill_n(samples, size, 0.0);
            }
            return;
        }
        samples_.iL[1] = previous_->iL;
        samples_.Vo[1] = previous_->Vo;
        RunOnSteps(period_, samples_, 1, period_.onSteps);
        HoldAtSwitchOff(period_, samples_);
        RunOffSteps(period_, samples_, period_.offStart, period_.N);
        CarryToNextPeriod(period_, samples_);
    }

    SwitchingPeriod period_;
    SampleArrays samples_;
    ProgressReport& progress_;
    std::int32_t& stepCounter_;
    std::int32_t number_ = 0;
    std::optional<EnteringState> entering_;
    std::optional<EnteringState> previous_;
    StepsDone passed_{0, 0};
};

// The model has no discontinuous conduction: the inductor current of the last simulated period
// must stay above zero at every sample 1..N. At the first sample that is not (NaN included) it
// shows the message and returns false, with Idx left at that sample; else Idx ends at N + 1.
bool CheckConduction(Module1& m, MessageBox& messages) {
    const std::int32_t last = m.N;
    for (m.Idx = 1; m.Idx <= last; ++m.Idx) {
        if (!(m.iL_t[m.Idx] > 0)) {
            m.Msg = u"Il Duty Cycle non può essere così basso, la corrente nell'induttore non può "
                    u"annullarsi, prova ad aumentare L ( anche di molto )!";
            messages.MsgBox(m.Msg);
            return false;
        }
    }
    return true;
}

// Between two passes over the samples: the simulation is done, so the fraction is whole.
bool KeepGoingAfterSimulation(SimulationObserver* observer) {
    return observer == nullptr || observer->keepGoing(1.0);
}

} // namespace

bool SimulatePeriods(Module1& m, SimulationObserver* observer, CycleShortcut shortcut,
                     std::int32_t stepsPerReport) {
    StoreChecked(m.dt, (Traced(1) / m.f) / static_cast<double>(m.N));
    RequireSampleCount(m.N);
    ProgressReport progress(observer, stepsPerReport, m.N, m.NI);
    if (!CreateSampleArrays(m, progress)) {
        return false;
    }
    const SampleArrays samples{m.iL_t.data(), m.Vo_t.data(), m.iC_t.data(), m.id_t.data()};
    ClearFloatingPointFaults(); // from here on, the flags are the periods' own
    PeriodRunner runner(SwitchingPeriodOf(m), samples, progress, m.Idx);
    PeriodSkipper skipper(shortcut);
    ClearUpperVectorState();
    const std::int32_t last = m.NI;
    for (m.Iter = 1; m.Iter <= last; m.Iter = NextCount(m.Iter)) {
        m.Iter = skipper.nextToRun(samples, m.Iter, last); // may jump ahead by whole cycles
        if (!runner.run(m.Iter)) {
            return false;
        }
        if (!progress.keepGoing(m.Iter)) {
            return false;
        }
    }
    return true;
}

PlotOutcome SimulateAndPlot(Module1& m, WaveformDrawing& drawing, MessageBox& messages,
                            SimulationObserver* observer) {
    drawing.showAndDrawFrame(m);
    if (!SimulatePeriods(m, observer, CycleShortcut::On)) {
        return PlotOutcome::Cancelled;
    }
    if (!CheckConduction(m, messages)) {
        return PlotOutcome::NotConducting;
    }
    if (!KeepGoingAfterSimulation(observer)) {
        return PlotOutcome::Cancelled;
    }
    MeasureLastPeriod(m);
    if (!KeepGoingAfterSimulation(observer)) {
        return PlotOutcome::Cancelled;
    }
    drawing.drawTraces(m);
    return PlotOutcome::Drawn;
}
