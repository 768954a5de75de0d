#include "core/progress_report.h"

#include "core/floating_point_faults.h"
#include "core/vector_state.h"

#include <algorithm>

ProgressReport::ProgressReport(SimulationObserver* observer, std::int32_t stepsPerReport,
                               std::int32_t samplesPerPeriod, std::int32_t periods)
    : observer_(observer), stepsPerReport_(stepsPerReport),
      periodsPerReport_(std::max(1, stepsPerReport / samplesPerPeriod)),
      periodsToReport_(periodsPerReport_), samplesPerPeriod_(static_cast<double>(samplesPerPeriod)),
      periods_(static_cast<double>(periods)) {}

std::int32_t ProgressReport::stepsPerReport() const {
    return stepsPerReport_;
}

bool ProgressReport::keepGoingBeforePeriods() {
    return observer_ == nullptr || report(0.0);
}

bool ProgressReport::keepGoingWithin(std::int32_t period, std::int32_t step) {
    if (observer_ == nullptr) {
        return true;
    }
    const double periodsDone = static_cast<double>(period - 1);
    return report((periodsDone + static_cast<double>(step) / samplesPerPeriod_) / periods_);
}

bool ProgressReport::keepGoing(std::int32_t periodsDone) {
    if (observer_ == nullptr || --periodsToReport_ > 0) {
        return true;
    }
    periodsToReport_ = periodsPerReport_;
    return report(static_cast<double>(periodsDone) / periods_);
}

bool ProgressReport::report(double fractionDone) {
    const bool goOn = observer_->keepGoing(fractionDone);
    // Whatever the listener computed, its floating-point flags are not the simulation's faults,
    // and its vector state must not slow the steps that follow.
    ClearFloatingPointFaults();
    ClearUpperVectorState();
    return goOn;
}
