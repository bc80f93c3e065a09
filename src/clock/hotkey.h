#pragma once
// The system-wide shortcut key that starts a clock run.

inline constexpr int kClockHotkeyId = 2030;

// Registers ShortcutKeyModifiers + ShortcutKey for the main window under
// kClockHotkeyId; shows the "Error" box when the system refuses.
void RegisterClockHotkey();

// Releases the registration; harmless when there is none.
void UnregisterClockHotkey();
