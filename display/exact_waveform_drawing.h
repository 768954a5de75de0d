#pragma once

#include "core/waveform_window_operations.h"
#include "display/plot_line.h"

// The drawing half of a verification as the full segment stream: the frame, then every trace
// segment, in drawing order, into one sink. There is no window to show. For small plots and
// for checking a drawing segment by segment.
class ExactWaveformDrawing : public WaveformDrawing {
public:
    explicit ExactWaveformDrawing(LineSink& sink) : sink_(sink) {}
    void showAndDrawFrame(Module1& m) override;
    void drawTraces(Module1& m) override;

private:
    LineSink& sink_;
};
