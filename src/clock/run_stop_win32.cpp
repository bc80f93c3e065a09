#include "clock/run_stop_win32.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

#include "platform/threads.h"
#include "ui/own_cursor_win32.h"

namespace {

// The Esc key's registration for the thread that holds it; thread hotkeys
// take identifiers below 0xC000.
constexpr int kEscapeHotkeyId = 1;
// Asks that thread to hold Esc while runs exist and to let it go after.
constexpr UINT kMatchRunsMessage = WM_APP + 1;
// How often a long wait (the pause after a character, a slow point) looks
// at the mouse.
constexpr std::int64_t kLookMicroseconds = 20000;

// The stop signal of every run in progress.
std::mutex g_runsLock;
std::vector<HANDLE> g_runs;

std::atomic<DWORD> g_escapeThread{0};

bool RunsInProgress() {
    std::lock_guard guard(g_runsLock);
    return !g_runs.empty();
}

// Holds Esc exactly while runs exist; `held` says whether it is held now.
bool MatchEscapeToRuns(bool held) {
    const bool wanted = RunsInProgress();
    if (wanted && !held)
        return RegisterHotKey(nullptr, kEscapeHotkeyId, MOD_NOREPEAT, VK_ESCAPE) != FALSE;
    if (!wanted && held) UnregisterHotKey(nullptr, kEscapeHotkeyId);
    return wanted && held;
}

// Esc arrives here as a key of this thread, whichever window has the focus.
// The thread lives as long as the program, idle in its message loop.
void EscapeKeyThread(void* ready) {
    MSG message;
    PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE); // its queue exists now
    g_escapeThread = GetCurrentThreadId();
    SetEvent(static_cast<HANDLE>(ready));
    bool held = false;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_HOTKEY && message.wParam == kEscapeHotkeyId)
            StopClockRuns();
        else if (message.message == kMatchRunsMessage)
            held = MatchEscapeToRuns(held);
    }
}

// Tells the Esc thread that runs began or ended, starting it the first time.
void MatchEscapeSoon() {
    static const bool started = [] {
        KernelHandle ready(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        if (!ready || !StartWorkerThread(EscapeKeyThread, ready.Get())) return false;
        WaitForSingleObject(ready.Get(), INFINITE);
        return true;
    }();
    if (started) PostThreadMessageA(g_escapeThread, kMatchRunsMessage, 0, 0);
}

} // namespace

void StopClockRuns() {
    std::lock_guard guard(g_runsLock);
    for (HANDLE run : g_runs)
        SetEvent(run);
}

RunStop::RunStop() : stopped_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    bool first = false;
    {
        std::lock_guard guard(g_runsLock);
        first = g_runs.empty();
        g_runs.push_back(stopped_.Get());
    }
    // Wherever the cursor went between runs, the new ones start afresh.
    if (first) OwnCursorTurn().StartAfresh();
    MatchEscapeSoon();
}

RunStop::~RunStop() {
    {
        std::lock_guard guard(g_runsLock);
        const auto self = std::find(g_runs.begin(), g_runs.end(), stopped_.Get());
        if (self != g_runs.end()) g_runs.erase(self);
    }
    MatchEscapeSoon();
}

bool RunStop::Stopped() const {
    return WaitForSingleObject(stopped_.Get(), 0) == WAIT_OBJECT_0;
}

bool RunStop::Wait(StepSchedule& schedule, int milliseconds) {
    const std::int64_t due = BeginNextStep(schedule, milliseconds);
    for (;;) {
        const std::int64_t look = std::min(due, MonotonicMicroseconds() + kLookMicroseconds);
        if (!schedule.timer.WaitUntilOrSignal(look, stopped_.Get())) return false;
        if (OwnCursorTurn().MovedByHand(stopped_.Get())) {
            StopClockRuns();
            return false;
        }
        if (look == due) break;
    }
    NoteStepTaken(schedule);
    return true;
}

bool RunStop::MoveCursor(ScreenPoint point) {
    OwnCursorTurn turn;
    if (Stopped()) return false;
    if (turn.MovedByHand(stopped_.Get())) {
        StopClockRuns();
        return false;
    }
    turn.Move(point);
    return true;
}
