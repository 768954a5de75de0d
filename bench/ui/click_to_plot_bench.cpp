#include "offscreen_application.h"
#include "test_support/recorders.h"
#include "ui/converter_app.h"
#include "ui/plot_box.h"
#include "ui/waveform_window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

// The worked example designed, then the "Grafici" click until the waveform window has
// repainted its complete plot: validation, simulation, measurement and drawing.
void BM_ClickToPlot(benchmark::State& state) {
    EnsureOffscreenApplication();
    DesignedExample example;
    ConverterApp& app = example.app();
    for (auto _ : state) {
        app.form1().command2().click();
        app.form2().window()->plot().repaint();
    }
}
BENCHMARK(BM_ClickToPlot)->Unit(benchmark::kMillisecond);

// Measures how long the event loop goes without a turn: a zero-interval timer fires on every
// pass, and the longest gap between two firings (or between the start or the end of the
// watch and a firing) is the longest time the windows could not repaint or react.
class StallWatch {
public:
    StallWatch() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { lap(); });
    }

    void start() {
        clock_.start();
        timer_.start();
    }

    void stop() {
        lap();
        timer_.stop();
    }

    double longestMilliseconds() const { return static_cast<double>(longest_) / 1e6; }

private:
    void lap() {
        longest_ = std::max(longest_, clock_.nsecsElapsed());
        clock_.restart();
    }

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

// The longest stall of the event loop during a "Grafici" click on the worked example with the
// most samples the field check accepts, N = 10,000,000, and one period simulated: the arrays
// are made, the period simulated, measured and drawn while the windows stay responsive.
void BM_LongestStallAtMostSamples(benchmark::State& state) {
    EnsureOffscreenApplication();
    DesignedExample example;
    example.typeCounts(u"10000000", u"1");
    ConverterApp& app = example.app();
    StallWatch watch;
    for (auto _ : state) {
        watch.start();
        app.form1().command2().click();
        watch.stop();
    }
    state.counters["longest_stall_ms"] = watch.longestMilliseconds();
}
BENCHMARK(BM_LongestStallAtMostSamples)->Unit(benchmark::kMillisecond)->Iterations(3);

// One move of a measuring cursor in the waveform window at the most samples the field check
// accepts, N = 10,000,000, shown over NP = 3 periods: Shift+Right or Shift+Left on the plot
// moves the active cursor a tenth of the view, the cursors and their readings (mean and RMS
// over up to three periods of 10^7 samples) are made anew and the window repainted. The
// cursors are turned on once beforehand, which makes the run's block sums. The slowest move
// is reported as well as the mean.
void BM_MeasuringCursorMoveAtMostSamples(benchmark::State& state) {
    EnsureOffscreenApplication();
    DesignedExample example;
    example.typeCounts(u"10000000", u"1", u"3");
    ConverterApp& app = example.app();
    app.form1().command2().click();
    WaveformWindow* window = app.form2().window();
    if (!window || !window->action(WaveformAction::Measure).isEnabled()) {
        state.SkipWithError("the run drew no traces");
        return;
    }
    window->action(WaveformAction::Measure).setChecked(true);
    PlotBox& plot = window->plot();
    std::chrono::duration<double, std::milli> slowest{0};
    int moves = 0;
    for (auto _ : state) {
        // Nine tenths of the view one way, then back, so that every move goes somewhere.
        const Qt::Key key = (moves++ / 9) % 2 == 0 ? Qt::Key_Right : Qt::Key_Left;
        const auto start = std::chrono::steady_clock::now();
        QKeyEvent press(QEvent::KeyPress, key, Qt::ShiftModifier);
        QApplication::sendEvent(&plot, &press);
        plot.repaint();
        const std::chrono::duration<double, std::milli> move =
            std::chrono::steady_clock::now() - start;
        slowest = std::max(slowest, move);
    }
    state.counters["slowest_move_ms"] = slowest.count();
}
BENCHMARK(BM_MeasuringCursorMoveAtMostSamples)->Unit(benchmark::kMillisecond);

} // namespace
