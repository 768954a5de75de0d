// The progress of a long task: the event loop kept turning, then a modal dialog that cancels.
#include "ui/progress_observer.h"

#include "figure/language.h"
#include "ui/application_title.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QInputEvent>
#include <QProgressDialog>
#include <cmath>
#include <utility>

namespace {

// Steps of the progress bar.
constexpr int fullScale = 1000;
// The label is written anew at most this often, in ms: often enough to follow the periods,
// seldom enough to cost the run nothing.
constexpr qint64 labelRefresh = 200;

// Lets through, of the user's input, only what presses a button. Input reaches a window
// first, which passes it on to the control under the pointer or with the focus.
class ButtonInputOnly : public QObject {
protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        const bool toButton =
            receiver->isWindowType() || qobject_cast<QAbstractButton*>(receiver) != nullptr;
        return dynamic_cast<QInputEvent*>(event) != nullptr && !toButton;
    }
};

// Until the dialog opens, the window system holds the user's input back. The modal dialog
// would then swallow it all, so a button pressed meanwhile is delivered first: its click waits
// for the running handler to end. Other input, such as the pointer moving over a plot whose
// arrays are being rewritten, is dropped, as the dialog would drop it.
void DeliverHeldButtonPresses() {
    ButtonInputOnly filter;
    QCoreApplication::instance()->installEventFilter(&filter);
    // The loop looks at the window system's queue again only once woken: input it held back
    // leaves no trace that it still waits.
    QAbstractEventDispatcher::instance()->wakeUp();
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&filter);
}

// `italian`, one of the dialog's texts, in the language in use.
QString Translate(const char* italian) {
    return Translated("ProgressObserver", italian);
}

// About how long the task has left at the pace it has kept so far, `elapsed` ms for
// `fractionDone` of it.
QString TimeLeftText(qint64 elapsed, double fractionDone) {
    if (!(fractionDone > 0)) {
        return Translate(QT_TRANSLATE_NOOP("ProgressObserver", "in stima"));
    }
    const double seconds = static_cast<double>(elapsed) / 1000 * (1 - fractionDone) / fractionDone;
    if (seconds < 0.5) {
        return Translate(QT_TRANSLATE_NOOP("ProgressObserver", "meno di un secondo"));
    }
    if (!(seconds < 100 * 3600)) {
        return Translate(QT_TRANSLATE_NOOP("ProgressObserver", "oltre 100 ore"));
    }
    const auto whole = std::llround(seconds);
    if (whole < 60) {
        return Translate(QT_TRANSLATE_NOOP("ProgressObserver", "circa %1 s")).arg(whole);
    }
    const auto twoDigits = [](long long value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
    };
    if (whole < 3600) {
        return Translate(QT_TRANSLATE_NOOP("ProgressObserver", "circa %1 min %2 s"))
            .arg(QString::number(whole / 60), twoDigits(whole % 60));
    }
    return Translate(QT_TRANSLATE_NOOP("ProgressObserver", "circa %1 h %2 min"))
        .arg(QString::number(whole / 3600), twoDigits(whole / 60 % 60));
}

} // namespace

QString SimulationProgressLabel() {
    return Translate(QT_TRANSLATE_NOOP("ProgressObserver", "Simulazione in corso..."));
}

ProgressObserver::ProgressObserver(QString label, std::chrono::milliseconds delay)
    : label_(std::move(label)), delay_(delay) {
    clock_.start();
}

ProgressObserver::~ProgressObserver() = default;

bool ProgressObserver::keepGoing(double fractionDone) {
    if (!dialog_ && clock_.elapsed() >= delay_.count()) {
        openDialog(fractionDone);
    }
    if (!dialog_) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    if (clock_.elapsed() - labelShownAt_ >= labelRefresh) {
        dialog_->setLabelText(labelText(fractionDone));
        labelShownAt_ = clock_.elapsed();
    }
    dialog_->setValue(qRound(fractionDone * fullScale));
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}

bool ProgressObserver::keepGoingInPeriod(double fractionDone, std::int32_t period,
                                         std::int32_t periods) {
    period_ = period;
    periods_ = periods;
    return keepGoing(fractionDone);
}

// The task's label, and under it the period reached and the time left: "Simulazione in
// corso...", "Al periodo 12 di 1000; tempo rimanente: circa 35 s".
QString ProgressObserver::labelText(double fractionDone) const {
    const QString timeLeft = TimeLeftText(clock_.elapsed(), fractionDone);
    const QString state =
        period_ > 0
            ? Translate(
                  QT_TRANSLATE_NOOP("ProgressObserver", "Al periodo %1 di %2; tempo rimanente: %3"))
                  .arg(QString::number(period_), QString::number(periods_), timeLeft)
            : Translate(QT_TRANSLATE_NOOP("ProgressObserver", "Tempo rimanente: %1")).arg(timeLeft);
    return label_ + u'\n' + state;
}

void ProgressObserver::openDialog(double fractionDone) {
    DeliverHeldButtonPresses();
    dialog_ = std::make_unique<QProgressDialog>(
        labelText(fractionDone), Translate(QT_TRANSLATE_NOOP("ProgressObserver", "Annulla")), 0,
        fullScale);
    labelShownAt_ = clock_.elapsed();
    dialog_->setObjectName(QStringLiteral("SimulationProgress"));
    dialog_->setWindowTitle(ApplicationTitle());
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(0);
    dialog_->show();
}
