#pragma once

#include "core/module1.h"

// The reference converter of the simulation: 15 V, 62.5 %, 11 kHz, 400 uH, 60 uF, 25 ohm,
// 1000 samples per period, 5000 periods.
inline Module1 ExampleConverter() {
    Module1 m;
    m.Vi = 15;
    m.D = 0.625;
    m.f = 11000;
    m.L = 0.0004;
    m.C = 0.00006;
    m.RL = 25;
    m.N = 1000;
    m.NP = 10;
    m.NI = 5000;
    return m;
}
