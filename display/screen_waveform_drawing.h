#pragma once

#include "core/waveform_window_operations.h"
#include "display/plot_surface.h"

// The drawing half of a verification for the screen. The frame is drawn exactly. The traces
// are drawn exactly when they have no more segments than the plot box has pixel columns;
// denser traces are drawn column by column through a ReducingSink, so that the cost follows
// the box's width and not NP × N, with the same vertical extent in every pixel column as the
// exact drawing. Either way Iter and Idx end as the exact drawing leaves them.
class ScreenWaveformDrawing : public WaveformDrawing {
public:
    explicit ScreenWaveformDrawing(PlotSurface& surface) : surface_(surface) {}
    void showAndDrawFrame(Module1& m) override;
    void drawTraces(Module1& m) override;

private:
    PlotSurface& surface_;
};
