#pragma once

#include "core/window_operations.h"
#include "display/cursor_readout.h"

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
