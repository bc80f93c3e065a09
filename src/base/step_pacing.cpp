#include "base/step_pacing.h"

#include <algorithm>

StepTimes StartStepTimes(std::int64_t now) {
    return {now, now};
}

std::int64_t ScheduleNextStep(StepTimes& times, std::int64_t now, std::int64_t period,
                              std::int64_t minimumSpacing) {
    period = std::max<std::int64_t>(period, 0);
    std::int64_t due = times.due + period;
    if (now - due > period) due = now + period;
    times.due = due;
    // A step pushed back by the spacing leaves the series on its beat: the
    // one after it is due on time again.
    return std::max(due, times.taken + minimumSpacing);
}
