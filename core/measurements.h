#pragma once

#include "core/module1.h"

// Measuring the simulated period: the extreme finders and the summary values.

// Extreme magnitudes over samples 1..N of one sample array, counted with the shared Idx: each
// leaves Idx at N + 1 (1 when N < 1). A sample beyond the array is IndexOutOfRange.
void FindILMax(Module1& m);
void FindILMin(Module1& m);
void FindICMax(Module1& m);
void FindVoMax(Module1& m);
void FindVoMin(Module1& m);
void FindIdMax(Module1& m);

// Measures the last simulated period: iLMax, iLMin, iCMax, VoMax and VoMin by the finders,
// then DeltaiLSim, IDPSim, DeltaVoSim (mV), IdmSim and IimSim. Idx ends at N + 1. A value that
// overflows the double range is a RuntimeError, and it and the later values stay as they were;
// a sum that overflows stops with Idx at the sample that took it out of range.
void MeasureLastPeriod(Module1& m);
