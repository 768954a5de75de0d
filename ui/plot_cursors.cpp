// The measuring cursors over the plot: turned on and off, moved, and shown with their readings.
#include "ui/plot_cursors.h"

#include "ui/plot_box.h"
#include "ui/plot_view.h"
#include "ui/plotted_run.h"
#include "ui/waveform_window.h"

#include <QAction>
#include <QMetaObject>
#include <cstdint>
#include <utility>

PlotCursors::PlotCursors(PlottedRunHolder& plotted, const PlotView& view, char16_t decimalSeparator)
    : plotted_(plotted), view_(view), decimalSeparator_(decimalSeparator) {}

// A click places the active cursor; a drag makes the nearer cursor the active one and moves it.
void PlotCursors::connect(WaveformWindow& window) {
    const PlotBox* plot = &window.plot();
    QObject::connect(&window.action(WaveformAction::Measure), &QAction::toggled, &window,
                     [this](bool on) { setMeasuring(on); });
    const auto placeActive = [this](float x, float y) {
        changeCursors([&](MeasuringCursors& cursors, const CursorSums& sums) {
            PlaceCursor(cursors, cursors.active, x, y, view_.view(), sums);
        });
    };
    QObject::connect(plot, &PlotBox::cursorClicked, &window, placeActive);
    QObject::connect(plot, &PlotBox::cursorDragged, &window, placeActive);
    QObject::connect(plot, &PlotBox::cursorDragStarted, &window, [this](float x) {
        changeCursors([&](MeasuringCursors& cursors, const CursorSums& sums) {
            cursors.active = NearerCursor(cursors, x, view_.view(), sums);
        });
    });
    QObject::connect(
        plot, &PlotBox::cursorStepRequested, &window, [this](int direction, bool tenthOfView) {
            changeCursors([&](MeasuringCursors& cursors, const CursorSums& sums) {
                const std::int64_t step = tenthOfView ? TenthOfView(view_.view(), sums) : 1;
                StepActiveCursor(cursors, direction * step, sums);
            });
        });
    QObject::connect(plot, &PlotBox::cursorSwitchRequested, &window, [this] {
        changeCursors(
            [](MeasuringCursors& cursors, const CursorSums&) { SwitchActiveCursor(cursors); });
    });
    QObject::connect(&window, &WaveformWindow::traceChosen, &window,
                     [this, &window](Trace trace) { chooseTrace(trace, window); });
}

void PlotCursors::showOver(const Module1& run, WaveformWindow& window) {
    if (cursors_) {
        show(run, window);
    }
}

// Unchecking "Cursori di misura" turns the cursors off and takes them off the plot.
void PlotCursors::reset() {
    if (WaveformWindow* window = plotted_.window()) {
        window->action(WaveformAction::Measure).setChecked(false);
    }
    cursors_.reset();
    overlay_.reset();
    sums_.reset();
}

// The cursors start on the selected trace, or on the inductor current when none is selected.
void PlotCursors::setMeasuring(bool on) {
    cursors_.reset();
    overlay_.reset();
    if (WaveformWindow* window = plotted_.window()) {
        window->plot().hideCursors();
    }
    if (!on) {
        return;
    }
    plotted_.withPlottedRun([this](Module1& run, WaveformWindow& window) {
        if (!sums_) {
            sums_ = std::make_unique<const CursorSums>(run);
        }
        cursors_ = TurnOnCursors(window.selection(), view_.view(), *sums_);
        show(run, window);
    });
}

// A button takes the focus when it is clicked or chosen with the arrow keys, after it has told
// of the choice: the plot takes it back once the button is done.
void PlotCursors::chooseTrace(Trace trace, WaveformWindow& window) {
    if (!cursors_) {
        return;
    }
    changeCursors(
        [trace](MeasuringCursors& cursors, const CursorSums&) { MoveCursorsTo(cursors, trace); });
    PlotBox* plot = &window.plot();
    QMetaObject::invokeMethod(
        plot, [plot] { plot->setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
}

void PlotCursors::changeCursors(
    const std::function<void(MeasuringCursors&, const CursorSums&)>& change) {
    if (!cursors_) {
        return;
    }
    plotted_.withPlottedRun([&](Module1& run, WaveformWindow& window) {
        change(*cursors_, *sums_);
        show(run, window);
    });
}

// The readings stay whatever the view; the option buttons show the active cursor's trace.
void PlotCursors::show(const Module1& run, WaveformWindow& window) {
    overlay_ =
        OverlayOf(*cursors_, run, *sums_, view_.view(), view_.fittedBands(), decimalSeparator_);
    window.select((*cursors_)[cursors_->active].trace);
    window.plot().showCursors(*overlay_);
}
