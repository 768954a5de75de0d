#pragma once

#include <cmath>

// The zero of h in (low, high] where h changes sign from h(low) = hLow, by bisection down to
// the spacing of the doubles: the closed forms of the converter's intervals are cheap to
// evaluate and bisection needs nothing but their sign.
template <typename Function>
double SignChangeRoot(double low, double high, double hLow, Function h) {
    for (int iteration = 0; iteration < 2100; ++iteration) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high) {
            break;
        }
        const double hMiddle = h(middle);
        if (hMiddle != 0 && std::signbit(hMiddle) == std::signbit(hLow)) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return high;
}
