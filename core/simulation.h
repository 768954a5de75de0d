#pragma once

#include "core/handler_support.h"
#include "core/module1.h"

#include <cstdint>

// The simulation of a verification: the run that simulates, checks, measures and draws, the
// period loop that fills the sample arrays, and the cycle detection that lets the loop skip
// periods that only repeat a cycle.

// How a run of SimulateAndPlot ended.
enum class PlotOutcome {
    Drawn,         // simulated, measured and drawn
    NotConducting, // the conduction check refused the last period, its message shown
    Cancelled      // the observer stopped the run
};

// Shows the waveform window with its frame, simulates NI periods, checks conduction, measures
// the last period and draws the traces. A failed conduction check (its message shown) or a run
// stopped by the observer ends after the frame, with the summary values untouched. observer may
// be null; it is also asked between the passes over the samples that follow the simulation,
// which at the largest N take tens of milliseconds each.
PlotOutcome SimulateAndPlot(Module1& m, WaveformDrawing& drawing, MessageBox& messages,
                            SimulationObserver* observer);

// Whether the period loop may finish early once the state entering a period repeats.
enum class CycleShortcut {
    Off, // every period computed: the straight-line reference
    On   // periods that repeat a known cycle skipped; the arrays come out bit for bit the same
};

// How often a run pauses for its observer: about 0.5 ms of simulation, so that a window that
// listens stays responsive even when one period lasts a few hundred milliseconds.
inline constexpr std::int32_t StepsPerReport = 65536;

// Computes dt, re-creates the four sample arrays with indices 0..N + 1 zero-filled and
// simulates NI periods from a discharged converter; Iter ends at NI + 1.
//
// Periods longer than stepsPerReport (at least 1) run in stretches of that many steps, and the
// arrays are filled that many samples at a time. observer (may be null) is told the
// fraction done between stretches and after every stepsPerReport / N periods (at least one),
// with the period running or just run once the periods have begun; returns false when it
// stopped the run: within a period, Iter is that period and the steps after the stop have not
// run; while the arrays are made, they are left empty (their memory kept for the next run).
//
// A floating-point fault is a RuntimeError: the first one met in statement order, as if every
// statement stored its value and then checked it. A fault in dt comes before the arrays are
// made; in the steps, it leaves Iter at its period, Idx at its step and the arrays as that
// statement left them, the samples the period has not reached yet holding the period before's.
// A run without fault leaves Idx as it was: the conduction check, which comes next, sets it.
bool SimulatePeriods(Module1& m, SimulationObserver* observer, CycleShortcut shortcut,
                     std::int32_t stepsPerReport = StepsPerReport);

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
