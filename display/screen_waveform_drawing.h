#pragma once

#include "core/handler_support.h"
#include "core/module1.h"
#include "display/plot_geometry.h"
#include "display/range_extremes.h"
#include "display/trace_geometry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Which path draws the traces ("whole": the whole view in default bands; frame always exact):
//   whole, NP × (N - 1) <= pixel columns: every segment, exactly (DrawTraceSegments)
//   whole, denser: DrawColumnTraces into a ReducingSink; all segments into it if a y faults
//   zoomed or fitted, samples shown <= pixel columns: every segment shown, cut at the box
//   zoomed or fitted, denser: the column drawing of DrawViewTraces into a ReducingSink

// The drawing half of a verification for the screen. The frame is drawn exactly. The traces
// are drawn exactly when they have no more segments than the plot box has pixel columns;
// denser traces are drawn column by column (DrawColumnTraces, below) through a ReducingSink,
// at a cost that grows with the width rather than with NP × N, and with the same vertical
// extent in every pixel column as the exact drawing. Either way Iter and Idx end as the exact
// drawing leaves them.
class ScreenWaveformDrawing : public WaveformDrawing {
public:
    explicit ScreenWaveformDrawing(PlotSurface& surface) : surface_(surface) {}
    void showAndDrawFrame(Module1& m) override;
    void drawTraces(Module1& m) override;

private:
    PlotSurface& surface_;
};

// Where each of a run's four traces (band order) is lowest and highest over any run of its
// samples 1..N, answered from a range-extremes index of the period's samples, built in one
// pass over them. Keeps views of m's arrays, which must outlive it and stay unchanged: a new
// run re-creates them. An array without samples 1..N is an index error.
class TraceExtremes {
public:
    explicit TraceExtremes(const Module1& m);

    // The extremes over samples first .. last (1 <= first <= last <= N).
    Extremes over(std::size_t trace, std::int32_t first, std::int32_t last) const;

    // The extremes over the whole period.
    const Extremes& period(std::size_t trace) const { return periods_[trace]; }

    // Whether the trace's samples are all finite. When they are not, its extremes are
    // meaningless.
    bool finite(std::size_t trace) const { return traces_[trace].finite(); }

private:
    std::vector<RangeExtremes> traces_; // index i: sample i + 1
    std::vector<Extremes> periods_;
};

// The traces of a plot with far more segments than pixel columns, without computing every
// segment. Every displayed period repeats the same samples, so for each trace a column needs
// only the segment that enters it from the left, unchanged, and a path from its first sample
// through its lowest and highest samples to its last one: the whole period's when it covers a
// period or more, else those of the samples it covers, read from `extremes`, the
// range-extremes index of m's period (one pass over the N samples of each trace to build).
// Given the index, the cost is per column a binary search for its samples and a query of at
// most a few hundred samples: about O(width × log(NP × N)), whatever NP × N is.
// The result is meant for a ReducingSink of the same columns, which then draws, for every
// trace and column, the same vertical extent as the full drawing would. Leaves Iter and Idx as
// the full drawing does. When a mapping faults it draws nothing and returns false: the caller
// then draws the full stream, so that the fault is met where it would be. Needs NP >= 1 and
// N >= 2.
bool DrawColumnTraces(Module1& m, const TraceExtremes& extremes, LineSink& sink,
                      const PixelColumns& columns);

// The bands fitted to the samples that a view shows: for each trace its lowest and highest
// sample among them (of the whole period when the view falls between two samples). m is the
// run that `extremes` indexes, with NP >= 1 and N >= 1.
FittedBands FitBands(const Module1& m, const TraceExtremes& extremes, const WaveformView& view);

// The traces of a run as a view shows them, in screen coordinates, in the bands as drawn by
// default or, given fitted bands, in those. With no more samples shown than pixel columns,
// every segment between them, and the two that run into the view from the sample before it and
// out of it to the sample after, each cut at the box's edge: every sample shown is a vertex.
// With more, the column drawing above through a ReducingSink of `columns`, over the samples
// shown: every column keeps the vertical extent of the samples in it. Draws nothing without a
// segment to draw (NP < 1 or N < 2), or when a mapping would fault: a run that drew its traces
// only faults in a fitted band whose limits lie too far apart for the double range. m is the
// run that `extremes` indexes; it is only read.
void DrawViewTraces(const Module1& m, const TraceExtremes& extremes, const WaveformView& view,
                    const std::optional<FittedBands>& fit, LineSink& sink,
                    const PixelColumns& columns);

// Redraws the plot of a run that drew its traces, onto a surface cleared to its background:
// the frame as the run drew it, then the traces. In the whole view with the bands as drawn by
// default, the traces exactly as the run drew them, through ScreenWaveformDrawing; in any other,
// through DrawViewTraces. The frame keeps its screen coordinates: in a zoomed view its bottom
// ticks mark quarters of the view and its zero lines stand where the bands are drawn. The
// shared loop counters that the drawing steps are put back.
void DrawPlotView(Module1& m, const TraceExtremes& extremes, const WaveformView& view,
                  const std::optional<FittedBands>& fit, PlotSurface& surface);
