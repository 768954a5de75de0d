#include "display/plot_frame.h"

#include "display/trace_band.h"

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
