#pragma once

#include "core/module1.h"
#include "display/plot_geometry.h"
#include "display/reducing_sink.h"

#include <cstdint>

// The exact drawing of the plot: the frame and every segment of the traces, in drawing order,
// with the shared loop counters left as the drawing loops leave them.

// The plot frame: 20 ticks on the left edge (y = 100 down to 5), 5 ticks on the bottom edge
// (x = 0 to 100), then the zero lines of the four trace bands across the whole width, in their
// colours. Both tick loops count with the shared counter Idx, which ends at 5.
void DrawPlotFrame(Module1& m, LineSink& sink);

// The four traces of the last simulated period, repeated over NP displayed periods, every
// segment in drawing order: for Iter = 1..NP and Idx = 1..N-1, the segments from sample Idx
// to Idx + 1 of iL, iC, Vo and id, each streamed to the sink as soon as it is computed.
// Leaves Iter at NP + 1 and Idx at N (NP >= 1, N >= 2). A mapping fault is a RuntimeError
// raised at the segment that meets it; the segments drawn before it stay drawn.
void DrawTraceSegments(Module1& m, LineSink& sink);

// The same stream straight into a reducing sink, whose per-segment work is then done in the
// sample loop itself rather than through a call per segment.
void DrawTraceSegments(Module1& m, ReducingSink& sink);

// Keeps the shared loop counters Idx and Iter while it lives and puts them back when it ends:
// for a drawing that only shows a run again, stepping them as the run's drawing does.
class LoopCountersKept {
public:
    explicit LoopCountersKept(Module1& m) : m_(m), idx_(m.Idx), iter_(m.Iter) {}
    ~LoopCountersKept() {
        m_.Idx = idx_;
        m_.Iter = iter_;
    }
    LoopCountersKept(const LoopCountersKept&) = delete;
    LoopCountersKept& operator=(const LoopCountersKept&) = delete;

private:
    Module1& m_;
    std::int32_t idx_;
    std::int32_t iter_;
};

// Leaves Iter and Idx where the trace loops of NP >= 1 displayed periods end, for a drawing
// that does not run them: Iter at NP + 1 (stepping past the largest int32 is an overflow), Idx
// at N, or at 1 when N < 2.
void EndTraceLoops(Module1& m);
