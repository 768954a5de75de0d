#pragma once

#include "core/window_operations.h"

#include <QElapsedTimer>
#include <chrono>
#include <memory>

class QProgressDialog;

// Keeps the application alive during a long simulation. Until `delay` has passed it only lets
// the windows repaint (clicks wait); then a modal "Simulazione in corso..." dialog with an
// "Annulla" button appears, which blocks every other window, so no other handler can start,
// and whose button stops the run.
class ProgressObserver : public SimulationObserver {
public:
    explicit ProgressObserver(std::chrono::milliseconds delay = std::chrono::milliseconds(500));
    ~ProgressObserver() override;
    ProgressObserver(const ProgressObserver&) = delete;
    ProgressObserver& operator=(const ProgressObserver&) = delete;

    bool keepGoing(double fractionDone) override;

private:
    void openDialog();

    std::chrono::milliseconds delay_;
    QElapsedTimer clock_;
    std::unique_ptr<QProgressDialog> dialog_;
};
