#pragma once

#include "core/conversions.h"
#include "core/module1.h"
#include "display/trace_geometry.h"
#include "display/trace_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// What the plot reads out for the user: the trace and value under the pointer, and two
// measuring cursors with their readings.

struct CursorReadout {
    std::optional<Trace> selection; // the trace whose button is selected after the move
    std::optional<Text> toolTip;    // the new tool tip; none keeps the previous one
};

// The readout of one pointer move at screen coordinates (x, y) of the plot box, used as
// delivered (no clamping). The band under the pointer selects its button: top band first, each
// reaching from its lowest y (compared in single precision) up to the band above, iL from 80,
// iC from 55, Vo from 25, id from 0.1; below the diode band the current selection stays. For
// the selected trace, the tool tip gives the time from the plot's left edge in microseconds at
// the plot x that `view` shows at x, and the trace's value at the pointer's height, with the
// trace's name and unit of the trace table, after refreshing the trace's largest magnitude
// with its finder on m: through the band as drawn by default, or through the trace's fitted
// band when the bands are fitted. A runtime error (an overflow, a zero frequency, arrays not
// yet simulated) keeps the previous tool tip; the selection still changes.
CursorReadout ReadCursor(float x, float y, std::optional<Trace> currentSelection, Module1& m,
                         char16_t decimalSeparator, const WaveformView& view = {},
                         const std::optional<FittedBands>& fittedBands = {});

// Two measuring cursors, A and B, over the traces of the last run: where they sit, how the
// pointer and the keyboard move them, where the window draws them, and the text of the box
// that lists their readings.
//
// The samples of the whole plot are numbered from the left, 0 to NP × N - 1: sample k of
// displayed period p has number (p - 1) × N + k - 1. They lie evenly spaced, sample number
// j at plot x = (j + 1) × 100 / (NP × N): the gap between two displayed periods is one
// sample wide, so the spacing runs on across it.

// The running sums of the four traces of one run, and the layout and samples they were made
// from. Made once after a run, in one pass over the samples (O(N)); afterwards the mean and
// RMS of a trace over any range of the plot take a time bounded by a block's length, whatever
// N, NP and the range.
//
// Each trace's period of N samples is cut into blocks of 256. The sums of x and of x² of each
// block are added pairwise (eight levels), and the block totals are accumulated with
// Neumaier's compensated summation into prefix sums kept as value and compensation. A range
// takes the compensated difference of two prefixes for its whole blocks, sums the samples of
// its partial end blocks (at most 510) in a compensated sum, and counts the displayed periods
// it covers whole as multiples of the period's total. The prefixes never lose the digits that
// a plain running sum of 10^7 values would when two large prefixes are subtracted: the error
// of a range's sum is a few units in the last place of sum|x| over the range (about 12 × 2^-53
// × sum|x| at most, from the pairwise levels and the compensated steps), so the mean and RMS
// keep about 15 significant digits for samples of one sign; a mean that cancels to near 0
// keeps them relative to the mean magnitude.
//
// Keeps views of the arrays of m, which must outlive it and stay unchanged: a new run
// re-creates them, so the window makes new sums after each run and leaves the cursors alone
// while one is in progress.
class CursorSums {
public:
    // From a run that drew its traces: NP >= 1, N >= 1 and arrays holding samples 1..N.
    explicit CursorSums(const Module1& m);

    std::int32_t samplesPerPeriod() const { return n_; }
    std::int32_t periods() const { return np_; }
    std::int64_t sampleCount() const { return std::int64_t{np_} * n_; }

    // Sample k (1..N) of a trace: the array element itself.
    double sample(Trace trace, std::int32_t k) const;

    struct Moments {
        double mean = 0;
        double rms = 0;
    };

    // The mean and RMS of a trace over sample numbers first .. last of the plot, both
    // included, in either order.
    Moments between(Trace trace, std::int64_t first, std::int64_t last) const;

private:
    // A sum carried with its rounding error (Neumaier): value + compensation.
    struct Compensated {
        double value = 0;
        double compensation = 0;
        void add(double x);
        void addDifference(const Compensated& minuend, const Compensated& subtrahend);
        double total() const { return value + compensation; }
    };
    struct TraceSums {
        std::span<const double> samples;  // samples 1..N at indices 1..N
        std::vector<Compensated> sums;    // sums[b]: x over the blocks before block b
        std::vector<Compensated> squares; // the same for x²
    };
    struct RangeSums {
        Compensated sum;
        Compensated squares;
    };

    static TraceSums MakeSums(std::span<const double> samples, std::int32_t n);
    void addWithinPeriod(const TraceSums& trace, std::int32_t from, std::int32_t to,
                         RangeSums& out) const;

    std::int32_t n_;
    std::int32_t np_;
    std::array<TraceSums, 4> traces_; // in band order
};

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

// The lines of the box that lists the readings, with the numbers of the tool tip: times in
// microseconds as "0.00", every other number as "0.00E+00", with the given decimal separator.
//   A: t = <t_A> µs  <trace> = <v_A> <unit>
//   B: t = <t_B> µs  <trace> = <v_B> <unit>
//   Δt = <t_B - t_A> µs                     (from the difference of the sample numbers)
//   1/Δt = <1 / Δt> Hz                      (not when both lie on the same sample number)
// and when both cursors lie on the same trace, over the samples from A to B:
//   Δ<trace> = <v_B - v_A> <unit>
//   media = <mean> <unit>
//   RMS = <rms> <unit>
// The trace names and units are those of the trace table: iL, iC, Vo and id, in A or V. f is the
// run's switching frequency in Hz. A number that Format refuses (a zero f gives no finite time) is
// a RuntimeError, as in the tool tip.
std::vector<Text> CursorOverlayLines(const MeasuringCursors& cursors, const CursorSums& run,
                                     double f, char16_t decimalSeparator);
