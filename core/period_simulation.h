#pragma once

#include "core/module1.h"
#include "core/simulation_observer.h"

#include <cstdint>

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
// fraction done between stretches and after every stepsPerReport / N periods (at least one);
// returns false when it stopped the run: within a period, Iter is that period and the steps
// after the stop have not run; while the arrays are made, they are completed first.
//
// A floating-point fault is a RuntimeError: the first one met in statement order, as if every
// statement stored its value and then checked it. A fault in dt comes before the arrays are
// made; in the steps, it leaves Iter at its period, Idx at its step and the arrays as that
// statement left them, the samples the period has not reached yet holding the period before's.
// A run without fault leaves Idx as it was: the conduction check, which comes next, sets it.
bool SimulatePeriods(Module1& m, SimulationObserver* observer, CycleShortcut shortcut,
                     std::int32_t stepsPerReport = StepsPerReport);
