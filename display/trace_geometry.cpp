#include "display/trace_geometry.h"

#include "core/conversions.h"
#include "core/handler_support.h"
#include "display/range_extremes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace {

// One sample's y.
float TraceY(double sample, double factor, double scale, double zeroLine) {
    return static_cast<float>((sample * factor) / scale + zeroLine);
}

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

double FittedY(double sample, const TraceBand& band, const BandFit& fit) {
    if (fit.low == fit.high) {
        return FittedBandHeight / 2 + band.fitBottom;
    }
    return (sample - fit.low) / (fit.high - fit.low) * FittedBandHeight + band.fitBottom;
}

double FittedValue(double y, const TraceBand& band, const BandFit& fit) {
    return (y - band.fitBottom) / FittedBandHeight * (fit.high - fit.low) + fit.low;
}

std::array<FittedBandLimits, 4> LimitsOf(const FittedBands& fitted, char16_t decimalSeparator) {
    std::array<FittedBandLimits, 4> limits;
    for (std::size_t trace = 0; trace < limits.size(); ++trace) {
        const TraceBand& band = TraceBands()[trace];
        const BandFit& fit = fitted[trace];
        limits[trace] = {static_cast<float>(band.fitBottom),
                         static_cast<float>(band.fitBottom + FittedBandHeight),
                         Format(fit.low, "0.00E+00", decimalSeparator),
                         Format(fit.high, "0.00E+00", decimalSeparator)};
    }
    return limits;
}

TraceYs::TraceYs(const Module1& m, const TraceBand& band, const std::optional<BandFit>& fit)
    : samples_((m.*band.samples).data()), band_(&band), factor_(band.factor), scale_(m.*band.scale),
      zeroLine_(band.zeroLine), fit_(fit) {
    const std::vector<double>& samples = m.*band.samples;
    if (m.N >= 0 && samples.size() < static_cast<std::size_t>(m.N) + 1) {
        throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
    }
}

float TraceYs::at(std::int32_t k) const {
    if (fit_) {
        return static_cast<float>(FittedY(samples_[k], *band_, *fit_));
    }
    if (scale_ == 0) {
        return static_cast<float>(zeroLine_);
    }
    return TraceY(samples_[k], factor_, scale_, zeroLine_);
}

void TraceYs::fill(std::int32_t first, std::int32_t count, float* out) const {
    if (fit_) {
        for (std::int32_t i = 0; i < count; ++i) {
            out[i] = at(first + i);
        }
        return;
    }
    if (scale_ == 0) {
        std::fill(out, out + count, static_cast<float>(zeroLine_));
        return;
    }
    // Local copies, so that the loop runs over several samples at a time.
    const double* samples = samples_ + first;
    const double factor = factor_;
    const double scale = scale_;
    const double zeroLine = zeroLine_;
    for (std::int32_t i = 0; i < count; ++i) {
        out[i] = TraceY(samples[i], factor, scale, zeroLine);
    }
}

bool TraceYs::allFinite(bool samplesFinite, std::int32_t lowest, std::int32_t highest) const {
    if (scale_ == 0 && !fit_) {
        return true;
    }
    return samplesFinite && std::isfinite(at(lowest)) && std::isfinite(at(highest));
}

void RaiseMappingFault(float y) {
    throw RuntimeError(std::isnan(y) ? RuntimeErrorKind::InvalidOperation
                                     : RuntimeErrorKind::Overflow);
}

PeriodPositions::PeriodPositions(const Module1& m) {
    if (m.N < 2) {
        return;
    }
    for (std::size_t trace = 0; trace < ys_.size(); ++trace) {
        map(m, trace);
    }
}

void PeriodPositions::map(const Module1& m, std::size_t trace) {
    const TraceYs source(m, TraceBands()[trace]);
    std::vector<float>& ys = ys_[trace];
    ys.resize(static_cast<std::size_t>(m.N) + 1);
    source.fill(1, m.N, ys.data() + 1);
    faultFree_ = faultFree_ && AllFinite(ys.data(), ys.size());
}

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

Text ViewTimesText(const WaveformView& view, const Module1& m, char16_t decimalSeparator) {
    const double microseconds = static_cast<double>(m.NP) * 1000000 / m.f;
    return Format(microseconds * view.left / 100, "0.00", decimalSeparator) + u" ... " +
           Format(microseconds * view.right / 100, "0.00", decimalSeparator) + u" µs";
}
