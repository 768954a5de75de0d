#pragma once

#include "core/module1.h"

// Extreme magnitudes over samples 1..N of one sample array, counted with the shared Idx: each
// leaves Idx at N + 1 (1 when N < 1). A sample beyond the array is IndexOutOfRange.
void FindILMax(Module1& m);
void FindILMin(Module1& m);
void FindICMax(Module1& m);
void FindVoMax(Module1& m);
void FindVoMin(Module1& m);
void FindIdMax(Module1& m);
