// One run per press of the shortcut key, however long it is held.

#include "clock/hotkey.h"

namespace {

// The main window's timer that looks for the key's release (2029 is the
// preview's).
constexpr UINT_PTR kReleaseTimerId = 2032;
constexpr UINT kReleaseLookMilliseconds = 15;

// The key whose press started the last run, while it is still held.
struct HeldKey {
    HWND window = nullptr;
    UINT key = 0;
};
HeldKey g_held;

void CALLBACK LookForRelease(HWND window, UINT, UINT_PTR timer, DWORD) {
    if (GetAsyncKeyState(static_cast<int>(g_held.key)) & 0x8000) return;
    g_held = {};
    KillTimer(window, timer);
}

} // namespace

bool IsNewClockHotkeyPress(HWND window, LPARAM keys) {
    const UINT key = HIWORD(keys);
    if (g_held.window == window && g_held.key == key) return false;
    // Without the timer the release would go unseen: then every message counts.
    if (SetTimer(window, kReleaseTimerId, kReleaseLookMilliseconds, LookForRelease))
        g_held = {window, key};
    return true;
}
