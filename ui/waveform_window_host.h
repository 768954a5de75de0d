#pragma once

#include "core/module1.h"
#include "core/window_operations.h"
#include "display/plot_geometry.h"

#include <QPointer>

class WaveformWindow;

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
