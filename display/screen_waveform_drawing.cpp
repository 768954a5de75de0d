#include "display/screen_waveform_drawing.h"

#include "core/handler_support.h"
#include "display/column_traces.h"
#include "display/plot_frame.h"
#include "display/reducing_sink.h"
#include "display/trace_segments.h"

#include <cstdint>

namespace {

// The segments of each trace in the exact drawing, for N >= 2.
std::int64_t SegmentsPerTrace(const Module1& m) {
    if (m.NP < 1) {
        return 0;
    }
    return std::int64_t{m.NP} * (m.N - 1);
}

} // namespace

void ScreenWaveformDrawing::showAndDrawFrame(Module1& m) {
    surface_.showWindow();
    DrawPlotFrame(m, surface_);
}

void ScreenWaveformDrawing::drawTraces(Module1& m) {
    if (m.NP >= 1 && m.N < 2) {
        EndTraceLoops(m); // periods without a segment, however many
        return;
    }
    const PixelColumns columns = surface_.columns();
    if (SegmentsPerTrace(m) <= columns.width()) {
        DrawTraceSegments(m, surface_);
        return;
    }
    ReducingSink reduced(surface_, columns);
    try {
        if (!DrawColumnTraces(m, reduced, columns)) {
            DrawTraceSegments(m, reduced);
        }
    } catch (const RuntimeError&) {
        reduced.flush(); // what was drawn before the fault stays drawn
        throw;
    }
    reduced.flush();
}
