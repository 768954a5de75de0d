#include "bench/example_converter.h"
#include "core/message_box.h"
#include "core/module1.h"
#include "core/simulation.h"
#include "display/exact_waveform_drawing.h"
#include "display/reducing_sink.h"
#include "display/screen_waveform_drawing.h"
#include "display/trace_segments.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// A plot box 1000 pixels wide that only counts the segments drawn on it.
class CountingSurface : public PlotSurface {
public:
    void drawLine(const PlotLine&) override { ++segments; }
    void showWindow() override {}
    int widthInPixels() const override { return 1000; }

    std::int64_t segments = 0;
};

// The worked example's last simulated period (15 V, 62.5 %, 11 kHz, 400 uH, 60 uF, 25 ohm,
// N 1000, NI 5000), shown over `periods` displayed periods.
Module1 ExampleRun(std::int32_t periods) {
    static const Module1 simulated = [] {
        Module1 m = ExampleConverter(5000);
        m.NP = 1;
        CountingSurface surface;
        ExactWaveformDrawing drawing(surface);
        NoMessages messages;
        SimulateAndPlot(m, drawing, messages, nullptr);
        return m;
    }();
    Module1 m = simulated;
    m.NP = periods;
    return m;
}

void Report(benchmark::State& state, const CountingSurface& surface) {
    state.counters["segments"] = static_cast<double>(surface.segments);
}

// The full trace stream of the example, segment by segment (39,960 segments).
void BM_TraceSegments(benchmark::State& state) {
    Module1 m = ExampleRun(10);
    CountingSurface surface;
    for (auto _ : state) {
        surface.segments = 0;
        DrawTraceSegments(m, surface);
    }
    Report(state, surface);
}

// A million segments per trace reduced for a 1000-pixel-wide plot.
void BM_ReducedTraces(benchmark::State& state) {
    Module1 m = ExampleRun(1000);
    CountingSurface surface;
    for (auto _ : state) {
        surface.segments = 0;
        ReducingSink reduced(surface, PixelColumns(surface.widthInPixels()));
        DrawTraceSegments(m, reduced);
        reduced.flush();
    }
    Report(state, surface);
}

// A billion displayed periods on a 1000-pixel-wide plot, as the screen draws them.
void BM_ScreenTracesHugeNP(benchmark::State& state) {
    Module1 m = ExampleRun(1000000000);
    CountingSurface surface;
    for (auto _ : state) {
        surface.segments = 0;
        ScreenWaveformDrawing(surface).drawTraces(m);
    }
    Report(state, surface);
}

} // namespace

BENCHMARK(BM_TraceSegments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReducedTraces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScreenTracesHugeNP)->Unit(benchmark::kMillisecond);
