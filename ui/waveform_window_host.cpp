// The waveform window's host: its lifecycle, the run's hand-off to it and the pointer readout.
#include "ui/waveform_window_host.h"

#include "display/plot_readout.h"
#include "figure/qt_text.h"
#include "ui/plot_box.h"
#include "ui/waveform_window.h"

#include <QAction>
#include <utility>

WaveformWindowHost::WaveformWindowHost(Module1& m, char16_t decimalSeparator)
    : m_(m), decimalSeparator_(decimalSeparator), view_(*this, *this, decimalSeparator),
      cursors_(*this, view_, decimalSeparator) {
    view_.onRedrawn(
        [this](const Module1& run, WaveformWindow& window) { cursors_.showOver(run, window); });
}

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
    view_.connect(*window_);
    cursors_.connect(*window_);
    if (windowCreated_) {
        windowCreated_(*window_);
    }
}

void WaveformWindowHost::onWindowCreated(std::function<void(WaveformWindow&)> created) {
    windowCreated_ = std::move(created);
}

void WaveformWindowHost::keepPlottedRun() {
    plotted_ = std::make_unique<PlottedRun>(m_);
    if (window_) {
        window_->setRunActionsEnabled(true);
    }
    view_.runDrawn();
}

void WaveformWindowHost::withPlottedRun(
    const std::function<void(Module1& run, WaveformWindow& window)>& use) {
    if (!plotted_ || !window_) {
        return;
    }
    WaveformWindow& window = *window_;
    plotted_->withSamples(m_, [&](Module1& run) { use(run, window); });
}

// A run keeps the event loop turning, so its window may be gone before the run ends: what was
// meant for that window then goes nowhere, and the next run opens a fresh one.

// The plotted run, if any, is gone with the plot: the arrays are about to be made anew. The
// next run is shown whole, without measuring cursors.
void WaveformWindowHost::resetPlot() {
    cursors_.reset();
    plotted_.reset();
    view_.reset();
    if (window_) {
        window_->setRunActionsEnabled(false);
        for (WaveformAction which : CheckedRunActions) {
            window_->action(which).setEnabled(true);
        }
        window_->plot().clear();
    }
}

void WaveformWindowHost::setCaption(SummaryLabel label, const Text& caption) {
    if (window_) {
        window_->setCaption(label, FromText(caption));
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

void WaveformWindowHost::keepTraceExtremes(std::shared_ptr<const TraceExtremes> extremes) {
    view_.keepTraceExtremes(std::move(extremes));
}

// Without a window there is nothing to draw on: one column keeps the drawing's work minimal.
PixelColumns WaveformWindowHost::columns() const {
    return window_ ? window_->plot().columns() : PixelColumns(PlotAxis{});
}

ShownPlot WaveformWindowHost::shownPlot() const {
    ShownPlot shown = view_.shownPlot();
    shown.cursors = cursors_.overlay();
    return shown;
}

// Selects the trace under the pointer and shows its time and value at the pointer, read
// through the view and the fitted bands. Only the button and the tool tip change: the plot is
// not redrawn. While the measuring cursors are on, the button stays that of the measured trace.
void WaveformWindowHost::readCursor(float x, float y, QPoint globalPosition) {
    const CursorReadout readout = ReadCursor(x, y, window_->selection(), m_, decimalSeparator_,
                                             view_.view(), view_.fittedBands());
    if (readout.selection && !cursors_.measuringCursors()) {
        window_->select(*readout.selection);
    }
    if (readout.toolTip) {
        window_->setPlotToolTip(FromText(*readout.toolTip));
    }
    window_->showPlotToolTip(globalPosition);
}
