#include "offscreen_application.h"
#include "test_support/recorders.h"
#include "ui/main_window.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// Creating the main window with its schematic, showing it and painting it once.
void BM_StartUp(benchmark::State& state) {
    EnsureOffscreenApplication();
    SilentMessages messages;
    for (auto _ : state) {
        MainWindow form1(messages);
        form1.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form1.grab());
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

} // namespace
