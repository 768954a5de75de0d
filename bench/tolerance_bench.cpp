#include "cli/tolerance_report.h"
#include "core/tolerance_analysis.h"
#include "test_support/example_converter.h"

#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

namespace {

// 100,000 Monte Carlo samples of the worked example with its typical parts, every value and
// part toleranced, each sample the exact steady state with the parts: the rows alone on one
// and two threads, and the command line's CSV rows on two.

ToleranceAnalysis HundredThousandSamples() {
    ToleranceProblem problem;
    problem.circuit = CircuitOf(ExampleConverter());
    problem.parts = TypicalParts();
    problem.tolerancePercent = {5, 2, 20, 20, 10, 30, 20, 50, 10, 30};
    problem.samples = 100000;
    problem.limits.rippleIL = 2.5;
    problem.limits.efficiencyPercent = 90;
    return ToleranceAnalysis(problem);
}

// Keeps nothing of what it is given.
class Discard : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

class Unwatched : public SimulationObserver {
public:
    bool keepGoing(double) override { return true; }
};

void BM_MonteCarloRows(benchmark::State& state) {
    const ToleranceAnalysis analysis = HundredThousandSamples();
    Unwatched observer;
    for (auto _ : state) {
        const auto rows = RunToleranceRows(analysis, static_cast<int>(state.range(0)), observer);
        benchmark::DoNotOptimize(rows->back().outcome.DeltaiL);
    }
}

void BM_MonteCarloCsv(benchmark::State& state) {
    const ToleranceAnalysis analysis = HundredThousandSamples();
    Discard discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        WriteToleranceRows(analysis, {analysis.rowCount(), 0, 1, static_cast<int>(state.range(0))},
                           out);
    }
}

BENCHMARK(BM_MonteCarloRows)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();
BENCHMARK(BM_MonteCarloCsv)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
