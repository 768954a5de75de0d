#pragma once

#include "core/conversions.h"
#include "display/plot_geometry.h"

#include <bit>
#include <cstddef>
#include <cstdint>
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
class ReducingSink final : public LineSink {
public:
    ReducingSink(LineSink& out, const PixelColumns& columns) : out_(out), columns_(columns) {}

    void drawLine(const PlotLine& line) override {
        // The traces take turns, one segment each, and nearly every segment continues its
        // trace's path inside the same column: that case is settled here, without a call.
        const std::size_t next = latest_ + 1 < traceCount_ ? latest_ + 1 : 0;
        if (next < traceCount_) {
            Trace& trace = traces_[next];
            if (trace.colour == line.colour && trace.collecting &&
                trace.last.at(line.x1, line.y1) && line.x2 < trace.columnEnd) {
                latest_ = next;
                add(trace, line.x2, line.y2);
                return;
            }
        }
        follow(line);
    }

    // Draws what the columns still being collected hold; call it when the stream has ended.
    void flush();

private:
    struct Point {
        float x = 0;
        float y = 0;
        // Bit for bit: consecutive segments of a trace share their end points exactly.
        bool at(float otherX, float otherY) const {
            return std::bit_cast<std::uint32_t>(x) == std::bit_cast<std::uint32_t>(otherX) &&
                   std::bit_cast<std::uint32_t>(y) == std::bit_cast<std::uint32_t>(otherY);
        }
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
    static void add(Trace& trace, float x, float y) {
        const Point point{x, y};
        if (y < trace.lowest.y) {
            trace.lowest = point;
        }
        if (y > trace.highest.y) {
            trace.highest = point;
        }
        trace.last = point;
    }
    void close(Trace& trace);
    void drawStep(const Trace& trace, const Point& from, const Point& to);
    float endOf(int column);

    LineSink& out_;
    PixelColumns columns_;
    // The end of the column the traces last entered: they take turns in each column, so its
    // search is made once rather than once per trace.
    int endColumn_ = -1;
    float columnEnd_ = 0;
    std::vector<Trace> traces_;
    std::size_t latest_ = 0; // the trace of the latest segment
    std::size_t traceCount_ = 0;
};
