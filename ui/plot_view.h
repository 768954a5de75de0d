#pragma once

#include "core/module1.h"
#include "display/plot_geometry.h"
#include "display/screen_waveform_drawing.h"
#include "display/trace_geometry.h"
#include "figure/waveform_figure.h"

#include <functional>
#include <memory>
#include <optional>

class PlottedRunHolder;
class WaveformWindow;

// What the plot shows of the plotted run: a view of its time axis, whole after every run, and
// bands fitted to its traces while the window's "Adatta le bande" is on. The plot's wheel,
// drags and double-click, and the window's zoom, pan and fit commands change them; each
// change redraws the plot from the run's full arrays.
class PlotView {
public:
    // Draws the plot of `plotted`'s window through `surface`, numbers written with
    // `decimalSeparator`.
    PlotView(PlottedRunHolder& plotted, PlotSurface& surface, char16_t decimalSeparator);

    // Lets the plot's gestures and the view commands of a new window change the view.
    void connect(WaveformWindow& window);
    // Called with the run and its window each time the plot has been drawn anew.
    void onRedrawn(std::function<void(const Module1& run, WaveformWindow& window)> redrawn);

    // The view commands: twice narrower or wider around the middle of the view, the whole
    // time axis, and the bands fitted to the traces or as drawn by default. Each does nothing
    // without a plotted run, apart from switching the fit, which the next run then follows.
    void zoomIn();
    void zoomOut();
    void resetZoom();
    void setFitBands(bool on);

    const WaveformView& view() const { return view_; }
    // The bands fitted to the samples shown, while the fit is on.
    const std::optional<FittedBands>& fittedBands() const { return fitted_; }
    // The view and the bands, for a figure of the plot as it is shown; without cursors.
    ShownPlot shownPlot() const { return {extremes_, view_, fitted_, std::nullopt}; }

    // The index of the run's samples that its drawing made, kept for the views of the run.
    void keepTraceExtremes(std::shared_ptr<const TraceExtremes> extremes);
    // The run has drawn its traces in the bands as drawn by default: fitted bands replace them.
    void runDrawn();
    // A new run is about to make the arrays anew: it is shown whole, and the index and the
    // fitted bands of the last one are forgotten.
    void reset();

private:
    void zoomAround(double factor, double anchor);
    void pan(double distance);
    void showWholeViewUnlessMeasuring();
    void show(const WaveformView& view, Module1& run, WaveformWindow& window);
    bool fitting() const;
    void redraw(Module1& run, WaveformWindow& window);

    PlottedRunHolder& plotted_;
    PlotSurface& surface_;
    char16_t decimalSeparator_;
    std::function<void(const Module1&, WaveformWindow&)> redrawn_;
    std::shared_ptr<const TraceExtremes> extremes_; // of the plotted run, made at most once
    WaveformView view_;
    std::optional<FittedBands> fitted_;
};
