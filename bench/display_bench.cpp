#include "core/handler_support.h"
#include "core/module1.h"
#include "core/simulation.h"
#include "display/exact_drawing.h"
#include "display/screen_waveform_drawing.h"
#include "test_support/exact_waveform_drawing.h"
#include "test_support/example_converter.h"
#include "test_support/recorders.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// A plot box 1000 pixels wide that only counts the segments drawn on it.
class CountingSurface : public PlotSurface {
public:
    void drawLine(const PlotLine&) override { ++segments; }
    void showWindow() override {}
    PixelColumns columns() const override { return PixelColumns(PlotAxis{1000}); }

    std::int64_t segments = 0;
};

// The reference converter (15 V, 62.5 %, 11 kHz, 400 uH, 60 uF, 25 ohm) simulated with `samples`
// per period for at most `periodsSimulated` periods.
Module1 SimulatedExample(std::int32_t samples, std::int32_t periodsSimulated) {
    Module1 m = ExampleConverter();
    m.NI = periodsSimulated;
    m.N = samples;
    m.NP = 1;
    CountingSurface surface;
    ExactWaveformDrawing drawing(surface);
    SilentMessages messages;
    SimulateAndPlot(m, drawing, messages, nullptr);
    return m;
}

// The reference converter's last simulated period (N 1000, NI 5000), shown over `periods`
// displayed periods.
Module1 ExampleRun(std::int32_t periods) {
    static const Module1 simulated = SimulatedExample(1000, 5000);
    Module1 m = simulated;
    m.NP = periods;
    return m;
}

// The example at a million samples per period, shown over `periods` displayed periods. Only
// 60 periods are simulated (about three time constants of the output, close to settled), to
// keep the set-up under a second.
Module1 FineExampleRun(std::int32_t periods) {
    static const Module1 simulated = SimulatedExample(1000000, 60);
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
        ReducingSink reduced(surface, surface.columns());
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

// 500 displayed periods of a million samples each on a 1000-pixel-wide plot, as the screen
// draws them: every pixel column lies inside a period and covers 500,000 samples.
void BM_ScreenTracesHugeN(benchmark::State& state) {
    Module1 m = FineExampleRun(500);
    if (!(m.iLMax > 0)) {
        state.SkipWithError("the simulation drew no traces");
        return;
    }
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
BENCHMARK(BM_ScreenTracesHugeN)->Unit(benchmark::kMillisecond);
