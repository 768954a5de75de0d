#pragma once

#include "core/conversions.h"
#include "core/module1.h"
#include "display/trace_table.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Where the samples of the four traces are drawn: their horizontal positions within the
// displayed periods, and their heights within each trace's band.

// Horizontal positions of the trace samples. The plot shows NP displayed periods side by
// side, each periodWidth = 100 / NP wide; sample k of displayed period p lies at
// PeriodStartX(p) + SampleOffsetX(k). All arguments are integers already converted to double.
// A segment from sample k starts at PeriodStartX(p) + SampleOffsetX(k) and ends at
// SampleOffsetX(k + 1) + PeriodStartX(p): the start of the next one, summed the other way
// round, which is the same value, as addition is commutative.

// The left end of displayed period p: (100 / NP) × (p - 1).
inline double PeriodStartX(double periodWidth, double p) {
    return periodWidth * (p - 1);
}

// How far into its period sample k lies: ((100 / NP) × k) / N, the same in every period.
inline double SampleOffsetX(double periodWidth, double k, double n) {
    return (periodWidth * k) / n;
}

// The plot x of the sample numbered from the plot's left edge, 0 to NP × N - 1: sample
// number % N + 1 of displayed period number / N + 1.
inline double SamplePlotX(double periodWidth, std::int32_t n, std::int64_t number) {
    return PeriodStartX(periodWidth, static_cast<double>(number / n + 1)) +
           SampleOffsetX(periodWidth, static_cast<double>(number % n + 1), n);
}

// The plot spans NP switching periods of 1 / f seconds: the time in microseconds of a plot x
// from its left edge. A zero f gives no finite time.
inline double PlotMicroseconds(double plotX, const Module1& m) {
    return plotX / 100 * static_cast<double>(m.NP) * 1000000 / m.f;
}

// The height of every band fitted to its trace: the reach of a trace drawn to its largest
// magnitude, 18 on one side of its zero line or 9 on each.
inline constexpr double FittedBandHeight = 18;

// The samples that a band fitted to its trace puts at its bottom and at its top: the trace's
// lowest and highest over the samples shown.
struct BandFit {
    double low = 0;
    double high = 0;
};

// The four bands fitted to their traces, in band order.
using FittedBands = std::array<BandFit, 4>;

// The y of a sample in a band fitted to its trace:
// (sample - low) / (high - low) × FittedBandHeight + fitBottom, so that low lies on the
// band's bottom and high on its top. A trace that never moves (low equal to high) lies on the
// band's middle line.
double FittedY(double sample, const TraceBand& band, const BandFit& fit);

// The sample that a fitted band draws at height y: the inverse of FittedY (low for a trace
// that never moves).
double FittedValue(double y, const TraceBand& band, const BandFit& fit);

// What the plot writes at the edges of a fitted band: its bottom and top heights, and the
// trace's lowest and highest sample there in the tool's number style, "0.00E+00" with the
// given decimal separator.
struct FittedBandLimits {
    float bottom = 0;
    float top = 0;
    Text low;
    Text high;
};
std::array<FittedBandLimits, 4> LimitsOf(const FittedBands& fitted, char16_t decimalSeparator);

// The ys of one trace's samples, computed when asked from the samples themselves:
// y = (sample × factor) / scale + zero line in double precision, in that order, rounded to
// single precision, or in a fitted band FittedY rounded to single precision. A trace whose
// scale is 0 never left 0 (its largest magnitude is 0): it lies on its zero line instead of
// dividing 0 by 0. A y is not finite when its mapping faulted (an overflow, an invalid
// operation, a y beyond the single range).
class TraceYs {
public:
    // The ys of band's samples 1..N of m, which must stay unchanged while they are read, in
    // the band as drawn by default or, given a fit, in the band fitted to the trace. An array
    // without samples 1..N is an index error.
    TraceYs(const Module1& m, const TraceBand& band, const std::optional<BandFit>& fit = {});

    float at(std::int32_t k) const;

    // The ys of samples first .. first + count - 1, into out[0 .. count - 1].
    void fill(std::int32_t first, std::int32_t count, float* out) const;

    // Whether the ys of a run of samples are all finite, given whether the samples are and
    // which of them are lowest and highest. Each step of either mapping is a correctly
    // rounded operation, monotonic in the sample, so the ys lie between those of the two
    // extreme samples; a NaN or infinite sample gives a y that is not finite, unless the
    // scale is 0.
    bool allFinite(bool samplesFinite, std::int32_t lowest, std::int32_t highest) const;

private:
    const double* samples_;
    const TraceBand* band_;
    double factor_;
    double scale_;
    double zeroLine_;
    std::optional<BandFit> fit_;
};

// The RuntimeError of a mapping that gave a non-finite y: NaN from an invalid operation,
// infinity from an overflow.
[[noreturn]] void RaiseMappingFault(float y);

// Where samples 1..N lie vertically within a displayed period: for each trace, their y
// rounded to single precision. Every displayed period repeats the same samples, so each y is
// computed once per drawing instead of once per period.
// A y mapping that faults (an overflow, an invalid operation, a y beyond the single range) is
// kept as a non-finite y and raised only when a segment reaches that sample, so the segments
// before it are drawn as they would be. Arrays too short to hold samples 1..N are different:
// they are an index error raised here, before any segment is drawn.
class PeriodPositions {
public:
    // Positions for NP >= 1; with N below 2 no sample ends a segment and nothing is computed.
    // An array without samples 1..N is an index error.
    explicit PeriodPositions(const Module1& m);

    // The y of sample k of one trace (band order); a faulted mapping is a RuntimeError. When
    // no mapping faulted, which is known once, the samples are read without a test.
    float y(std::size_t trace, std::int32_t k) const {
        const float value = ys_[trace][static_cast<std::size_t>(k)];
        if (!faultFree_ && !std::isfinite(value)) {
            RaiseMappingFault(value);
        }
        return value;
    }

private:
    void map(const Module1& m, std::size_t trace);

    std::array<std::vector<float>, 4> ys_;
    bool faultFree_ = true; // every y finite
};

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

// The times at the edges of a view, from the plot's left edge, in microseconds with two
// decimals and the given separator: "181,82 ... 277,27 µs". The plot spans NP periods of
// 1 / f seconds, NP × 1000000 / f microseconds, of which an edge at plot x lies x / 100; a
// zero f gives no finite time, which Format refuses as a RuntimeError.
Text ViewTimesText(const WaveformView& view, const Module1& m, char16_t decimalSeparator);
