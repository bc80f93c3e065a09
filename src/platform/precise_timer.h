#pragma once
// The one precise wait of a thread that paces something: a recording, a
// clock run, an animated view. Windows' own sleeps end at its timer's tick,
// every 15.625 ms unless a program asks for more, which is too coarse for a
// 5 or 10 ms step. A high-resolution waitable timer (Windows 10 1803 and
// later) is precise without changing anything for the rest of the system.
// Where there is none, a plain waitable timer is used and the system's timer
// resolution is raised to 1 ms for as long as the timer lives: the program
// never holds a raised resolution while it idles.

#include <windows.h>

#include <cstdint>

#include "platform/handles.h"

// The performance counter in microseconds: the clock every wait is set on.
std::int64_t MonotonicMicroseconds();

class PreciseTimer {
public:
    PreciseTimer();
    ~PreciseTimer();
    PreciseTimer(const PreciseTimer&) = delete;
    PreciseTimer& operator=(const PreciseTimer&) = delete;
    PreciseTimer(PreciseTimer&& other) noexcept;
    PreciseTimer& operator=(PreciseTimer&& other) noexcept;

    // Waits until MonotonicMicroseconds() reaches `until`; returns at once when
    // it has.
    void WaitUntil(std::int64_t until);

    // For a window's thread: waits until `until` or until a message comes for
    // the thread that was not there at its last look into its queue. True when
    // the time has come.
    bool WaitUntilOrMessage(std::int64_t until);

    // Waits until `until` or until `event` is signalled, whichever comes
    // first. True when the time has come, false when the event came first.
    bool WaitUntilOrSignal(std::int64_t until, HANDLE event);

private:
    // Sets the timer to go off `microseconds` from now; false without a timer.
    bool Arm(std::int64_t microseconds);
    void GiveBackResolution();

    KernelHandle timer_;
    bool raisedResolution_ = false;
};

// For tests: whether timers may be high-resolution ones; false makes every
// timer made afterwards take the older systems' way.
void AllowHighResolutionTimers(bool allowed);

// How often a timer has raised the system's timer resolution (and had it
// granted), and how often it gave it back, since the program started.
struct TimerResolutionRequests {
    long raised = 0;
    long givenBack = 0;
};
TimerResolutionRequests CountTimerResolutionRequests();
