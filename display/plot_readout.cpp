#include "display/plot_readout.h"

#include "core/conversions.h"
#include "core/handler_support.h"
#include "display/trace_geometry.h"
#include "display/trace_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <utility>

namespace {

// A trace's band under the pointer. The pointer bands are wider than the plot bands and leave
// no gap between them: each reaches from its own bottom up to the bottom of the band above
// (iL from 80, iC from 55 up to 80, Vo from 25 up to 55, id from 0.1 up to 25). Only 80 and
// 0.1 are zero lines, of iL and id; 55 and 25 lie in the empty space between the plot bands
// of iC (61 to 79) and Vo (32 to 50), and of Vo and id (0.1 to about 18.1).
struct PointerBand {
    Trace trace;
    float bottom; // lowest pointer y of the band, compared in single precision
    std::u16string_view timePrefix;
};

// Top band first.
constexpr std::array<PointerBand, 4> PointerBands{{
    {Trace::InductorCurrent, 80.0f, u"t= "},
    {Trace::CapacitorCurrent, 55.0f, u"t= "},
    {Trace::OutputVoltage, 25.0f, u"t= "},
    {Trace::DiodeCurrent, 0.1f, u"t = "},
}};

const PointerBand& PointerBandOf(Trace trace) {
    return *std::find_if(PointerBands.begin(), PointerBands.end(),
                         [&](const PointerBand& band) { return band.trace == trace; });
}

// The trace of the pointer band at height y, top band first; none in the strip below the diode
// band.
std::optional<Trace> TraceUnderPointer(float y) {
    for (const PointerBand& band : PointerBands) {
        if (y >= band.bottom) {
            return band.trace;
        }
    }
    return std::nullopt;
}

// The band's mapping y = (sample × factor) / scale + zero line, inverted, with the largest
// magnitude the trace's finder has just stored; or the fitted band's mapping, inverted.
double TraceValue(float y, const TraceRow& row, const Module1& m,
                  const std::optional<FittedBands>& fittedBands) {
    const TraceBand& band = row.band;
    if (fittedBands) {
        return FittedValue(y, band, (*fittedBands)[BandIndex(row.trace)]);
    }
    return (static_cast<double>(y) - band.zeroLine) * (m.*row.largest) / band.factor;
}

Text ToolTip(double plotX, float y, Trace trace, Module1& m, char16_t decimalSeparator,
             const std::optional<FittedBands>& fittedBands) {
    const TraceRow& row = RowOf(trace);
    const double t = PlotMicroseconds(plotX, m); // Format refuses a time that is not finite
    row.finder(m);
    const double v = TraceValue(y, row, m, fittedBands);
    return Text(PointerBandOf(trace).timePrefix) + Format(t, "0.00", decimalSeparator) +
           u"usec ; " + Text(row.name) + u"(t) = " + Format(v, "0.00E+00", decimalSeparator) +
           Text(row.unit);
}

constexpr std::int32_t BlockLength = 256; // samples per block of the running sums

// The sums of x and of x² over one block of at most BlockLength samples, added pairwise: the
// block, padded with zeros, is folded in halves eight times, which bounds the rounding error
// by eight units in the last place of sum|x| and lets the compiler add several pairs at once.
std::pair<double, double> BlockSums(const double* x, std::int32_t count) {
    std::array<double, BlockLength> sums{};
    std::array<double, BlockLength> squares{};
    for (std::int32_t i = 0; i < count; ++i) {
        sums[i] = x[i];
        squares[i] = x[i] * x[i];
    }
    for (std::int32_t width = BlockLength / 2; width >= 1; width /= 2) {
        for (std::int32_t i = 0; i < width; ++i) {
            sums[i] += sums[i + width];
            squares[i] += squares[i + width];
        }
    }
    return {sums[0], squares[0]};
}

// The plot x of a sample number, as the drawing computes it before rounding to single.
double PlotXOf(std::int64_t number, const CursorSums& run) {
    return SamplePlotX(100 / static_cast<double>(run.periods()), run.samplesPerPeriod(), number);
}

// The sample number whose plot x lies nearest to plotX (the left one of two as near), the
// first or last when plotX lies beyond them. Samples are evenly spaced, number j near
// plotX × NP × N / 100 - 1, so only the two numbers around that need comparing.
std::int64_t NearestSampleNumber(double plotX, const CursorSums& run) {
    const std::int64_t last = run.sampleCount() - 1;
    const double position = plotX * static_cast<double>(run.sampleCount()) / 100 - 1;
    if (!(position > 0)) {
        return 0;
    }
    if (position >= static_cast<double>(last)) {
        return last;
    }
    const auto left = static_cast<std::int64_t>(position);
    const double toLeft = plotX - PlotXOf(left, run);
    const double toRight = PlotXOf(left + 1, run) - plotX;
    return toLeft <= toRight ? left : left + 1;
}

void SnapTo(MeasuringCursor& cursor, std::int64_t number, const CursorSums& run) {
    const std::int32_t n = run.samplesPerPeriod();
    cursor.period = static_cast<std::int32_t>(number / n + 1);
    cursor.sample = static_cast<std::int32_t>(number % n + 1);
}

// The time of `samples` sample spacings in microseconds: samples / N periods of 1 / f s.
double Microseconds(std::int64_t samples, const CursorSums& run, double f) {
    return static_cast<double>(samples) / run.samplesPerPeriod() * 1000000 / f;
}

// The sample number of a cursor, 0 .. NP × N - 1.
std::int64_t SampleNumber(const MeasuringCursor& cursor, const CursorSums& run) {
    return std::int64_t{cursor.period - 1} * run.samplesPerPeriod() + cursor.sample - 1;
}

// A cursor's time in microseconds from the plot's left edge, as the tool tip gives the time
// at the cursor's x: ((p - 1) × N + k) / N periods of 1 / f seconds, computed as
// (((p - 1) × N + k) / N) × 1000000 / f.
double CursorMicroseconds(const MeasuringCursor& cursor, const CursorSums& run, double f) {
    return Microseconds(SampleNumber(cursor, run) + 1, run, f);
}

Text Value(double value, std::u16string_view unit, char16_t separator) {
    return Format(value, "0.00E+00", separator) + u" " + Text(unit);
}

Text CursorLine(std::u16string_view name, const MeasuringCursor& cursor, const CursorSums& run,
                double f, char16_t separator) {
    const TraceRow& trace = RowOf(cursor.trace);
    return Text(name) + u": t = " + Format(CursorMicroseconds(cursor, run, f), "0.00", separator) +
           u" µs  " + Text(trace.name) + u" = " +
           Value(run.sample(cursor.trace, cursor.sample), trace.unit, separator);
}

} // namespace

CursorReadout ReadCursor(float x, float y, std::optional<Trace> currentSelection, Module1& m,
                         char16_t decimalSeparator, const WaveformView& view,
                         const std::optional<FittedBands>& fittedBands) {
    // The strip below the diode band selects nothing new.
    const std::optional<Trace> under = TraceUnderPointer(y);
    const std::optional<Trace> selection = under ? under : currentSelection;
    if (!selection) {
        return {selection, std::nullopt};
    }
    try {
        return {selection, ToolTip(view.plotX(x), y, *selection, m, decimalSeparator, fittedBands)};
    } catch (const RuntimeError&) {
        return {selection, std::nullopt};
    }
}

void CursorSums::Compensated::add(double x) {
    const double sum = value + x;
    if (std::fabs(value) >= std::fabs(x)) {
        compensation += (value - sum) + x;
    } else {
        compensation += (x - sum) + value;
    }
    value = sum;
}

// The values' difference is rounded once, relative to itself and not to the prefixes; the
// compensations are small and differ by little.
void CursorSums::Compensated::addDifference(const Compensated& minuend,
                                            const Compensated& subtrahend) {
    add(minuend.value - subtrahend.value);
    add(minuend.compensation - subtrahend.compensation);
}

CursorSums::CursorSums(const Module1& m) : n_(m.N), np_(m.NP) {
    for (std::size_t band = 0; band < traces_.size(); ++band) {
        const std::vector<double>& samples = m.*TraceBands()[band].samples;
        if (samples.size() < static_cast<std::size_t>(n_) + 1) {
            throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
        }
        traces_[band] = MakeSums(std::span(samples).first(static_cast<std::size_t>(n_) + 1), n_);
    }
}

CursorSums::TraceSums CursorSums::MakeSums(std::span<const double> samples, std::int32_t n) {
    TraceSums trace{samples, {Compensated{}}, {Compensated{}}};
    for (std::int32_t start = 0; start < n; start += BlockLength) {
        const auto [sum, squares] =
            BlockSums(&samples[start + 1], std::min(BlockLength, n - start));
        trace.sums.push_back(trace.sums.back());
        trace.sums.back().add(sum);
        trace.squares.push_back(trace.squares.back());
        trace.squares.back().add(squares);
    }
    return trace;
}

double CursorSums::sample(Trace trace, std::int32_t k) const {
    return traces_[BandIndex(trace)].samples[static_cast<std::size_t>(k)];
}

// Positions from .. to - 1 within a period, position i holding sample i + 1.
void CursorSums::addWithinPeriod(const TraceSums& trace, std::int32_t from, std::int32_t to,
                                 RangeSums& out) const {
    const auto addSamples = [&](std::int32_t first, std::int32_t end) {
        for (std::int32_t i = first; i < end; ++i) {
            const double x = trace.samples[static_cast<std::size_t>(i) + 1];
            out.sum.add(x);
            out.squares.add(x * x);
        }
    };
    const std::int32_t firstWholeBlock = (from + BlockLength - 1) / BlockLength;
    const std::int32_t endWholeBlock = to / BlockLength;
    if (firstWholeBlock >= endWholeBlock) {
        addSamples(from, to);
        return;
    }
    addSamples(from, firstWholeBlock * BlockLength);
    out.sum.addDifference(trace.sums[endWholeBlock], trace.sums[firstWholeBlock]);
    out.squares.addDifference(trace.squares[endWholeBlock], trace.squares[firstWholeBlock]);
    addSamples(endWholeBlock * BlockLength, to);
}

CursorSums::Moments CursorSums::between(Trace trace, std::int64_t first, std::int64_t last) const {
    if (first > last) {
        std::swap(first, last);
    }
    const TraceSums& sums = traces_[BandIndex(trace)];
    const std::int64_t firstPeriod = first / n_;
    const std::int64_t lastPeriod = last / n_;
    const auto firstPosition = static_cast<std::int32_t>(first % n_);
    const auto endPosition = static_cast<std::int32_t>(last % n_ + 1);
    RangeSums range;
    if (firstPeriod == lastPeriod) {
        addWithinPeriod(sums, firstPosition, endPosition, range);
    } else {
        addWithinPeriod(sums, firstPosition, n_, range);
        const auto wholePeriods = static_cast<double>(lastPeriod - firstPeriod - 1);
        range.sum.add(wholePeriods * sums.sums.back().total());
        range.squares.add(wholePeriods * sums.squares.back().total());
        addWithinPeriod(sums, 0, endPosition, range);
    }
    const auto count = static_cast<double>(last - first + 1);
    return {range.sum.total() / count, std::sqrt(range.squares.total() / count)};
}

MeasuringCursors TurnOnCursors(std::optional<Trace> selection, const WaveformView& view,
                               const CursorSums& run) {
    MeasuringCursors cursors;
    for (MeasuringCursor& cursor : cursors.cursors) {
        cursor.trace = selection.value_or(Trace::InductorCurrent);
    }
    SnapTo(cursors[CursorName::A], NearestSampleNumber(view.plotX(100.0 / 3), run), run);
    SnapTo(cursors[CursorName::B], NearestSampleNumber(view.plotX(200.0 / 3), run), run);
    return cursors;
}

void PlaceCursor(MeasuringCursors& cursors, CursorName which, float x, float y,
                 const WaveformView& view, const CursorSums& run) {
    MeasuringCursor& cursor = cursors[which];
    cursor.trace = TraceUnderPointer(y).value_or(cursor.trace);
    SnapTo(cursor, NearestSampleNumber(view.plotX(x), run), run);
}

CursorName NearerCursor(const MeasuringCursors& cursors, float x, const WaveformView& view,
                        const CursorSums& run) {
    const auto distance = [&](CursorName name) {
        return std::fabs(view.screenX(PlotXOf(SampleNumber(cursors[name], run), run)) - x);
    };
    const CursorName other = cursors.active == CursorName::A ? CursorName::B : CursorName::A;
    return distance(other) < distance(cursors.active) ? other : cursors.active;
}

void StepActiveCursor(MeasuringCursors& cursors, std::int64_t samples, const CursorSums& run) {
    MeasuringCursor& cursor = cursors[cursors.active];
    const std::int64_t number = SampleNumber(cursor, run) + samples;
    SnapTo(cursor, std::clamp<std::int64_t>(number, 0, run.sampleCount() - 1), run);
}

std::int64_t TenthOfView(const WaveformView& view, const CursorSums& run) {
    const double samples = view.span() / 1000 * static_cast<double>(run.sampleCount());
    return std::max<std::int64_t>(1, std::llround(samples));
}

void SwitchActiveCursor(MeasuringCursors& cursors) {
    cursors.active = cursors.active == CursorName::A ? CursorName::B : CursorName::A;
}

CursorMarker MarkerOf(const MeasuringCursor& cursor, const Module1& m, const CursorSums& run,
                      const std::optional<FittedBands>& fittedBands) {
    const std::optional<BandFit> fit =
        fittedBands ? std::optional((*fittedBands)[BandIndex(cursor.trace)]) : std::nullopt;
    const TraceYs ys(m, RowOf(cursor.trace).band, fit);
    return {static_cast<float>(PlotXOf(SampleNumber(cursor, run), run)), ys.at(cursor.sample)};
}

std::vector<Text> CursorOverlayLines(const MeasuringCursors& cursors, const CursorSums& run,
                                     double f, char16_t decimalSeparator) {
    const MeasuringCursor& a = cursors[CursorName::A];
    const MeasuringCursor& b = cursors[CursorName::B];
    const std::int64_t spacings = SampleNumber(b, run) - SampleNumber(a, run);
    const double deltaT = Microseconds(spacings, run, f);
    std::vector<Text> lines{
        CursorLine(u"A", a, run, f, decimalSeparator),
        CursorLine(u"B", b, run, f, decimalSeparator),
        u"Δt = " + Format(deltaT, "0.00", decimalSeparator) + u" µs",
    };
    if (spacings != 0) {
        lines.push_back(u"1/Δt = " + Value(1000000 / deltaT, u"Hz", decimalSeparator));
    }
    if (a.trace == b.trace) {
        const TraceRow& trace = RowOf(a.trace);
        const double deltaV = run.sample(b.trace, b.sample) - run.sample(a.trace, a.sample);
        const CursorSums::Moments moments =
            run.between(a.trace, SampleNumber(a, run), SampleNumber(b, run));
        lines.push_back(u"Δ" + Text(trace.name) + u" = " +
                        Value(deltaV, trace.unit, decimalSeparator));
        lines.push_back(u"media = " + Value(moments.mean, trace.unit, decimalSeparator));
        lines.push_back(u"RMS = " + Value(moments.rms, trace.unit, decimalSeparator));
    }
    return lines;
}
