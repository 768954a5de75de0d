#pragma once

#include "core/handler_support.h"
#include "core/module1.h"
#include "display/plot_geometry.h"
#include "ui/plot_cursors.h"
#include "ui/plot_view.h"
#include "ui/plotted_run.h"
#include "ui/waveform_window.h"

#include <QPointer>
#include <functional>
#include <memory>

class QPoint;

// Keeps the waveform window Form2 for the verification: creates it hidden when a run first
// needs it, reuses it while it is open, and forgets it when the user closes it, so that the
// next run starts a fresh one. A run's drawing reaches the window's plot through the host, and
// the run that drew its traces stays the plotted run until the next run resets the plot.
// Pointer moves over the plot become cursor readouts; the plot's view and measuring cursors
// work on the plotted run.
class WaveformWindowHost : public WaveformWindowOperations,
                           public PlotSurface,
                           public PlottedRunHolder {
public:
    // The readout reads the shared variables `m` and writes numbers with `decimalSeparator`.
    WaveformWindowHost(Module1& m, char16_t decimalSeparator);
    ~WaveformWindowHost() override;
    WaveformWindowHost(const WaveformWindowHost&) = delete;
    WaveformWindowHost& operator=(const WaveformWindowHost&) = delete;

    WaveformWindow* window() const override;

    // Called with every window the host creates, before it is shown.
    void onWindowCreated(std::function<void(WaveformWindow&)> created);

    // The run whose traces the window shows: kept once a run has drawn them, forgotten when a
    // run resets the plot. The window's run commands follow it.
    void keepPlottedRun();
    void
    withPlottedRun(const std::function<void(Module1& run, WaveformWindow& window)>& use) override;

    // What the plot shows of the plotted run, and the measuring cursors over it.
    PlotView& plotView() { return view_; }
    const PlotCursors& plotCursors() const { return cursors_; }
    // The plot as it is shown, the cursors with their box included: for a figure of it.
    ShownPlot shownPlot() const;

    void obtainForm2() override;
    void resetPlot() override;
    void setCaption(SummaryLabel label, const Text& caption) override;
    void showCancelled() override;

    void showWindow() override;
    void drawLine(const PlotLine& line) override;
    PixelColumns columns() const override;
    void keepTraceExtremes(std::shared_ptr<const TraceExtremes> extremes) override;

private:
    void readCursor(float x, float y, QPoint globalPosition);

    Module1& m_;
    char16_t decimalSeparator_;
    QPointer<WaveformWindow> window_;
    std::function<void(WaveformWindow&)> windowCreated_;
    std::unique_ptr<PlottedRun> plotted_;
    PlotView view_;
    PlotCursors cursors_;
};
