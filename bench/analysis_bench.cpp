#include "core/analysis.h"
#include "core/loss_estimates.h"
#include "core/module1.h"
#include "core/simulation.h"
#include "test_support/example_converter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <limits>

namespace {

constexpr std::int32_t LargestPeriods = std::numeric_limits<std::int32_t>::max();

// The whole analysis of a run with ten million samples per period: one pass over the four
// arrays, the closed forms and the exact solution at NI and in steady state.
void BM_AnalyseTenMillionSamples(benchmark::State& state) {
    Module1 m = ExampleConverter();
    m.N = 10000000;
    m.NI = 1;
    SimulatePeriods(m, nullptr, CycleShortcut::On);
    m.NI = 5000;
    for (auto _ : state) {
        const ConverterAnalysis analysis = AnalyseLastRun(m);
        benchmark::DoNotOptimize(analysis.accuracy.DeltaiL);
    }
}

// Continuous conduction: the fixed point of the affine period map and the state after the
// largest NI, by powers of that map once the start-up can no longer block.
void BM_ExactContinuousLargestNI(benchmark::State& state) {
    const ConverterCircuit circuit = CircuitOf(ExampleConverter());
    for (auto _ : state) {
        const ExactConverter exact(circuit);
        benchmark::DoNotOptimize(exact.steadyStart());
        benchmark::DoNotOptimize(exact.stateAfter(LargestPeriods));
    }
}

// Discontinuous conduction (L = 100 uH): the piecewise period map iterated to its fixed
// point, for the steady state and again from the discharged start for the largest NI.
void BM_ExactDiscontinuousLargestNI(benchmark::State& state) {
    ConverterCircuit circuit = CircuitOf(ExampleConverter());
    circuit.L = 0.0001;
    for (auto _ : state) {
        const ExactConverter exact(circuit);
        benchmark::DoNotOptimize(exact.steadyStart());
        benchmark::DoNotOptimize(exact.stateAfter(LargestPeriods));
    }
}

// The steady state of the worked example with real parts and its power books, in continuous
// (L = 400 uH) and discontinuous (L = 100 uH) conduction.
void BM_LossySteadyState(benchmark::State& state) {
    ConverterCircuit circuit = CircuitOf(ExampleConverter());
    circuit.L = static_cast<double>(state.range(0)) * 1e-6;
    const RealParts parts = TypicalParts();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolveLossySteadyState(circuit, parts).efficiency);
    }
}

// Fifty loads from 10 % to 150 %, each its own steady state.
void BM_EfficiencyCurve(benchmark::State& state) {
    const ConverterCircuit circuit = CircuitOf(ExampleConverter());
    const RealParts parts = TypicalParts();
    for (auto _ : state) {
        benchmark::DoNotOptimize(EfficiencyCurve(circuit, parts, 10, 150, 50).back().efficiency);
    }
}

} // namespace

BENCHMARK(BM_AnalyseTenMillionSamples)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExactContinuousLargestNI)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExactDiscontinuousLargestNI)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LossySteadyState)->Arg(400)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EfficiencyCurve)->Unit(benchmark::kMillisecond);
