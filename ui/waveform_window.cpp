#include "ui/waveform_window.h"

#include "ui/alarm_clock_icon.h"
#include "ui/controls.h"
#include "ui/light_face.h"
#include "ui/picture_box.h"
#include "ui/plot_box.h"
#include "ui/twips.h"
#include "ui/waveform_window_layout.h"

#include <QCloseEvent>
#include <QLabel>
#include <QRadioButton>
#include <QToolTip>

WaveformWindow::WaveformWindow() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Forme d'onda reali"));
    setWindowIcon(AlarmClockIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setPalette(LightFace());
    resize(TwipsSize(WaveformWindowWidth, WaveformWindowHeight, *this));
    createControls();
    setFocusOrder();
}

void WaveformWindow::createControls() {
    plot_ = new PlotBox(this);
    PlaceControl(*plot_, WaveformWindowPlot());
    // Picture2 never holds a picture (clearing the plot box gives the same bare background) and
    // the user has nothing to do with it: it stays hidden and takes no focus.
    auto* emptyPicture = new PictureBox(this);
    PlaceControl(*emptyPicture, WaveformWindowEmptyPicture());
    emptyPicture->setFocusPolicy(Qt::NoFocus);
    emptyPicture->hide();
    for (const ControlLayout& layout : WaveformWindowLabels()) {
        AddLabel(*this, layout);
    }
    std::size_t k = 0;
    for (const ControlLayout& layout : WaveformWindowValueBoxes()) {
        values_[k++] = AddBorderedBox(*this, layout);
    }
    k = 0;
    for (const OptionLayout& layout : WaveformWindowOptions()) {
        options_[k++] = AddOptionButton(*this, layout.control, layout.textColor);
    }
}

// The plot holds the focus when the window opens; the keyboard then walks the trace buttons.
void WaveformWindow::setFocusOrder() {
    setTabOrder(plot_, options_[0]);
    for (std::size_t k = 1; k < options_.size(); ++k) {
        setTabOrder(options_[k - 1], options_[k]);
    }
    plot_->setFocus();
}

void WaveformWindow::setCaption(SummaryLabel label, const QString& caption) {
    ShowValue(*values_[static_cast<std::size_t>(label)], caption);
}

// The buttons stand in options_ in the order of TraceOption.
std::optional<TraceOption> WaveformWindow::selection() const {
    for (std::size_t k = 0; k < options_.size(); ++k) {
        if (options_[k]->isChecked()) {
            return static_cast<TraceOption>(k);
        }
    }
    return std::nullopt;
}

void WaveformWindow::select(TraceOption option) {
    options_[static_cast<std::size_t>(option)]->setChecked(true);
}

void WaveformWindow::setPlotToolTip(const QString& text) {
    plot_->setToolTip(text);
}

void WaveformWindow::showPlotToolTip(QPoint globalPosition) {
    if (!plot_->toolTip().isEmpty()) {
        QToolTip::showText(globalPosition, plot_->toolTip(), plot_);
    }
}

void WaveformWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}
