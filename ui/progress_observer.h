#pragma once

#include "core/handler_support.h"

#include <QElapsedTimer>
#include <QString>
#include <chrono>
#include <memory>

class QProgressDialog;

// Keeps the application alive during a long task (a simulation, an export). Until `delay` has
// passed it only lets the windows repaint (clicks wait); then a modal dialog with `label`
// ("Simulazione in corso..." by default) and an "Annulla" button appears, which blocks every
// other window, so no other handler can start, and whose button stops the task.
class ProgressObserver : public SimulationObserver {
public:
    explicit ProgressObserver(QString label = QStringLiteral("Simulazione in corso..."),
                              std::chrono::milliseconds delay = std::chrono::milliseconds(500));
    ~ProgressObserver() override;
    ProgressObserver(const ProgressObserver&) = delete;
    ProgressObserver& operator=(const ProgressObserver&) = delete;

    bool keepGoing(double fractionDone) override;

private:
    void openDialog();

    QString label_;
    std::chrono::milliseconds delay_;
    QElapsedTimer clock_;
    std::unique_ptr<QProgressDialog> dialog_;
};
