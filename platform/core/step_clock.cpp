#include "platform/core/step_clock.h"

#include <algorithm>
#include <cmath>

StepPlan planSteps(double owed, double elapsed, int stepsPerSecond) {
    if (stepsPerSecond <= 0) stepsPerSecond = 100;
    // After a stall one step keeps things moving and the schedule starts afresh.
    if (elapsed > STEP_STALL_SECONDS) return {1, 0};
    const double due = owed + std::max(elapsed, 0.0) * stepsPerSecond;
    const int steps = std::max(0, static_cast<int>(std::floor(due + 0.5)));
    return {steps, due - steps};
}
