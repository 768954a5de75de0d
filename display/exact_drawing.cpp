#include "display/exact_drawing.h"

#include "core/module1.h"
#include "display/trace_geometry.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace {

// SampleOffsetX of samples 1..N (index 0 unused), the same in every displayed period.
std::vector<double> SampleOffsets(const Module1& m) {
    const double periodWidth = 100 / static_cast<double>(m.NP);
    std::vector<double> offsets(static_cast<std::size_t>(std::max(m.N, 0)) + 1);
    for (std::int32_t k = 1; k <= m.N; ++k) {
        offsets[static_cast<std::size_t>(k)] = SampleOffsetX(periodWidth, k, m.N);
    }
    return offsets;
}

template <typename Sink>
void DrawPeriod(Module1& m, const std::vector<double>& offsets, const PeriodPositions& positions,
                Sink& sink) {
    // The sample loop's end, N - 1, is taken at the start of each period.
    const std::int32_t n = m.N;
    const double start = PeriodStartX(100 / static_cast<double>(m.NP), m.Iter);
    const std::array<TraceBand, 4>& bands = TraceBands();
    for (m.Idx = 1; m.Idx < n; ++m.Idx) {
        const auto xa = static_cast<float>(start + offsets[static_cast<std::size_t>(m.Idx)]);
        const auto xb = static_cast<float>(offsets[static_cast<std::size_t>(m.Idx) + 1] + start);
        for (std::size_t trace = 0; trace < bands.size(); ++trace) {
            sink.drawLine({xa, positions.y(trace, m.Idx), xb, positions.y(trace, m.Idx + 1),
                           bands[trace].colour});
        }
    }
}

template <typename Sink> void DrawAllPeriods(Module1& m, Sink& sink) {
    const std::int32_t np = m.NP;
    m.Iter = 1;
    if (np < 1) {
        return; // no displayed period: 100 / NP is never evaluated
    }
    const PeriodPositions positions(m);
    const std::vector<double> offsets = SampleOffsets(m);
    for (; m.Iter <= np; m.Iter = NextCount(m.Iter)) {
        DrawPeriod(m, offsets, positions, sink);
    }
}

} // namespace

void DrawPlotFrame(Module1& m, LineSink& sink) {
    for (m.Idx = 20; m.Idx >= 1; --m.Idx) {
        const auto y = static_cast<float>(5.0 * m.Idx);
        sink.drawLine({0, y, 0.2f, y, std::nullopt});
    }
    for (m.Idx = 0; m.Idx <= 4; ++m.Idx) {
        const auto x = static_cast<float>(25.0 * m.Idx);
        sink.drawLine({x, 0, x, 0.5f, std::nullopt});
    }
    for (const TraceBand& band : TraceBands()) {
        const auto y = static_cast<float>(band.zeroLine);
        sink.drawLine({0, y, 100, y, band.colour});
    }
}

void DrawTraceSegments(Module1& m, LineSink& sink) {
    DrawAllPeriods(m, sink);
}

void DrawTraceSegments(Module1& m, ReducingSink& sink) {
    DrawAllPeriods(m, sink);
}

void EndTraceLoops(Module1& m) {
    m.Iter = m.NP;
    m.Idx = m.N < 2 ? 1 : m.N;
    m.Iter = NextCount(m.Iter);
}
