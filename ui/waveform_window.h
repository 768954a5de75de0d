#pragma once

#include "core/handler_support.h"
#include "core/module1.h"
#include "display/plot_geometry.h"
#include "display/plot_readout.h"
#include "display/screen_waveform_drawing.h"
#include "display/trace_geometry.h"
#include "figure/waveform_figure.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class PlotBox;
class PlottedRun;
class QAction;
class QLabel;
class QMenuBar;
class QRadioButton;

// The commands of the waveform window's menus, in menu order; each is one QAction shared by
// the menu bar and the plot's context menu.
enum class WaveformAction {
    SaveImage,
    ExportCsv,
    SaveReport,
    CopyImage,
    CopyValues,
    Close,
    ZoomIn,
    ZoomOut,
    ZoomReset,
    FitBands,
    Measure,
    Analysis
};

// Form2, the waveform window: the plot, one option button per trace, the five measured values
// and the instruction line in its client area, and above it a menu bar (File, Visualizza,
// Strumenti). It is an independent top-level window and is discarded when the user closes it.
class WaveformWindow : public QWidget {
    Q_OBJECT

public:
    WaveformWindow();

    PlotBox& plot() const { return *plot_; }
    // The area below the menu bar that holds every control at its place.
    QWidget& clientArea() const { return *clientArea_; }
    QAction& action(WaveformAction which) const;
    // The commands that need a plotted run are available only while the window shows one.
    void setRunActionsEnabled(bool enabled);
    void setCaption(SummaryLabel label, const QString& caption);
    std::optional<TraceOption> selection() const;
    void select(TraceOption option);
    void setPlotToolTip(const QString& text);
    // Shows the plot's tool tip, if it has one, at once at the pointer rather than after the
    // usual hover delay, so that the readout follows the mouse.
    void showPlotToolTip(QPoint globalPosition);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createActions();
    QMenuBar* createMenuBar();
    void setFocusOrder();

    QWidget* clientArea_ = nullptr;
    PlotBox* plot_ = nullptr;
    std::array<QAction*, 12> actions_{};
    std::array<QLabel*, 5> values_{};
    std::array<QRadioButton*, 4> options_{};
};

// Keeps the waveform window Form2 for the verification: creates it hidden when a run first
// needs it, reuses it while it is open, and forgets it when the user closes it, so that the
// next run starts a fresh one. Pointer moves over its plot become cursor readouts.
//
// The plotted run is shown in a view of its time axis, whole after every run, and in bands
// fitted to its traces while the window's "Adatta le bande" is on. The plot's wheel, drags and
// double-click, Ctrl+Left and Ctrl+Right, and the window's zoom and fit commands change them;
// each change redraws the plot from the run's full arrays, and the readout maps the pointer
// through them.
//
// "Cursori di misura" lays two measuring cursors over the plotted run; clicks, drags and keys
// on the plot move them, and each move repaints only the cursors and their readings. The
// block sums of the run's traces that the readings need are made at the first use and kept
// until a run resets the plot, which also turns the cursors off. The pointer's readout goes
// on as without them.
class WaveformWindowHost : public WaveformWindowOperations, public PlotSurface {
public:
    // The readout reads the shared variables `m` and writes numbers with `decimalSeparator`.
    WaveformWindowHost(Module1& m, char16_t decimalSeparator);
    ~WaveformWindowHost() override;
    WaveformWindowHost(const WaveformWindowHost&) = delete;
    WaveformWindowHost& operator=(const WaveformWindowHost&) = delete;

    // The open window, or null when there is none.
    WaveformWindow* window() const;

    // Called with every window the host creates, before it is shown.
    void onWindowCreated(std::function<void(WaveformWindow&)> created);

    // The run whose traces the window shows: kept once a run has drawn them, forgotten when a
    // run resets the plot. The window's run commands follow it.
    void keepPlottedRun();
    // Calls `use` with the plotted run (variables and samples together) and the window, if
    // the window shows one.
    void withPlottedRun(const std::function<void(Module1& run, WaveformWindow& window)>& use);

    void obtainForm2() override;
    void resetPlot() override;
    void setCaption(SummaryLabel label, const Text& caption) override;
    void showCancelled() override;

    // The view commands: twice narrower or wider around the middle of the view, the whole
    // time axis, and the bands fitted to the traces or as drawn by default. Each does nothing
    // without a plotted run, apart from switching the fit, which the next run then follows.
    void zoomIn();
    void zoomOut();
    void resetZoom();
    void setFitBands(bool on);

    // What the plot shows of the plotted run: the view, and the bands fitted to the samples
    // shown while the fit is on.
    const WaveformView& view() const { return view_; }
    const std::optional<FittedBands>& fittedBands() const { return fitted_; }
    // The same, for a figure of the plot as it is shown.
    ShownPlot shownPlot() const { return {extremes_, view_, fitted_}; }
    // The measuring cursors, while they are on.
    const std::optional<MeasuringCursors>& measuringCursors() const { return cursors_; }

    void showWindow() override;
    void drawLine(const PlotLine& line) override;
    PixelColumns columns() const override;
    void keepTraceExtremes(std::shared_ptr<const TraceExtremes> extremes) override;

private:
    void connectViewControls(WaveformWindow& window);
    void zoomAround(double factor, double anchor);
    void pan(double distance);
    void showWholeViewUnlessMeasuring();
    void showView(const WaveformView& view, Module1& run, WaveformWindow& window);
    bool fitting() const;
    void redraw(Module1& run, WaveformWindow& window);
    void readCursor(float x, float y, QPoint globalPosition);
    void connectCursorControls(WaveformWindow& window);
    void setMeasuring(bool on);
    void changeCursors(const std::function<void(MeasuringCursors&, const CursorSums&)>& change);
    void showCursors(const Module1& run, WaveformWindow& window);
    QStringList cursorReadings(const Module1& run) const;

    Module1& m_;
    char16_t decimalSeparator_;
    QPointer<WaveformWindow> window_;
    std::function<void(WaveformWindow&)> windowCreated_;
    std::unique_ptr<PlottedRun> plotted_;
    std::shared_ptr<const TraceExtremes> extremes_; // of the plotted run, made at most once
    WaveformView view_;
    std::optional<FittedBands> fitted_;
    std::unique_ptr<const CursorSums> sums_; // of the plotted run, made at most once
    std::optional<MeasuringCursors> cursors_;
};
