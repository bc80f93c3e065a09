#include "platform/time.h"

#include <windows.h>

TimeOfDay LocalTimeOfDay() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wHour, now.wMinute};
}

void SleepMilliseconds(int milliseconds) {
    Sleep(milliseconds < 0 ? 0 : milliseconds);
}

namespace {
long long Ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}
long long TicksPerSecond() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}
}  // namespace

StepSchedule StartSchedule() {
    return {Ticks()};
}

void WaitNextStep(StepSchedule& schedule, int milliseconds) {
    const long long perSecond = TicksPerSecond();
    const long long step =
        static_cast<long long>(milliseconds < 0 ? 0 : milliseconds) * perSecond / 1000;
    schedule.due += step;
    const long long now = Ticks();
    if (now - schedule.due > step) {
        schedule.due = now + step;
        SleepMilliseconds(milliseconds);
        return;
    }
    if (schedule.due > now) {
        const long long remaining = schedule.due - now;
        SleepMilliseconds(static_cast<int>((remaining * 1000 + perSecond - 1) / perSecond));
    }
}
