#pragma once

#include "core/module1.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

// What a settled run leaves for the plot, without simulating: one period of N samples shaped
// like the converter's (inductor current rising while the switch is on, falling through the
// diode after; a rippled negative output), arrays of N + 2 elements, extremes as the finders'.
inline Module1 SyntheticRun(std::int32_t np, std::int32_t n) {
    Module1 m;
    m.NP = np;
    m.N = n;
    for (auto* samples : {&m.iL_t, &m.iC_t, &m.Vo_t, &m.id_t}) {
        samples->assign(static_cast<std::size_t>(n) + 2, 0);
    }
    for (std::int32_t k = 1; k <= n; ++k) {
        const double phase = static_cast<double>(k) / n;
        const bool on = phase <= 0.625;
        m.iL_t[k] = on ? 1.6 + 3.4 * phase : 3.7 - 5.6 * (phase - 0.625);
        m.id_t[k] = on ? 0 : m.iL_t[k];
        m.iC_t[k] = on ? -1.0 : m.iL_t[k] - 1.0 + 0.3 * std::sin(40 * phase);
        m.Vo_t[k] = -25 + 0.5 * std::sin(6.283 * phase) + 0.05 * std::sin(90 * phase);
    }
    const auto largest = [&](const std::vector<double>& samples) {
        return std::abs(*std::max_element(samples.begin(), samples.end(), [](double a, double b) {
            return std::abs(a) < std::abs(b);
        }));
    };
    m.iLMax = largest(m.iL_t);
    m.iCMax = largest(m.iC_t);
    m.VoMax = largest(m.Vo_t);
    return m;
}
