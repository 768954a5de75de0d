#include "display/reducing_sink.h"

#include "display/plot_geometry.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

void ReducingSink::follow(const PlotLine& line) {
    Trace& trace = traceOf(line.colour);
    if (!trace.collecting || !trace.last.at(line.x1, line.y1)) {
        resume(trace, line.x1, line.y1);
    }
    if (line.x2 < trace.columnEnd) {
        add(trace, line.x2, line.y2);
        return;
    }
    close(trace);
    out_.drawLine(line);
    start(trace, columns_.of(line.x2), line.x2, line.y2);
}

void ReducingSink::flush() {
    for (Trace& trace : traces_) {
        close(trace);
    }
}

// The trace of a colour, added at its first segment.
ReducingSink::Trace& ReducingSink::traceOf(const std::optional<Color>& colour) {
    const auto found = std::find_if(traces_.begin(), traces_.end(),
                                    [&](const Trace& trace) { return trace.colour == colour; });
    if (found == traces_.end()) {
        traces_.emplace_back().colour = colour;
        traceCount_ = traces_.size();
        latest_ = traces_.size() - 1;
    } else {
        latest_ = static_cast<std::size_t>(found - traces_.begin());
    }
    return traces_[latest_];
}

// A segment that does not continue the trace's path: after a gap inside the column it is
// joined to the path, elsewhere it starts a new column.
void ReducingSink::resume(Trace& trace, float x, float y) {
    const int column = columns_.of(x);
    if (trace.collecting && column == trace.column) {
        add(trace, x, y);
        return;
    }
    close(trace);
    start(trace, column, x, y);
}

void ReducingSink::start(Trace& trace, int column, float x, float y) {
    const Point point{x, y};
    trace.collecting = true;
    trace.column = column;
    trace.columnEnd = endOf(column);
    trace.first = point;
    trace.lowest = point;
    trace.highest = point;
    trace.last = point;
}

float ReducingSink::endOf(int column) {
    if (column != endColumn_) {
        endColumn_ = column;
        columnEnd_ = columns_.endOf(column);
    }
    return columnEnd_;
}

void ReducingSink::close(Trace& trace) {
    if (!trace.collecting) {
        return;
    }
    trace.collecting = false;
    const bool lowestFirst = trace.lowest.x < trace.highest.x;
    const std::array<Point, 4> path{trace.first, lowestFirst ? trace.lowest : trace.highest,
                                    lowestFirst ? trace.highest : trace.lowest, trace.last};
    for (std::size_t i = 1; i < path.size(); ++i) {
        drawStep(trace, path[i - 1], path[i]);
    }
}

void ReducingSink::drawStep(const Trace& trace, const Point& from, const Point& to) {
    if (!from.at(to.x, to.y)) {
        out_.drawLine({from.x, from.y, to.x, to.y, trace.colour});
    }
}
