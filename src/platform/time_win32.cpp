#include "platform/time.h"

#include <windows.h>

TimeOfDay LocalTimeOfDay() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wHour, now.wMinute};
}

void SleepMilliseconds(int milliseconds) { Sleep(milliseconds < 0 ? 0 : milliseconds); }
