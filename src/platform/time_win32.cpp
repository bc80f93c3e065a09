#include "platform/time.h"

#include <windows.h>

TimeOfDay LocalTimeOfDay() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wHour, now.wMinute};
}

namespace {

constexpr std::int64_t kMicrosecondsPerMillisecond = 1000;

void WaitFor(StepSchedule& schedule, std::int64_t due) {
    schedule.timer.WaitUntil(due);
    NoteStepTaken(schedule);
}

}  // namespace

StepSchedule StartSchedule() {
    StepSchedule schedule;
    RestartSchedule(schedule);
    return schedule;
}

void RestartSchedule(StepSchedule& schedule) {
    schedule.times = StartStepTimes(MonotonicMicroseconds());
}

std::int64_t BeginNextStep(StepSchedule& schedule, int milliseconds) {
    return ScheduleNextStep(schedule.times, MonotonicMicroseconds(),
                            milliseconds * kMicrosecondsPerMillisecond, 0);
}

void NoteStepTaken(StepSchedule& schedule) {
    schedule.times.taken = MonotonicMicroseconds();
}

void WaitNextStep(StepSchedule& schedule, int milliseconds) {
    WaitFor(schedule, BeginNextStep(schedule, milliseconds));
}

void WaitNextSample(StepSchedule& schedule, int milliseconds) {
    const std::int64_t period = milliseconds * kMicrosecondsPerMillisecond;
    WaitFor(schedule, ScheduleNextStep(schedule.times, MonotonicMicroseconds(), period,
                                       SampleSpacing(period)));
}
