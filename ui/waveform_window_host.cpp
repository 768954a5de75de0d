#include "ui/waveform_window_host.h"

#include "display/cursor_readout.h"
#include "ui/plot_box.h"
#include "ui/waveform_window.h"

WaveformWindowHost::WaveformWindowHost(Module1& m, char16_t decimalSeparator)
    : m_(m), decimalSeparator_(decimalSeparator) {}

WaveformWindowHost::~WaveformWindowHost() {
    delete window_;
}

WaveformWindow* WaveformWindowHost::window() const {
    return window_;
}

void WaveformWindowHost::obtainForm2() {
    if (window_) {
        return;
    }
    window_ = new WaveformWindow;
    // A closed window is deleted later by Qt; from now on it no longer counts as open.
    QObject::connect(window_, &WaveformWindow::closed, window_, [this] { window_ = nullptr; });
    QObject::connect(&window_->plot(), &PlotBox::pointerMoved, window_,
                     [this](float x, float y, QPoint at) { readCursor(x, y, at); });
}

// A run keeps the event loop turning, so its window may be gone before the run ends: what was
// meant for that window then goes nowhere, and the next run opens a fresh one.

void WaveformWindowHost::resetPlot() {
    if (window_) {
        window_->plot().clear();
    }
}

void WaveformWindowHost::setCaption(SummaryLabel label, const Text& caption) {
    if (window_) {
        window_->setCaption(label, QString::fromStdU16String(caption));
    }
}

void WaveformWindowHost::showCancelled() {
    if (!window_) {
        return;
    }
    for (SummaryLabel label : {SummaryLabel::Label2, SummaryLabel::Label5, SummaryLabel::Label8,
                               SummaryLabel::Label9, SummaryLabel::Label16}) {
        window_->setCaption(label, QString());
    }
    window_->plot().showNotice(QStringLiteral("Simulazione annullata"));
}

void WaveformWindowHost::showWindow() {
    obtainForm2();
    window_->show();
}

void WaveformWindowHost::drawLine(const PlotLine& line) {
    if (window_) {
        window_->plot().drawLine(line);
    }
}

// Without a window there is nothing to draw on: one column keeps the drawing's work minimal.
PixelColumns WaveformWindowHost::columns() const {
    return window_ ? window_->plot().columns() : PixelColumns(PlotAxis{});
}

// Selects the trace under the pointer and shows its time and value at the pointer. Only the
// button and the tool tip change: the plot is not redrawn.
void WaveformWindowHost::readCursor(float x, float y, QPoint globalPosition) {
    const CursorReadout readout = ReadCursor(x, y, window_->selection(), m_, decimalSeparator_);
    if (readout.selection) {
        window_->select(*readout.selection);
    }
    if (readout.toolTip) {
        window_->setPlotToolTip(QString::fromStdU16String(*readout.toolTip));
    }
    window_->showPlotToolTip(globalPosition);
}
