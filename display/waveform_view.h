#pragma once

#include "core/conversions.h"
#include "core/module1.h"

#include <cstdint>

// The stretch of the plot's time axis that the plot box shows. Plot x runs from 0 to 100 over
// the NP displayed periods; the whole view shows all of it, a zoomed view the part from `left`
// to `right`. Across the box, screen x runs from 0 to 100 and maps linearly onto the view; in
// the whole view screen x is plot x itself, without a rounding step.
struct WaveformView {
    double left = 0;
    double right = 100;

    bool whole() const { return left == 0 && right == 100; }
    double span() const { return right - left; }

    // The plot x shown at screen x, and the screen x at which plot x is shown.
    double plotX(double screenX) const { return whole() ? screenX : left + screenX * span() / 100; }
    double screenX(double plotX) const { return whole() ? plotX : (plotX - left) * 100 / span(); }

    // The view `factor` times narrower (a factor below 1 widens it) with the plot x at screen
    // x `anchor` staying there, kept inside the plot and no narrower than `smallestSpan`. A
    // span of 100 or more is the whole view, exactly.
    WaveformView zoomed(double factor, double anchor, double smallestSpan) const;

    // The view moved along the time axis by `distance` screen units, later times coming into
    // view for a positive distance, and kept inside the plot with its span.
    WaveformView panned(double distance) const;

    friend bool operator==(const WaveformView&, const WaveformView&) = default;
};

// The narrowest view worth showing of a plot of NP displayed periods of N samples: a few
// sample spacings, so that a view always shows some samples whole. A plot without trace
// segments (NP < 1 or N < 2) is only ever shown whole: its smallest span is 100.
double SmallestViewSpan(std::int32_t np, std::int32_t n);

// The time that a view spans, in microseconds with two decimals and the given separator:
// "123,45 µs". The plot spans NP periods of 1 / f seconds; a zero f gives no finite time,
// which Format refuses as a RuntimeError.
Text ViewSpanText(const WaveformView& view, const Module1& m, char16_t decimalSeparator);
