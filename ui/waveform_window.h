#pragma once

#include "core/handler_support.h"
#include "display/trace_table.h"

#include <QWidget>
#include <array>
#include <optional>

class PlotBox;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QRadioButton;

// The commands of the waveform window's menus, in menu order; each is one QAction shared by
// the menu bar and the plot's context menu.
enum class WaveformAction {
    SaveImage,
    ExportCsv,
    SaveReport,
    ExportNetlist,
    CopyImage,
    CopyValues,
    Close,
    ZoomIn,
    ZoomOut,
    ZoomReset,
    PanLeft,
    PanRight,
    FitBands,
    Measure,
    Analysis,
    Tolerances,
    FrequencyResponse
};

// The commands that need only a run whose inputs passed the checks, not its traces.
inline constexpr WaveformAction CheckedRunActions[] = {
    WaveformAction::SaveReport, WaveformAction::ExportNetlist, WaveformAction::Analysis,
    WaveformAction::Tolerances, WaveformAction::FrequencyResponse};

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
    std::optional<Trace> selection() const;
    void select(Trace trace);
    void setPlotToolTip(const QString& text);
    // Shows the plot's tool tip, if it has one, at once at the pointer rather than after the
    // usual hover delay, so that the readout follows the mouse.
    void showPlotToolTip(QPoint globalPosition);

signals:
    void closed();
    // The user chose a trace with its option button, by the mouse or the keyboard; the pointer
    // selecting it (select) is no choice.
    void traceChosen(Trace trace);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void createActions();
    QMenuBar* createMenuBar();
    void setFocusOrder();
    void translateTexts();

    QWidget* clientArea_ = nullptr;
    PlotBox* plot_ = nullptr;
    std::array<QAction*, 17> actions_{};
    // File, Visualizza, Strumenti.
    std::array<QMenu*, 3> menus_{};
    std::array<QLabel*, 5> values_{};
    std::array<QRadioButton*, 4> options_{};
};
