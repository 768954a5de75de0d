#pragma once

#include "core/waveform_window_operations.h"
#include "display/plot_surface.h"

// The drawing half of a verification for the screen: the exact frame, then the traces reduced
// to a few segments per pixel column of the surface, keeping every peak.
class ScreenWaveformDrawing : public WaveformDrawing {
public:
    explicit ScreenWaveformDrawing(PlotSurface& surface) : surface_(surface) {}
    void showAndDrawFrame(Module1& m) override;
    void drawTraces(Module1& m) override;

private:
    PlotSurface& surface_;
};
