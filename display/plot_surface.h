#pragma once

#include "display/plot_line.h"

// The waveform window's plot box as the screen drawing path sees it.
class PlotSurface : public LineSink {
public:
    // Loads Form2 if needed and shows it, modeless and without owner.
    virtual void showWindow() = 0;
    // Width of the plot box in device pixels: bounds how many trace segments are worth drawing.
    virtual int widthInPixels() const = 0;
};
