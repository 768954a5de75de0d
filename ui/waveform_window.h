#pragma once

#include "core/module1.h"
#include "core/window_operations.h"
#include "display/cursor_readout.h"
#include "display/plot_geometry.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

class PlotBox;
class QLabel;
class QRadioButton;

// Form2, the waveform window: the plot, one option button per trace, the five measured values
// and the instruction line. It is an independent top-level window and is discarded when the
// user closes it.
class WaveformWindow : public QWidget {
    Q_OBJECT

public:
    WaveformWindow();

    PlotBox& plot() const { return *plot_; }
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
    void setFocusOrder();

    PlotBox* plot_ = nullptr;
    std::array<QLabel*, 5> values_{};
    std::array<QRadioButton*, 4> options_{};
};

// Keeps the waveform window Form2 for the verification: creates it hidden when a run first
// needs it, reuses it while it is open, and forgets it when the user closes it, so that the
// next run starts a fresh one. Pointer moves over its plot become cursor readouts.
class WaveformWindowHost : public WaveformWindowOperations, public PlotSurface {
public:
    // The readout reads the shared variables `m` and writes numbers with `decimalSeparator`.
    WaveformWindowHost(Module1& m, char16_t decimalSeparator);
    ~WaveformWindowHost() override;
    WaveformWindowHost(const WaveformWindowHost&) = delete;
    WaveformWindowHost& operator=(const WaveformWindowHost&) = delete;

    // The open window, or null when there is none.
    WaveformWindow* window() const;

    void obtainForm2() override;
    void resetPlot() override;
    void setCaption(SummaryLabel label, const Text& caption) override;
    void showCancelled() override;

    void showWindow() override;
    void drawLine(const PlotLine& line) override;
    PixelColumns columns() const override;

private:
    void readCursor(float x, float y, QPoint globalPosition);

    Module1& m_;
    char16_t decimalSeparator_;
    QPointer<WaveformWindow> window_;
};
