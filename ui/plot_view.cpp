// The view of the plotted run: zoom, pan and fitted bands, and the plot drawn for them.
#include "ui/plot_view.h"

#include "figure/qt_text.h"
#include "ui/plot_box.h"
#include "ui/plotted_run.h"
#include "ui/waveform_window.h"

#include <QAction>
#include <utility>

namespace {

// How much the zoom commands narrow or widen the view, and how far the pan commands move it: a
// tenth of its width.
constexpr double CommandZoom = 2;
constexpr double CommandPan = 10;

} // namespace

PlotView::PlotView(PlottedRunHolder& plotted, PlotSurface& surface, char16_t decimalSeparator)
    : plotted_(plotted), surface_(surface), decimalSeparator_(decimalSeparator) {}

// The plot's wheel, drags and double-click, and the window's view commands.
void PlotView::connect(WaveformWindow& window) {
    const PlotBox* plot = &window.plot();
    QObject::connect(plot, &PlotBox::zoomRequested, &window,
                     [this](double factor, double anchor) { zoomAround(factor, anchor); });
    QObject::connect(plot, &PlotBox::panRequested, &window,
                     [this](double distance) { pan(distance); });
    QObject::connect(plot, &PlotBox::wholeViewRequested, &window,
                     [this] { showWholeViewUnlessMeasuring(); });
    for (const auto& [which, distance] : {std::pair(WaveformAction::PanLeft, -CommandPan),
                                          std::pair(WaveformAction::PanRight, CommandPan)}) {
        QObject::connect(&window.action(which), &QAction::triggered, &window,
                         [this, distance] { pan(distance); });
    }
    const auto onTrigger = [&](WaveformAction which, void (PlotView::*command)()) {
        QObject::connect(&window.action(which), &QAction::triggered, &window,
                         [this, command] { (this->*command)(); });
    };
    onTrigger(WaveformAction::ZoomIn, &PlotView::zoomIn);
    onTrigger(WaveformAction::ZoomOut, &PlotView::zoomOut);
    onTrigger(WaveformAction::ZoomReset, &PlotView::resetZoom);
    QObject::connect(&window.action(WaveformAction::FitBands), &QAction::toggled, &window, [this] {
        plotted_.withPlottedRun(
            [this](Module1& run, WaveformWindow& shown) { redraw(run, shown); });
    });
}

void PlotView::onRedrawn(std::function<void(const Module1& run, WaveformWindow& window)> redrawn) {
    redrawn_ = std::move(redrawn);
}

void PlotView::zoomIn() {
    zoomAround(CommandZoom, 50);
}

void PlotView::zoomOut() {
    zoomAround(1 / CommandZoom, 50);
}

void PlotView::resetZoom() {
    plotted_.withPlottedRun(
        [this](Module1& run, WaveformWindow& window) { show(WaveformView{}, run, window); });
}

void PlotView::setFitBands(bool on) {
    if (WaveformWindow* window = plotted_.window()) {
        window->action(WaveformAction::FitBands).setChecked(on);
    }
}

void PlotView::keepTraceExtremes(std::shared_ptr<const TraceExtremes> extremes) {
    extremes_ = std::move(extremes);
}

void PlotView::runDrawn() {
    if (fitting()) {
        plotted_.withPlottedRun(
            [this](Module1& run, WaveformWindow& window) { redraw(run, window); });
    }
}

void PlotView::reset() {
    extremes_.reset();
    view_ = {};
    fitted_.reset();
}

void PlotView::zoomAround(double factor, double anchor) {
    plotted_.withPlottedRun([&](Module1& run, WaveformWindow& window) {
        show(view_.zoomed(factor, anchor, SmallestViewSpan(run.NP, run.N)), run, window);
    });
}

void PlotView::pan(double distance) {
    plotted_.withPlottedRun(
        [&](Module1& run, WaveformWindow& window) { show(view_.panned(distance), run, window); });
}

// While the measuring cursors are on, a double-click is theirs.
void PlotView::showWholeViewUnlessMeasuring() {
    const WaveformWindow* window = plotted_.window();
    if (window && !window->action(WaveformAction::Measure).isChecked()) {
        resetZoom();
    }
}

void PlotView::show(const WaveformView& view, Module1& run, WaveformWindow& window) {
    if (view == view_) {
        return; // the plot already shows it
    }
    view_ = view;
    redraw(run, window);
}

bool PlotView::fitting() const {
    const WaveformWindow* window = plotted_.window();
    return window && window->action(WaveformAction::FitBands).isChecked();
}

// The plot drawn anew from the run's full arrays: the frame and the traces for the view and
// the bands, then the times of a zoomed view and the limits of the fitted bands. The index of
// the run's samples is the one its drawing made, or made here once.
void PlotView::redraw(Module1& run, WaveformWindow& window) {
    if (!extremes_) {
        extremes_ = std::make_shared<const TraceExtremes>(run);
    }
    fitted_ = fitting() ? std::optional(FitBands(run, *extremes_, view_)) : std::nullopt;
    PlotBox& plot = window.plot();
    plot.clear();
    DrawPlotView(run, *extremes_, view_, fitted_, surface_);
    if (!view_.whole()) {
        plot.showViewTimes(FromText(ViewTimesText(view_, run, decimalSeparator_)));
    }
    if (fitted_) {
        plot.showBandLimits(LimitsOf(*fitted_, decimalSeparator_));
    }
    if (redrawn_) {
        redrawn_(run, window);
    }
}
