#include "clock/hotkey.h"

#include <windows.h>

#include <string>

#include "clock/hotkey_names.h"
#include "state/program_state.h"
#include "state/settings.h"

namespace {

// A name from a hand-edited settings file can be of any length; the message
// shows its start, enough to recognise it.
std::string ShownName(const SharedString& name) {
    constexpr std::size_t kShown = 64;
    return name.size() <= kShown ? name.Str() : name.Str().substr(0, kShown) + "...";
}

} // namespace

void RegisterClockHotkey() {
    Settings& settings = ProgramSettings();
    const SharedString modifiers = settings.ShortcutKeyModifiers.Get();
    const SharedString key = settings.ShortcutKey.Get();
    // A held key would otherwise start one run per repeat of the keyboard.
    if (RegisterHotKey(MainWindowHandle(), kClockHotkeyId,
                       HotkeyModifierFlags(modifiers.View()) | MOD_NOREPEAT,
                       HotkeyKeyCode(key.View())))
        return;
    const std::string message = "Error: I could not register your selected hotkey " +
                                ShownName(modifiers) + "+" + ShownName(key) +
                                " -- it may already be in use. Try another key combination.";
    MessageBoxA(nullptr, message.c_str(), "Error", MB_ICONERROR | MB_SYSTEMMODAL);
}

void UnregisterClockHotkey() {
    UnregisterHotKey(MainWindowHandle(), kClockHotkeyId);
}
