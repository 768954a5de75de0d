// The progress of a long task: the event loop kept turning, then a modal dialog that cancels.
#include "ui/progress_observer.h"

#include "ui/application_title.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QInputEvent>
#include <QProgressDialog>
#include <utility>

namespace {

// Steps of the progress bar.
constexpr int fullScale = 1000;

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

} // namespace

ProgressObserver::ProgressObserver(QString label, std::chrono::milliseconds delay)
    : label_(std::move(label)), delay_(delay) {
    clock_.start();
}

ProgressObserver::~ProgressObserver() = default;

bool ProgressObserver::keepGoing(double fractionDone) {
    if (!dialog_ && clock_.elapsed() >= delay_.count()) {
        openDialog();
    }
    if (!dialog_) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    dialog_->setValue(qRound(fractionDone * fullScale));
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}

void ProgressObserver::openDialog() {
    DeliverHeldButtonPresses();
    dialog_ = std::make_unique<QProgressDialog>(label_, QStringLiteral("Annulla"), 0, fullScale);
    dialog_->setObjectName(QStringLiteral("SimulationProgress"));
    dialog_->setWindowTitle(QString::fromUtf16(ApplicationTitle));
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(0);
    dialog_->show();
}
