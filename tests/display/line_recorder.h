#pragma once

#include "core/module1.h"
#include "display/plot_geometry.h"
#include "test_support/exact_waveform_drawing.h"

#include <cstddef>
#include <ostream>
#include <vector>

// A plot box that keeps every segment drawn on it and how many came before each showWindow.
class LineRecorder : public PlotSurface {
public:
    explicit LineRecorder(const PlotAxis& axis = {1000, 1}) : axis_(axis) {}
    void drawLine(const PlotLine& line) override { lines.push_back(line); }
    void showWindow() override { shownAfter.push_back(lines.size()); }
    PixelColumns columns() const override { return PixelColumns(axis_); }

    std::vector<PlotLine> lines;
    std::vector<std::size_t> shownAfter;

private:
    PlotAxis axis_;
};

inline void PrintTo(const PlotLine& line, std::ostream* out) {
    *out << "(" << line.x1 << ", " << line.y1 << ")-(" << line.x2 << ", " << line.y2 << ")";
}

// Every trace segment of m, as the exact drawing streams them.
inline std::vector<PlotLine> ExactTraces(Module1& m) {
    LineRecorder sink;
    ExactWaveformDrawing(sink).drawTraces(m);
    return sink.lines;
}
