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

// One period of the explicit Euler simulation: on interval, switch-off hold, off interval and
// carry of sample N to sample 1. It reads only samples 1 of iL and Vo (the state entering the
// period) and samples it has written itself or that no period ever writes.
void RunSwitchingPeriod(const SwitchingPeriod& period, const SampleArrays& samples);
