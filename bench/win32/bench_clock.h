#pragma once
// The benchmarks' stopwatch: the performance counter in milliseconds; and
// their own pause, which stays precise where plain sleeps tick like Windows'
// default timer (under ../shared/tools/coarse-timer), so that it measures the
// program and not itself. It uses no helper of the program, so that the same
// benchmark can be built against an older version of it.

#include <windows.h>

#include "platform/handles.h"

inline double NowMilliseconds() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart * 1000.0 / frequency;
}

inline void BenchPause(double milliseconds) {
    constexpr DWORD kHighResolution = 0x00000002;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
    thread_local const KernelHandle timer(CreateWaitableTimerExW(
        nullptr, nullptr, kHighResolution, TIMER_MODIFY_STATE | SYNCHRONIZE));
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(milliseconds * 10000);
    if (!timer || !SetWaitableTimer(timer.Get(), &due, 0, nullptr, nullptr, FALSE))
        Sleep(static_cast<DWORD>(milliseconds + 0.999));
    else
        WaitForSingleObject(timer.Get(), INFINITE);
}
