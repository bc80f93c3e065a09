#include "clock/hotkey.h"

#include <windows.h>

#include <string>

#include "app/program_state.h"
#include "app/settings.h"
#include "clock/hotkey_names.h"

void RegisterClockHotkey() {
    Settings& settings = ProgramSettings();
    const std::string modifiers = settings.ShortcutKeyModifiers.Get();
    const std::string key = settings.ShortcutKey.Get();
    if (RegisterHotKey(MainWindowHandle(), kClockHotkeyId, HotkeyModifierFlags(modifiers),
                       HotkeyKeyCode(key)))
        return;
    const std::string message = "Error: I could not register your selected hotkey " + modifiers +
                                "+" + key +
                                " -- it may already be in use. Try another key combination.";
    MessageBoxA(nullptr, message.c_str(), "Error", MB_ICONERROR | MB_SYSTEMMODAL);
}

void UnregisterClockHotkey() {
    UnregisterHotKey(MainWindowHandle(), kClockHotkeyId);
}
