#pragma once

#include "core/handler_support.h"
#include "display/plot_geometry.h"

// The drawing half of a verification as the full segment stream: the frame, then every trace
// segment, in drawing order, into one sink. There is no window to show. The reference that
// the screen drawing is checked and measured against, segment by segment.
class ExactWaveformDrawing : public WaveformDrawing {
public:
    explicit ExactWaveformDrawing(LineSink& sink) : sink_(sink) {}
    void showAndDrawFrame(Module1& m) override;
    void drawTraces(Module1& m) override;

private:
    LineSink& sink_;
};
