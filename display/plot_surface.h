#pragma once

#include "display/pixel_columns.h"
#include "display/plot_line.h"

// The waveform window's plot box as the screen drawing path sees it.
class PlotSurface : public LineSink {
public:
    // Loads Form2 if needed and shows it, modeless and without owner.
    virtual void showWindow() = 0;
    // The device-pixel columns onto which the box draws plot x: they bound how many trace
    // segments are worth drawing.
    virtual PixelColumns columns() const = 0;
};
