#include "offscreen_application.h"
#include "test_support/recorders.h"
#include "ui/converter_app.h"
#include "ui/plot_box.h"
#include "ui/waveform_window.h"

#include <QAction>
#include <QPushButton>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

// One zoom step of the waveform window at the most samples the field check accepts,
// N = 10,000,000, shown over NP = 3 periods: the view narrowed twice around its middle, the
// plot drawn anew into its image at the plot's size and the window repainted. The steps go in
// from the whole view down to the narrowest one, then back to the whole view, which is a step
// too. The worked example is simulated for one period, once. The slowest step is reported as
// well as the mean.
void BM_ZoomStepOfThePlotAtMostSamples(benchmark::State& state) {
    EnsureOffscreenApplication();
    DesignedExample example;
    example.typeCounts(u"10000000", u"1", u"3");
    ConverterApp& app = example.app();
    app.form1().command2().click();
    WaveformWindowHost& host = app.form2();
    if (!host.window() || !host.window()->action(WaveformAction::ZoomIn).isEnabled()) {
        state.SkipWithError("the run drew no traces");
        return;
    }
    const bool fitted = state.range(0) != 0;
    host.plotView().setFitBands(fitted);
    const double smallest = SmallestViewSpan(example.variables().NP, example.variables().N);
    std::chrono::duration<double, std::milli> slowest{0};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (host.plotView().view().span() / 2 < smallest) {
            host.plotView().resetZoom();
        } else {
            host.plotView().zoomIn();
        }
        host.window()->plot().repaint();
        const std::chrono::duration<double, std::milli> step =
            std::chrono::steady_clock::now() - start;
        slowest = std::max(slowest, step);
    }
    state.counters["slowest_step_ms"] = slowest.count();
}
BENCHMARK(BM_ZoomStepOfThePlotAtMostSamples)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);

} // namespace
