#pragma once

#include "core/module1.h"

// Measures the last simulated period: iLMax, iLMin, iCMax, VoMax and VoMin by the finders,
// then DeltaiLSim, IDPSim, DeltaVoSim (mV), IdmSim and IimSim. Idx ends at N + 1. A value that
// overflows the double range is a RuntimeError, and it and the later values stay as they were;
// a sum that overflows stops with Idx at the sample that took it out of range.
void MeasureLastPeriod(Module1& m);
