#include "core/module1.h"
#include "core/simulation.h"
#include "test_support/example_converter.h"
#include "test_support/recorders.h"

#include <benchmark/benchmark.h>

namespace {

class NoDrawing : public WaveformDrawing {
public:
    void showAndDrawFrame(Module1&) override {}
    void drawTraces(Module1&) override {}
};

// The whole computing half of a run: simulation with its early finish, conduction check,
// finders and summary values.
void SimulateEndToEnd(benchmark::State& state, std::int32_t periods) {
    Module1 m = ExampleConverter();
    m.NI = periods;
    NoDrawing drawing;
    SilentMessages messages;
    for (auto _ : state) {
        SimulateAndPlot(m, drawing, messages, nullptr);
        benchmark::DoNotOptimize(m.IimSim);
    }
}

void BM_SimulateExample(benchmark::State& state) {
    SimulateEndToEnd(state, 5000);
}

void BM_SimulateLongRun(benchmark::State& state) {
    SimulateEndToEnd(state, 10000000);
}

// Every period computed, no early finish: the speed of the recurrence itself, per step.
void BM_SimulateStraightLine(benchmark::State& state) {
    Module1 m = ExampleConverter();
    for (auto _ : state) {
        SimulatePeriods(m, nullptr, CycleShortcut::Off);
        benchmark::DoNotOptimize(m.iL_t.data());
    }
    const double steps = static_cast<double>(m.N) * static_cast<double>(m.NI);
    state.counters["time_per_step"] = benchmark::Counter(
        steps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_SimulateExample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimulateLongRun)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimulateStraightLine)->Unit(benchmark::kMillisecond);
