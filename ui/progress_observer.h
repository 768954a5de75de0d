#pragma once

#include "core/handler_support.h"

#include <QElapsedTimer>
#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>

class QProgressDialog;

// "Simulazione in corso...", in the language in use: the label of a simulation's progress.
QString SimulationProgressLabel();

// Keeps the application alive during a long task (a simulation, an export). Until `delay` has
// passed it only lets the windows repaint (clicks wait); then a modal dialog with `label`
// ("Simulazione in corso..." by default) and an "Annulla" button appears, which blocks every
// other window, so no other handler can start, and whose button stops the task. Under the
// label the dialog says which period a simulation has reached ("al periodo 12 di 1000") and
// about how long the task has left, from the time so far and the fraction done.
class ProgressObserver : public SimulationObserver {
public:
    explicit ProgressObserver(QString label = SimulationProgressLabel(),
                              std::chrono::milliseconds delay = std::chrono::milliseconds(500));
    ~ProgressObserver() override;
    ProgressObserver(const ProgressObserver&) = delete;
    ProgressObserver& operator=(const ProgressObserver&) = delete;

    bool keepGoing(double fractionDone) override;
    bool keepGoingInPeriod(double fractionDone, std::int32_t period, std::int32_t periods) override;

private:
    void openDialog(double fractionDone);
    QString labelText(double fractionDone) const;

    QString label_;
    std::int32_t period_ = 0; // the period a simulation named last, 0 before any
    std::int32_t periods_ = 0;
    std::chrono::milliseconds delay_;
    QElapsedTimer clock_;
    qint64 labelShownAt_ = 0;
    std::unique_ptr<QProgressDialog> dialog_;
};
