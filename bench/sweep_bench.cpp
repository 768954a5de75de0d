#include "cli/headless_run.h"
#include "cli/report.h"
#include "cli/sweep.h"

#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

namespace {

// A 1,000-point sweep of L from 200 to 2000 uH over the worked example, 1000 samples per
// period and 1000 periods: the sweep on one and on two threads, against the same verifications
// run one after another.

const FieldTexts& ExampleFields() {
    static const FieldTexts fields{{TextBox::Text7, u"15"},  {TextBox::Text8, u"62.5"},
                                   {TextBox::Text12, u"11"}, {TextBox::Text10, u"60"},
                                   {TextBox::Text11, u"25"}, {TextBox::Text13, u"1000"},
                                   {TextBox::Text14, u"10"}, {TextBox::Text15, u"1000"}};
    return fields;
}

SweepPlan InductanceSweep(int jobs) {
    return {&VerificationOptions()[3], nullptr, {}, 200, 2000, 999, false, 0, 1, jobs};
}

// Keeps nothing of what it is given.
class Discard : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

void BM_SweepVerificationsOneByOne(benchmark::State& state) {
    const SweepPlan plan = InductanceSweep(1);
    for (auto _ : state) {
        for (std::int64_t index = 0; index <= plan.steps; ++index) {
            FieldTexts fields = ExampleFields();
            fields[TextBox::Text9] = TextFromUtf8(ShortestText(SweepValue(plan, index)));
            const VerificationRun run = RunVerificationHeadless(fields);
            benchmark::DoNotOptimize(run.m.DeltaiLSim);
        }
    }
}

void BM_Sweep(benchmark::State& state) {
    const SweepPlan plan = InductanceSweep(static_cast<int>(state.range(0)));
    Discard discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        RunSweep(plan, ExampleFields(), SweepFormat::Csv, out);
    }
}

BENCHMARK(BM_SweepVerificationsOneByOne)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();
BENCHMARK(BM_Sweep)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

} // namespace
