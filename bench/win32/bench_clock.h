#pragma once
// The benchmarks' stopwatch: the performance counter in milliseconds.

#include <windows.h>

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
