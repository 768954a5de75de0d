#include "core/progress_report.h"

#include "core/floating_point_faults.h"
#include "core/vector_state.h"

#include <algorithm>

namespace {

constexpr std::int32_t SamplesPerReport = 65536;

} // namespace

ProgressReport::ProgressReport(SimulationObserver* observer, std::int32_t samplesPerPeriod,
                               std::int32_t periods)
    : observer_(observer), periodsPerReport_(std::max(1, SamplesPerReport / samplesPerPeriod)),
      periodsToReport_(periodsPerReport_), periods_(static_cast<double>(periods)) {}

bool ProgressReport::keepGoing(std::int32_t periodsDone) {
    if (observer_ == nullptr || --periodsToReport_ > 0) {
        return true;
    }
    periodsToReport_ = periodsPerReport_;
    const bool goOn = observer_->keepGoing(static_cast<double>(periodsDone) / periods_);
    // Whatever the listener computed, its floating-point flags are not the simulation's faults,
    // and its vector state must not slow the periods that follow.
    ClearFloatingPointFaults();
    ClearUpperVectorState();
    return goOn;
}
