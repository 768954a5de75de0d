#include "offscreen_application.h"
#include "bench/silent_messages.h"
#include "ui/converter_app.h"
#include "ui/plot_box.h"
#include "ui/waveform_window.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

// The worked example designed, then the "Grafici" click until the waveform window has
// repainted its complete plot: validation, simulation, measurement and drawing.
void BM_ClickToPlot(benchmark::State& state) {
    EnsureOffscreenApplication();
    SilentMessages messages;
    ConverterApp app(messages, u'.');
    app.form1().command3().click();
    app.form1().command1().click();
    for (auto _ : state) {
        app.form1().command2().click();
        app.form2().window()->plot().repaint();
    }
}
BENCHMARK(BM_ClickToPlot)->Unit(benchmark::kMillisecond);

} // namespace
