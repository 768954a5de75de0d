#include "core/handler_support.h"
#include "core/module1.h"
#include "core/simulation.h"
#include "display/exact_drawing.h"
#include "display/reducing_sink.h"
#include "display/screen_waveform_drawing.h"
#include "test_support/exact_waveform_drawing.h"
#include "test_support/example_converter.h"
#include "test_support/recorders.h"

#include <benchmark/benchmark.h>

#include <cmath>
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

// The most samples the field check accepts, shown over three periods, shaped like a settled
// run without simulating it: the inductor current rising while the switch is on and falling
// through the diode after, a rippled negative output. A run of this size takes seconds to
// simulate, the drawing only what it reads.
const Module1& MostSamplesRun() {
    static const Module1 run = [] {
        constexpr std::int32_t n = 10000000;
        Module1 m = ExampleConverter();
        m.N = n;
        m.NP = 3;
        for (auto* samples : {&m.iL_t, &m.iC_t, &m.Vo_t, &m.id_t}) {
            samples->assign(static_cast<std::size_t>(n) + 2, 0);
        }
        for (std::int32_t k = 1; k <= n; ++k) {
            const double phase = static_cast<double>(k) / n;
            const bool on = phase <= 0.625;
            m.iL_t[k] = on ? 1.6 + 3.4 * phase : 3.7 - 5.6 * (phase - 0.625);
            m.id_t[k] = on ? 0 : m.iL_t[k];
            m.iC_t[k] = on ? -1.0 : m.iL_t[k] - 1.0;
            m.Vo_t[k] = -25 + 0.03 * std::sin(6.283 * phase);
        }
        m.iLMax = 3.725;
        m.iCMax = 2.725;
        m.VoMax = 25.03;
        return m;
    }();
    return run;
}

// The plot box of the waveform window is 997 pixels wide.
constexpr PlotAxis kPlotWidth{997};

class PlotWideSurface : public CountingSurface {
public:
    PixelColumns columns() const override { return PixelColumns(kPlotWidth); }
};

// The index of where the traces are lowest and highest, made once per run before the first
// view other than the whole one is drawn.
void BM_TraceExtremesAtMostSamples(benchmark::State& state) {
    const Module1& m = MostSamplesRun();
    for (auto _ : state) {
        benchmark::DoNotOptimize(TraceExtremes(m));
    }
}

// One zoom step at N = 10,000,000 and NP = 3: the view narrowed by a wheel notch around the
// pointer and the plot drawn for it, frame and traces, with the bands fitted to the samples
// shown or as drawn by default. The steps go in from the whole view down to the narrowest one
// and start over from the first step in.
void BM_ZoomStepAtMostSamples(benchmark::State& state) {
    const bool fitted = state.range(0) != 0;
    Module1 m = MostSamplesRun();
    const TraceExtremes extremes(m);
    const double smallest = SmallestViewSpan(m.NP, m.N);
    PlotWideSurface surface;
    WaveformView view;
    for (auto _ : state) {
        surface.segments = 0;
        const bool restart = view.whole() || view.span() <= smallest;
        view = (restart ? WaveformView{} : view).zoomed(1.25, 37.5, smallest);
        const std::optional<FittedBands> fit =
            fitted ? std::optional(FitBands(m, extremes, view)) : std::nullopt;
        DrawPlotView(m, extremes, view, fit, surface);
    }
    Report(state, surface);
}

// Back to the whole view at N = 10,000,000 and NP = 3: the run's own drawing of the plot.
void BM_WholeViewAtMostSamples(benchmark::State& state) {
    Module1 m = MostSamplesRun();
    const TraceExtremes extremes(m);
    PlotWideSurface surface;
    for (auto _ : state) {
        surface.segments = 0;
        DrawPlotView(m, extremes, WaveformView{}, std::nullopt, surface);
    }
    Report(state, surface);
}

} // namespace

BENCHMARK(BM_TraceSegments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReducedTraces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScreenTracesHugeNP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScreenTracesHugeN)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TraceExtremesAtMostSamples)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomStepAtMostSamples)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);
BENCHMARK(BM_WholeViewAtMostSamples)->Unit(benchmark::kMillisecond);
