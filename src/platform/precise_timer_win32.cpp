#include "platform/precise_timer.h"

#include <atomic>
#include <utility>

#include "platform/system_library.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {

constexpr UINT kResolutionMilliseconds = 1;

std::atomic<bool> g_highResolutionAllowed{true};
std::atomic<long> g_resolutionRaised{0};
std::atomic<long> g_resolutionGivenBack{0};

using TimePeriodFunction = UINT(WINAPI*)(UINT);

// winmm pulls in other DLLs, so it is loaded from the system folder on the
// first timer that needs it, and kept.
struct TimePeriodEntries {
    TimePeriodFunction begin = nullptr;
    TimePeriodFunction end = nullptr;
};
const TimePeriodEntries& TimePeriod() {
    static const TimePeriodEntries entries = [] {
        const HMODULE winmm = LoadSystemLibrary("winmm.dll");
        TimePeriodEntries found{LibraryEntry<TimePeriodFunction>(winmm, "timeBeginPeriod"),
                                LibraryEntry<TimePeriodFunction>(winmm, "timeEndPeriod")};
        if (!found.begin || !found.end) found = {};
        return found;
    }();
    return entries;
}

bool RaiseResolution() {
    const TimePeriodEntries& period = TimePeriod();
    if (!period.begin || period.begin(kResolutionMilliseconds) != 0) return false;
    g_resolutionRaised.fetch_add(1);
    return true;
}

DWORD WholeMilliseconds(std::int64_t microseconds) {
    return static_cast<DWORD>((microseconds + 999) / 1000);
}

}  // namespace

std::int64_t MonotonicMicroseconds() {
    static const std::int64_t perSecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<std::int64_t>(frequency.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    // In two parts, so that a counter of years does not overflow.
    return now.QuadPart / perSecond * 1000000 + now.QuadPart % perSecond * 1000000 / perSecond;
}

PreciseTimer::PreciseTimer() {
    constexpr DWORD access = TIMER_MODIFY_STATE | SYNCHRONIZE;
    if (g_highResolutionAllowed.load())
        timer_.Reset(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                            access));
    if (timer_) return;
    // Older systems refuse the flag. Raising the resolution makes a plain
    // timer (and every other wait of the system) end within a millisecond.
    raisedResolution_ = RaiseResolution();
    timer_.Reset(CreateWaitableTimerExW(nullptr, nullptr, 0, access));
}

PreciseTimer::~PreciseTimer() {
    GiveBackResolution();
}

PreciseTimer::PreciseTimer(PreciseTimer&& other) noexcept
    : timer_(std::move(other.timer_)),
      raisedResolution_(std::exchange(other.raisedResolution_, false)) {}

PreciseTimer& PreciseTimer::operator=(PreciseTimer&& other) noexcept {
    if (this != &other) {
        GiveBackResolution();
        timer_ = std::move(other.timer_);
        raisedResolution_ = std::exchange(other.raisedResolution_, false);
    }
    return *this;
}

void PreciseTimer::GiveBackResolution() {
    if (!std::exchange(raisedResolution_, false)) return;
    TimePeriod().end(kResolutionMilliseconds);
    g_resolutionGivenBack.fetch_add(1);
}

bool PreciseTimer::Arm(std::int64_t microseconds) {
    if (!timer_) return false;
    // Relative, in 100 ns units: the system's clock may be set meanwhile. Each
    // wait is measured afresh from the counter, so lateness never adds up.
    LARGE_INTEGER due;
    due.QuadPart = -microseconds * 10;
    return SetWaitableTimer(timer_.Get(), &due, 0, nullptr, nullptr, FALSE) != FALSE;
}

void PreciseTimer::WaitUntil(std::int64_t until) {
    // A timer may end its wait a hair early against the counter: wait again
    // for the rest, so that a step never comes before its time.
    for (std::int64_t left; (left = until - MonotonicMicroseconds()) > 0;) {
        if (!Arm(left) || WaitForSingleObject(timer_.Get(), INFINITE) == WAIT_FAILED)
            Sleep(WholeMilliseconds(left));
    }
}

bool PreciseTimer::WaitUntilOrMessage(std::int64_t until) {
    const std::int64_t left = until - MonotonicMicroseconds();
    if (left <= 0) return true;
    HANDLE timer = timer_.Get();
    const DWORD result =
        Arm(left)
            ? MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_ALLINPUT, 0)
            : MsgWaitForMultipleObjectsEx(0, nullptr, WholeMilliseconds(left), QS_ALLINPUT, 0);
    if (result == WAIT_FAILED) Sleep(WholeMilliseconds(left));
    return MonotonicMicroseconds() >= until;
}

bool PreciseTimer::WaitUntilOrSignal(std::int64_t until, HANDLE event) {
    // As WaitUntil: never a step before its time, however early a timer ends.
    for (std::int64_t left; (left = until - MonotonicMicroseconds()) > 0;) {
        const HANDLE both[2] = {event, timer_.Get()};
        const DWORD result = Arm(left) ? WaitForMultipleObjects(2, both, FALSE, INFINITE)
                                       : WaitForSingleObject(event, WholeMilliseconds(left));
        if (result == WAIT_OBJECT_0) return false;
        if (result == WAIT_FAILED) Sleep(WholeMilliseconds(left));
    }
    return WaitForSingleObject(event, 0) != WAIT_OBJECT_0;
}

void AllowHighResolutionTimers(bool allowed) {
    g_highResolutionAllowed = allowed;
}

TimerResolutionRequests CountTimerResolutionRequests() {
    return {g_resolutionRaised.load(), g_resolutionGivenBack.load()};
}
