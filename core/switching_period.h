#pragma once

#include "core/module1.h"

#include <cstdint>

// Where the four sample arrays of a run start: raw views for the inner loops.
struct SampleArrays {
    double* iL;
    double* Vo;
    double* iC;
    double* id;
};

// What every switching period of a run shares: the circuit, the time step and the samples at
// which the switch turns off. The two hoisted quantities are the very doubles that the step
// formulas would compute each time.
struct SwitchingPeriod {
    std::int32_t N;        // samples per period
    std::int32_t onSteps;  // nOn = CLng(N * D): the on interval steps from sample 1 to nOn + 1
    std::int32_t offStart; // CLng(N * D + 1): the sample the hold writes and the off interval
                           // starts from; rounding may put it at nOn, nOn + 1 or nOn + 2
    double Vi;
    double dt;
    double L;
    double C;
    double RL;
    double onIncrement; // (Vi * dt) / L: the inductor current rise of every on step
    double CRL;         // C * RL: the load time constant
};

// Reads the period layout from Vi, D, L, C, RL, N and dt. The sample indices must fit arrays
// 0..N + 1 (always so for 0 < D < 1), else IndexOutOfRange.
SwitchingPeriod SwitchingPeriodOf(const Module1& m);

// One period of the explicit Euler simulation runs, in this order: the on interval's steps
// 1..nOn, the switch-off hold, the off interval's steps offStart..N and the carry of sample N
// to sample 1. A period reads only samples 1 of iL and Vo (the state entering it) and samples
// it has written itself or that no period ever writes.
//
// An interval may run in consecutive stretches of steps: each stretch starts from the state
// that the step before it stored, so the samples come out bit for bit as from a single loop.

// Switch on: steps first..last of the on interval (1 <= first, last <= nOn).
void RunOnSteps(const SwitchingPeriod& period, const SampleArrays& samples, std::int32_t first,
                std::int32_t last);

// The sample after the last on sample repeats it (index 0, all zero, when there is no on step).
void HoldAtSwitchOff(const SwitchingPeriod& period, const SampleArrays& samples);

// Switch off: steps first..last of the off interval (offStart <= first, last <= N).
void RunOffSteps(const SwitchingPeriod& period, const SampleArrays& samples, std::int32_t first,
                 std::int32_t last);

// The next period starts from sample N of this one; index N + 1 is not carried.
void CarryToNextPeriod(const SwitchingPeriod& period, const SampleArrays& samples);

// The same steps checked statement by statement, each formula computed whole (the hoisted
// quantities too) with its first fault traced: every statement stores its value, then a fault
// ends the steps as a RuntimeError, with `step` (the loop counter, from first) at the faulting
// step. Without a fault the samples come out bit for bit as from the unchecked steps.
void RunOnStepsChecked(const SwitchingPeriod& period, const SampleArrays& samples,
                       std::int32_t first, std::int32_t last, std::int32_t& step);
void RunOffStepsChecked(const SwitchingPeriod& period, const SampleArrays& samples,
                        std::int32_t first, std::int32_t last, std::int32_t& step);
