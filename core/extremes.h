#pragma once

#include "core/module1.h"

// Extreme magnitudes over samples 1..N of one sample array; each leaves Idx at N + 1.
void FindILMax(Module1& m);
void FindILMin(Module1& m);
void FindICMax(Module1& m);
void FindVoMax(Module1& m);
void FindVoMin(Module1& m);
void FindIdMax(Module1& m);
