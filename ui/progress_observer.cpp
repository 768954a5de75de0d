#include "ui/progress_observer.h"

#include "ui/dialog_message_box.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {
// Steps of the progress bar.
constexpr int fullScale = 1000;
} // namespace

ProgressObserver::ProgressObserver(std::chrono::milliseconds delay) : delay_(delay) {
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
    dialog_ = std::make_unique<QProgressDialog>(QStringLiteral("Simulazione in corso..."),
                                                QStringLiteral("Annulla"), 0, fullScale);
    dialog_->setObjectName(QStringLiteral("SimulationProgress"));
    dialog_->setWindowTitle(QString::fromUtf16(ApplicationTitle));
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(0);
    dialog_->show();
}
