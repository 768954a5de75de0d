#pragma once

#include "core/conversions.h"
#include "core/module1.h"
#include "display/cursor_sums.h"
#include "display/trace_geometry.h"
#include "display/trace_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Two measuring cursors, A and B, over the traces of the last run: where they sit, how the
// pointer and the keyboard move them, where the window draws them, and the text of the box
// that lists their readings.
//
// The samples of the whole plot are numbered from the left, 0 to NP × N - 1: sample k of
// displayed period p has number (p - 1) × N + k - 1. They lie evenly spaced, sample number
// j at plot x = (j + 1) × 100 / (NP × N): the gap between two displayed periods is one
// sample wide, so the spacing runs on across it.

// One cursor: the trace it measures, and the displayed period p (1..NP) and sample k (1..N)
// it has snapped to.
struct MeasuringCursor {
    Trace trace = Trace::InductorCurrent;
    std::int32_t period = 1;
    std::int32_t sample = 1;
    friend bool operator==(const MeasuringCursor&, const MeasuringCursor&) = default;
};

enum class CursorName { A, B };

struct MeasuringCursors {
    std::array<MeasuringCursor, 2> cursors; // A, then B
    CursorName active = CursorName::A;

    MeasuringCursor& operator[](CursorName name) { return cursors[Index(name)]; }
    const MeasuringCursor& operator[](CursorName name) const { return cursors[Index(name)]; }

private:
    static std::size_t Index(CursorName name) { return name == CursorName::A ? 0 : 1; }
};

// The cursors as they appear when turned on: A at a third and B at two thirds of the view,
// on the selected trace (the inductor current when none is selected); A is active.
MeasuringCursors TurnOnCursors(std::optional<Trace> selection, const WaveformView& view,
                               const CursorSums& run);

// Moves one cursor to the pointer at screen coordinates x, y (0..100 across and up the plot
// box): onto the trace of the band under the pointer, by the bands of the cursor readout (the
// strip below the diode band keeps the cursor's trace), and onto the sample nearest to the
// pointer's plot x, the first or last of the plot when the pointer lies beyond them. A click
// places the active cursor; a drag moves the one nearer to where it starts.
void PlaceCursor(MeasuringCursors& cursors, CursorName which, float x, float y,
                 const WaveformView& view, const CursorSums& run);

// The cursor drawn nearer to screen x; the active one when both are as near.
CursorName NearerCursor(const MeasuringCursors& cursors, float x, const WaveformView& view,
                        const CursorSums& run);

// Moves the active cursor by `samples` along the plot (negative to the left), from one
// displayed period into the next, and no further than the plot's first and last samples.
void StepActiveCursor(MeasuringCursors& cursors, std::int64_t samples, const CursorSums& run);

// One tenth of the view in samples, at least one: the long step of the keyboard.
std::int64_t TenthOfView(const WaveformView& view, const CursorSums& run);

void SwitchActiveCursor(MeasuringCursors& cursors);

// Where the window draws a cursor's marker, in plot coordinates: on the vertex that the
// drawing puts at the cursor's sample, with the x and the band's y mapping of the traces in
// single precision, through the trace's fitted band when the bands are fitted. The dashed
// line runs vertically through x. m is the run's record, with the scales the traces were
// drawn with.
struct CursorMarker {
    float x = 0;
    float y = 0;
};
CursorMarker MarkerOf(const MeasuringCursor& cursor, const Module1& m, const CursorSums& run,
                      const std::optional<FittedBands>& fittedBands = {});

// Both cursors measure `trace`, each staying on its sample: the user chose the trace.
void MoveCursorsTo(MeasuringCursors& cursors, Trace trace);

// The mean and RMS of the cursors' trace over [A, B): from the earlier cursor's sample up to
// the later one's, the later one left out, so that cursors a whole period apart give the
// period's mean and RMS. None when A and B measure different traces or lie on one sample.
std::optional<CursorSums::Moments> MomentsBetween(const MeasuringCursors& cursors,
                                                  const CursorSums& run);

// The lines of the box that lists the readings, numbers for people (engineering units with
// five significant digits, see number_text.h) with the given decimal separator:
//   A: t = <t_A>  <trace> = <v_A>
//   B: t = <t_B>  <trace> = <v_B>
//   Δt = <t_B - t_A>                        (from the difference of the sample numbers)
//   1/Δt = <1 / Δt>                         (not when both lie on the same sample number)
// and when both cursors lie on the same trace:
//   Δ<trace> = <v_B - v_A>
//   media [A, B) = <mean>                   ([B, A) when B lies before A; see MomentsBetween)
//   RMS [A, B) = <rms>
// or, in place of the mean and RMS, why there are none: "media e RMS: A e B sullo stesso
// campione", "media e RMS: solo con A e B sulla stessa traccia". Times are from the plot's left
// edge, in seconds; the trace names and units are those of the trace table. f is the run's
// switching frequency in Hz: a zero f gives no time ("—").
std::vector<Text> CursorOverlayLines(const MeasuringCursors& cursors, const CursorSums& run,
                                     double f, char16_t decimalSeparator);

// Where a cursor stands against the view that the plot shows.
enum class CursorPlace { InView, BeforeView, AfterView };

// One cursor as the plot marks it, in screen coordinates (0 to 100 across and up the plot
// box): in the view, a dashed line at x with a marker on its trace at (x, markerY); before or
// after the view, a mark at the edge it lies beyond.
struct CursorMark {
    CursorName name = CursorName::A;
    CursorPlace place = CursorPlace::InView;
    float x = 0;
    float markerY = 0;
    bool active = false;
};

// A stretch of the plot's height, from plot y `low` up to `high`.
struct HeightSpan {
    double low = 0;
    double high = 0;
};

// What the measuring cursors lay over the plot: the marks of A and B, the lines of their box,
// and the heights of the bands of the traces they measure, which the box leaves clear: the
// stretch fitBottom .. fitBottom + FittedBandHeight that such a trace fills in a normal run.
struct CursorOverlay {
    std::vector<CursorMark> marks; // A, then B
    std::vector<Text> readings;
    std::vector<HeightSpan> measuredBands;
};

// The overlay of the cursors over the plot of m as `view` shows it, through the fitted bands
// when the bands are fitted (see MarkerOf), the readings written with `decimalSeparator`.
CursorOverlay OverlayOf(const MeasuringCursors& cursors, const Module1& m, const CursorSums& run,
                        const WaveformView& view, const std::optional<FittedBands>& fittedBands,
                        char16_t decimalSeparator);
