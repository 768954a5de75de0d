// The measuring cursors: snapped to samples, moved, marked and read out in their box.
#include "display/measuring_cursors.h"

#include "core/conversions.h"
#include "core/phrasebook.h"
#include "display/number_text.h"
#include "display/plot_readout.h"
#include "display/trace_geometry.h"
#include "display/trace_table.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace {

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

// The time of `samples` sample spacings in seconds: samples / N periods of 1 / f s.
double Seconds(std::int64_t samples, const CursorSums& run, double f) {
    return static_cast<double>(samples) / run.samplesPerPeriod() / f;
}

// The sample number of a cursor, 0 .. NP × N - 1.
std::int64_t SampleNumber(const MeasuringCursor& cursor, const CursorSums& run) {
    return std::int64_t{cursor.period - 1} * run.samplesPerPeriod() + cursor.sample - 1;
}

// "<name> = <value>", the value in engineering units.
Text Reading(const Text& name, double value, std::u16string_view unit, char16_t separator) {
    Text line = name;
    line += u" = ";
    line += EngineeringText(value, unit, separator);
    return line;
}

Text CursorLine(std::u16string_view name, const MeasuringCursor& cursor, const CursorSums& run,
                double f, char16_t separator) {
    const TraceRow& trace = RowOf(cursor.trace);
    // At the cursor's x, as the tool tip gives the time there: sample number + 1 spacings.
    const double t = Seconds(SampleNumber(cursor, run) + 1, run, f);
    return Reading(Text(name).append(u": t"), t, u"s", separator) + u"  " +
           Reading(Text(trace.name), run.sample(cursor.trace, cursor.sample), trace.unit,
                   separator);
}

// The lines of the trace that both cursors measure: its change from A to B, then its mean and
// RMS over the samples between them, or why there are none.
void AddTraceLines(std::vector<Text>& lines, const MeasuringCursors& cursors, const CursorSums& run,
                   char16_t separator) {
    const MeasuringCursor& a = cursors[CursorName::A];
    const MeasuringCursor& b = cursors[CursorName::B];
    const TraceRow& trace = RowOf(a.trace);
    const double deltaV = run.sample(b.trace, b.sample) - run.sample(a.trace, a.sample);
    lines.push_back(Reading(Text(u"Δ").append(trace.name), deltaV, trace.unit, separator));
    const std::optional<CursorSums::Moments> moments = MomentsBetween(cursors, run);
    if (!moments) {
        lines.push_back(Phrase("MeasuringCursors", "media e RMS: A e B sullo stesso campione"));
        return;
    }
    const std::u16string_view range =
        SampleNumber(a, run) < SampleNumber(b, run) ? u"[A, B)" : u"[B, A)";
    lines.push_back(Reading(Filled(Phrase("MeasuringCursors", "media %1"), {Text(range)}),
                            moments->mean, trace.unit, separator));
    lines.push_back(Reading(Text(u"RMS ").append(range), moments->rms, trace.unit, separator));
}

} // namespace

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

void MoveCursorsTo(MeasuringCursors& cursors, Trace trace) {
    for (MeasuringCursor& cursor : cursors.cursors) {
        cursor.trace = trace;
    }
}

std::optional<CursorSums::Moments> MomentsBetween(const MeasuringCursors& cursors,
                                                  const CursorSums& run) {
    const MeasuringCursor& a = cursors[CursorName::A];
    const MeasuringCursor& b = cursors[CursorName::B];
    const std::int64_t first = std::min(SampleNumber(a, run), SampleNumber(b, run));
    const std::int64_t end = std::max(SampleNumber(a, run), SampleNumber(b, run));
    if (a.trace != b.trace || first == end) {
        return std::nullopt;
    }
    return run.between(a.trace, first, end - 1);
}

std::vector<Text> CursorOverlayLines(const MeasuringCursors& cursors, const CursorSums& run,
                                     double f, char16_t decimalSeparator) {
    const MeasuringCursor& a = cursors[CursorName::A];
    const MeasuringCursor& b = cursors[CursorName::B];
    const std::int64_t spacings = SampleNumber(b, run) - SampleNumber(a, run);
    const double deltaT = Seconds(spacings, run, f);
    std::vector<Text> lines{
        CursorLine(u"A", a, run, f, decimalSeparator),
        CursorLine(u"B", b, run, f, decimalSeparator),
        Reading(u"Δt", deltaT, u"s", decimalSeparator),
    };
    if (spacings != 0) {
        lines.push_back(Reading(u"1/Δt", 1 / deltaT, u"Hz", decimalSeparator));
    }
    if (a.trace == b.trace) {
        AddTraceLines(lines, cursors, run, decimalSeparator);
    } else {
        lines.push_back(
            Phrase("MeasuringCursors", "media e RMS: solo con A e B sulla stessa traccia"));
    }
    return lines;
}

CursorOverlay OverlayOf(const MeasuringCursors& cursors, const Module1& m, const CursorSums& run,
                        const WaveformView& view, const std::optional<FittedBands>& fittedBands,
                        char16_t decimalSeparator) {
    CursorOverlay overlay;
    for (const CursorName name : {CursorName::A, CursorName::B}) {
        const CursorMarker marker = MarkerOf(cursors[name], m, run, fittedBands);
        const double x = view.screenX(marker.x);
        const CursorPlace place = x < 0     ? CursorPlace::BeforeView
                                  : x > 100 ? CursorPlace::AfterView
                                            : CursorPlace::InView;
        overlay.marks.push_back(
            {name, place, static_cast<float>(x), marker.y, cursors.active == name});
        const TraceBand& band = RowOf(cursors[name].trace).band;
        const HeightSpan measured{band.fitBottom, band.fitBottom + FittedBandHeight};
        if (name == CursorName::A || cursors[name].trace != cursors[CursorName::A].trace) {
            overlay.measuredBands.push_back(measured);
        }
    }
    overlay.readings = CursorOverlayLines(cursors, run, m.f, decimalSeparator);
    return overlay;
}
