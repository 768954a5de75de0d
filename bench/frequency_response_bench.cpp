#include "core/averaged_model.h"
#include "core/bode_curve.h"
#include "core/compensator.h"
#include "core/frequency_response_analysis.h"
#include "test_support/example_converter.h"

#include <benchmark/benchmark.h>

namespace {

// The reference converter with its typical parts: the model solved from the exact steady
// state, a Type III compensator, and the 200-point curves of Gvd, Gvg, Zout and T.
void BM_BodeTwoHundredPointsCompensated(benchmark::State& state) {
    const ConverterCircuit circuit = CircuitOf(ExampleConverter());
    for (auto _ : state) {
        const AveragedModel model = AverageModel(circuit, TypicalParts());
        const LoopDesign design =
            SynthesiseCompensator(model, circuit, {CompensatorType::TypeIII, 700, 50, 10e3, 1});
        const std::vector<BodePoint> curve =
            BodeCurve(model, &design.loopGain, 10, circuit.f / 2, 200);
        benchmark::DoNotOptimize(curve.back().loopDeg);
    }
}

// One FRA frequency of the switching circuit from its exact steady state until settled: the
// slowest, f / 1000 (a window of 1000 periods), and f / 10.
void BM_FraPerFrequency(benchmark::State& state) {
    const ConverterCircuit circuit = CircuitOf(ExampleConverter());
    const FrequencyResponseAnalyser analyser(circuit, TypicalParts());
    const double f = circuit.f / static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(analyser.measure(f));
    }
}
BENCHMARK(BM_BodeTwoHundredPointsCompensated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FraPerFrequency)->Arg(1000)->Arg(100)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
