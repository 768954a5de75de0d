#pragma once

#include "display/pixel_columns.h"
#include "display/plot_line.h"

#include <cstddef>
#include <optional>
#include <vector>

// Reduces each trace's segment stream to what a plot box of a given pixel width can show, as
// fast plotting libraries do: the segments of one colour that stay inside one pixel column
// become the path through the column's first, lowest, highest and last points (at most three
// segments), and a segment that crosses into another column is passed on unchanged. For every
// trace and column the drawn vertical extent is that of the full stream, so no peak is lost,
// while the output is bounded by the width. What is kept is the extent, not the ink: the
// path's steps run diagonally inside the column, so the antialiased pixels they cover and
// their shades differ somewhat from those of the full stream's many short segments. Each
// segment runs left to right and the segments of one colour arrive left to right, as the
// traces are drawn; a jump to a point in the same column (the gap between two displayed
// periods) is joined inside the column.
class ReducingSink : public LineSink {
public:
    ReducingSink(LineSink& out, const PixelColumns& columns) : out_(out), columns_(columns) {}

    void drawLine(const PlotLine& line) override;

    // Draws what the columns still being collected hold; call it when the stream has ended.
    void flush();

private:
    struct Point {
        float x = 0;
        float y = 0;
        bool at(float otherX, float otherY) const;
    };
    struct Trace {
        std::optional<Color> colour;
        bool collecting = false;
        int column = 0;
        float columnEnd = 0; // the smallest x right of the column
        Point first;
        Point lowest;
        Point highest;
        Point last;
    };

    Trace& traceOf(const std::optional<Color>& colour);
    void follow(const PlotLine& line);
    void resume(Trace& trace, float x, float y);
    void start(Trace& trace, int column, float x, float y);
    void add(Trace& trace, float x, float y);
    void close(Trace& trace);
    void drawStep(const Trace& trace, const Point& from, const Point& to);

    LineSink& out_;
    PixelColumns columns_;
    std::vector<Trace> traces_;
    std::size_t latest_ = 0; // the trace of the latest segment
};
