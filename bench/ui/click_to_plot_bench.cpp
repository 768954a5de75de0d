#include "offscreen_application.h"
#include "test_support/recorders.h"
#include "ui/converter_app.h"
#include "ui/plot_box.h"
#include "ui/waveform_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

// The worked example designed, then the "Grafici" click until the waveform window has
// repainted its complete plot: validation, simulation, measurement and drawing.
void BM_ClickToPlot(benchmark::State& state) {
    EnsureOffscreenApplication();
    SilentMessages messages;
    Module1 variables;
    DialogSaveFileChooser files;
    ConverterApp app(variables, messages, files, u'.');
    app.form1().command3().click();
    app.form1().command1().click();
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
    SilentMessages messages;
    Module1 variables;
    DialogSaveFileChooser files;
    ConverterApp app(variables, messages, files, u'.');
    app.form1().command3().click();
    app.form1().command1().click();
    app.form1().setText(TextBox::Text13, u"10000000");
    app.form1().setText(TextBox::Text15, u"1");
    StallWatch watch;
    for (auto _ : state) {
        watch.start();
        app.form1().command2().click();
        watch.stop();
    }
    state.counters["longest_stall_ms"] = watch.longestMilliseconds();
}
BENCHMARK(BM_LongestStallAtMostSamples)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
