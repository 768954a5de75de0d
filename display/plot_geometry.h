#pragma once

#include "core/conversions.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

// What every drawing path shares of the plot: how plot coordinates lie over the pixels of a
// plot box, and the segments drawn in them.

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

// The device-pixel columns of a plot box whose horizontal axis is `axis`: the column of x is
// the one that holds x's device position, kept inside the box. A box too narrow to spread
// 0 .. 100 over two pixels is one column.
class PixelColumns {
public:
    explicit PixelColumns(const PlotAxis& axis);

    int width() const { return width_; }

    int of(float x) const {
        // Kept inside the box first, so that truncating is flooring.
        const double column = std::clamp(axis_.deviceAt(x), 0.0, width_ - 1.0);
        return static_cast<int>(column);
    }

    // The smallest x that lies right of `column` (infinity right of the last column): for x
    // increasing from inside the column, x < endOf(column) is the test for staying in it.
    float endOf(int column) const;

private:
    PlotAxis axis_;
    int width_;
};

// One straight segment in plot coordinates: x 0 (left) .. 100 (right), y 0 (bottom) .. 100 (top).
struct PlotLine {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    std::optional<Color> colour; // none: the plot box's foreground colour
    friend bool operator==(const PlotLine&, const PlotLine&) = default;
};

// Receives segments one at a time, in drawing order.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void drawLine(const PlotLine& line) = 0;
};

class TraceExtremes;

// The waveform window's plot box as the screen drawing path sees it.
class PlotSurface : public LineSink {
public:
    // Loads Form2 if needed and shows it, modeless and without owner.
    virtual void showWindow() = 0;
    // The device-pixel columns onto which the box draws plot x: they bound how many trace
    // segments are worth drawing.
    virtual PixelColumns columns() const = 0;
    // Offered, once the traces of a run are drawn column by column, the index of the run's
    // samples that the drawing made: a surface that draws other views of the run may keep it
    // instead of making it again. It indexes the run's arrays, and is good only until a new
    // run makes them anew.
    virtual void keepTraceExtremes(std::shared_ptr<const TraceExtremes> /*extremes*/) {}
};
