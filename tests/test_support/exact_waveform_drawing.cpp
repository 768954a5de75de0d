#include "test_support/exact_waveform_drawing.h"

#include "display/exact_drawing.h"

void ExactWaveformDrawing::showAndDrawFrame(Module1& m) {
    DrawPlotFrame(m, sink_);
}

void ExactWaveformDrawing::drawTraces(Module1& m) {
    DrawTraceSegments(m, sink_);
}
