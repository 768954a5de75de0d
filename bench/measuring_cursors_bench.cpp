#include "core/measurements.h"
#include "core/module1.h"
#include "core/simulation.h"
#include "display/measuring_cursors.h"
#include "test_support/example_converter.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// The reference converter at ten million samples per period, shown over three displayed
// periods. Three periods are simulated: the cursors' cost depends on N and NP, not on how far
// the output has settled.
const Module1& LargeRun() {
    static const Module1 run = [] {
        Module1 m = ExampleConverter();
        m.N = 10000000;
        m.NP = 3;
        m.NI = 3;
        SimulatePeriods(m, nullptr, CycleShortcut::On);
        MeasureLastPeriod(m);
        return m;
    }();
    return run;
}

// The one pass after a run that makes the block sums of the four traces.
void BM_CursorSumsOfARun(benchmark::State& state) {
    const Module1& m = LargeRun();
    for (auto _ : state) {
        const CursorSums sums(m);
        benchmark::DoNotOptimize(&sums);
    }
}

// One move of cursor B by the pointer over the inductor-current band, with A left at a tenth
// of the plot: the placing, both markers and the overlay lines, whose mean and RMS span up to
// two and a half displayed periods of 10^7 samples.
void BM_CursorMove(benchmark::State& state) {
    const Module1& m = LargeRun();
    const CursorSums sums(m);
    const WaveformView view;
    MeasuringCursors cursors = TurnOnCursors({}, view, sums);
    PlaceCursor(cursors, CursorName::A, 10, 90, view, sums);
    float x = 20;
    for (auto _ : state) {
        x = x < 95 ? x + 0.37f : 20;
        PlaceCursor(cursors, CursorName::B, x, 90, view, sums);
        benchmark::DoNotOptimize(MarkerOf(cursors[CursorName::A], m, sums));
        benchmark::DoNotOptimize(MarkerOf(cursors[CursorName::B], m, sums));
        benchmark::DoNotOptimize(CursorOverlayLines(cursors, sums, m.f, u','));
    }
}

} // namespace

BENCHMARK(BM_CursorSumsOfARun)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CursorMove)->Unit(benchmark::kMicrosecond);
