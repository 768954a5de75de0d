#pragma once

#include <cmath>

// One axis of a plot box: plot coordinates 0 to 100 laid over `pixels` logical pixels, 0 on
// the centre of the first pixel and 100 on the centre of the last, so that the edge ticks are
// visible. The box has `ratio` device pixels per logical pixel. Positions count in pixels from
// the box's edge: pixel i spans positions i to i + 1. The drawing, the pixel columns of the
// reduced drawing and the pointer readout all go through this one map.
struct PlotAxis {
    double pixels = 1;
    double ratio = 1;

    // Logical pixels per plot unit.
    double perUnit() const { return (pixels - 1) / 100; }

    // The logical position at which plot coordinate v is drawn.
    double logicalAt(double v) const { return 0.5 + v * perUnit(); }

    // The same position in device pixels, as the painter scales the logical one.
    double deviceAt(double v) const { return logicalAt(v) * ratio; }

    // The plot coordinate drawn at a device position.
    double valueAtDevice(double device) const { return (device / ratio - 0.5) / perUnit(); }

    // The plot coordinate read by the pointer at a logical position: what is drawn at the centre
    // of the logical pixel the pointer stands on, so that a reading is the same at any ratio.
    double valueAtPointer(double pointer) const { return std::floor(pointer) / perUnit(); }
};
