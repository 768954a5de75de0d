#include "cli/headless_run.h"
#include "cli/report.h"

#include <benchmark/benchmark.h>

namespace {

// One verification of a small design (the worked example with 100 samples and 100 periods)
// with its report: the core's own time of a verify call of the Python module, which
// bench/python_overhead.py holds the module's calls against.
void BM_VerifySmallDesign(benchmark::State& state) {
    const FieldTexts fields{
        {TextBox::Text7, u"15"},   {TextBox::Text8, u"62.5"}, {TextBox::Text12, u"11"},
        {TextBox::Text9, u"400"},  {TextBox::Text10, u"60"},  {TextBox::Text11, u"25"},
        {TextBox::Text13, u"100"}, {TextBox::Text14, u"10"},  {TextBox::Text15, u"100"}};
    for (auto _ : state) {
        const Report report = VerificationReport(RunVerificationHeadless(fields));
        benchmark::DoNotOptimize(report.size());
    }
}

BENCHMARK(BM_VerifySmallDesign)->Unit(benchmark::kMicrosecond)->Repetitions(5);

} // namespace
