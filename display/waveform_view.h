#pragma once

// The stretch of the plot's time axis that the plot box shows. Plot x runs from 0 to 100 over
// the NP displayed periods; the whole view shows all of it, a zoomed view the part from `left`
// to `right`. Across the box, screen x runs from 0 to 100 and maps linearly onto the view.
struct WaveformView {
    double left = 0;
    double right = 100;

    bool whole() const { return left == 0 && right == 100; }
    double span() const { return right - left; }

    // The plot x shown at screen x, and the screen x at which plot x is shown.
    double plotX(double screenX) const { return left + screenX * span() / 100; }
    double screenX(double plotX) const { return (plotX - left) * 100 / span(); }
};
