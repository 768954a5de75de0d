#pragma once

#include "core/module1.h"
#include "display/plot_line.h"

// The plot frame: 20 ticks on the left edge (y = 100 down to 5), 5 ticks on the bottom edge
// (x = 0 to 100), then the zero lines of the four trace bands across the whole width, in their
// colours. Both tick loops count with the shared counter Idx, which ends at 5.
void DrawPlotFrame(Module1& m, LineSink& sink);
