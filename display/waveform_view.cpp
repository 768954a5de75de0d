#include "display/waveform_view.h"

#include <algorithm>

namespace {

// Sample spacings across the narrowest view.
constexpr double SmallestViewSamples = 8;

// A span this close to the plot's width is the whole view: zooming out by the factors that
// zoomed in comes back to it whatever their rounding.
constexpr double WholeSpan = 100 * (1 - 1e-12);

// A view `span` wide from `left`, moved inside the plot: a view reaching past an end of the
// time axis is shifted back to it.
WaveformView Placed(double left, double span) {
    const double kept = std::clamp(left, 0.0, 100 - span);
    return {kept, std::min(kept + span, 100.0)};
}

} // namespace

WaveformView WaveformView::zoomed(double factor, double anchor, double smallestSpan) const {
    const double narrowed = std::max(span() / factor, smallestSpan);
    if (narrowed >= WholeSpan) {
        return {};
    }
    return Placed(plotX(anchor) - anchor * narrowed / 100, narrowed);
}

WaveformView WaveformView::panned(double distance) const {
    return Placed(left + distance * span() / 100, span());
}

double SmallestViewSpan(std::int32_t np, std::int32_t n) {
    if (np < 1 || n < 2) {
        return 100;
    }
    return SmallestViewSamples * 100 / (static_cast<double>(np) * n);
}

// As the pointer readout gives the time at a plot x.
Text ViewSpanText(const WaveformView& view, const Module1& m, char16_t decimalSeparator) {
    const double microseconds = view.span() / 100 * static_cast<double>(m.NP) * 1000000 / m.f;
    return Format(microseconds, "0.00", decimalSeparator) + u" µs";
}
