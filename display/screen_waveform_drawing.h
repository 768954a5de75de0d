#pragma once

#include "core/window_operations.h"
#include "display/plot_surface.h"

// The drawing half of a verification for the screen. The frame is drawn exactly. The traces
// are drawn exactly when they have no more segments than the plot box has pixel columns.
// Denser traces are drawn column by column through a ReducingSink (see DrawColumnTraces): one
// pass over the N samples of a period, then a bounded amount of work per pixel column, so
// that the cost is about O(N + width × log(NP × N)) rather than NP × N, with the same
// vertical extent in every pixel column as the exact drawing. Either way Iter and Idx end as
// the exact drawing leaves them.
class ScreenWaveformDrawing : public WaveformDrawing {
public:
    explicit ScreenWaveformDrawing(PlotSurface& surface) : surface_(surface) {}
    void showAndDrawFrame(Module1& m) override;
    void drawTraces(Module1& m) override;

private:
    PlotSurface& surface_;
};
