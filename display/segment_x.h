#pragma once

// Horizontal positions of the trace samples. The plot shows NP displayed periods side by
// side, each periodWidth = 100 / NP wide; sample k of displayed period p lies at
// PeriodStartX(p) + SampleOffsetX(k). All arguments are integers already converted to double.
// A segment from sample k starts at PeriodStartX(p) + SampleOffsetX(k) and ends at
// SampleOffsetX(k + 1) + PeriodStartX(p): the start of the next one, summed the other way
// round, which is the same value, as addition is commutative.

// The left end of displayed period p: (100 / NP) × (p - 1).
inline double PeriodStartX(double periodWidth, double p) {
    return periodWidth * (p - 1);
}

// How far into its period sample k lies: ((100 / NP) × k) / N, the same in every period.
inline double SampleOffsetX(double periodWidth, double k, double n) {
    return (periodWidth * k) / n;
}
