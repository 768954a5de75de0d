#include "display/exact_waveform_drawing.h"

#include "display/plot_frame.h"
#include "display/trace_segments.h"

void ExactWaveformDrawing::showAndDrawFrame(Module1& m) {
    DrawPlotFrame(m, sink_);
}

void ExactWaveformDrawing::drawTraces(Module1& m) {
    DrawTraceSegments(m, sink_);
}
