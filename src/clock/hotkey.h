#pragma once
// The system-wide shortcut key that starts a clock run.

#include <windows.h>

inline constexpr int kClockHotkeyId = 2030;

// Registers ShortcutKeyModifiers + ShortcutKey for the main window under
// kClockHotkeyId, without the keyboard's repeats; shows the "Error" box when
// the system refuses.
void RegisterClockHotkey();

// Releases the registration; harmless when there is none.
void UnregisterClockHotkey();

// Whether the main window's WM_HOTKEY message for the clock's key (`keys`
// is its lParam) is a new press: false for a repeat while the key that
// started a run is still held. Some systems repeat a held hotkey whatever
// the registration asks, so the key is watched until it is let go.
bool IsNewClockHotkeyPress(HWND window, LPARAM keys);
