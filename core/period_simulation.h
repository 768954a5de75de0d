#pragma once

#include "core/module1.h"
#include "core/waveform_window_operations.h"

// Whether the period loop may finish early once the state entering a period repeats.
enum class CycleShortcut {
    Off, // every period computed: the straight-line reference
    On   // periods that repeat a known cycle skipped; the arrays come out bit for bit the same
};

// Computes dt, re-creates the four sample arrays with indices 0..N + 1 zero-filled and
// simulates NI periods from a discharged converter; Iter ends at NI + 1. A floating-point fault
// is a RuntimeError, raised by the end of the period that met it. observer (may be null) is
// told the fraction done at most once per period and about every 65536 samples; returns false
// when it stopped the run.
bool SimulatePeriods(Module1& m, SimulationObserver* observer, CycleShortcut shortcut);
