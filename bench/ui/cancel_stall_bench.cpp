#include "offscreen_application.h"
#include "ui/converter_app.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// The processor time the calling thread has used: the main thread's own work, whatever else
// keeps the machine's cores busy.
Milliseconds ThreadTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return Milliseconds(static_cast<double>(now.tv_sec) * 1e3 +
                        static_cast<double>(now.tv_nsec) / 1e6);
}

// Presses "Annulla" on the progress dialog as soon as it shows, as a user would, and keeps
// the moment: wall clock and the main thread's processor time.
class CancelAtTheDialog {
public:
    CancelAtTheDialog() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { pressIfShown(); });
        timer_.start(5);
    }

    struct Moment {
        Clock::time_point wall;
        Milliseconds thread;
    };
    std::optional<Moment> pressed;

private:
    void pressIfShown() {
        if (pressed) {
            return;
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QProgressDialog*>(window);
            auto* button = dialog ? dialog->findChild<QPushButton*>() : nullptr;
            if (button && dialog->isVisible()) {
                pressed = Moment{Clock::now(), ThreadTime()};
                button->click();
                return;
            }
        }
    }

    QTimer timer_;
};

// "Annulla" pressed on the progress dialog of a "Grafici" run of the worked example at the
// most samples the field check accepts, N = 10,000,000, with periods enough to outlast the
// dialog's delay, in a fresh tool whose sample arrays are yet to be made, as in a first run:
// how long the main thread goes on working from the press until the handler has returned and
// the windows have handled what the run left them (the iteration's time), and the longest
// such stall in wall-clock and in the main thread's processor time.
void BM_CancelStallAtMostSamples(benchmark::State& state) {
    EnsureOffscreenApplication();
    Milliseconds longest{0};
    Milliseconds longestThreadTime{0};
    for (auto _ : state) {
        DesignedExample example;
        example.typeCounts(u"10000000", u"1000");
        CancelAtTheDialog cancel;
        example.app().form1().command2().click();
        QApplication::processEvents();
        const Clock::time_point end = Clock::now();
        if (!cancel.pressed) {
            state.SkipWithError("the run ended before its dialog showed");
            return;
        }
        const Milliseconds stall = end - cancel.pressed->wall;
        state.SetIterationTime(stall.count() / 1e3);
        longest = std::max(longest, stall);
        longestThreadTime = std::max(longestThreadTime, ThreadTime() - cancel.pressed->thread);
    }
    state.counters["longest_ms"] = longest.count();
    state.counters["longest_thread_ms"] = longestThreadTime.count();
}
BENCHMARK(BM_CancelStallAtMostSamples)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

} // namespace
