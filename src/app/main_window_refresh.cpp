// Filling the main window from the settings.

#include <optional>
#include <string>

#include "app/main_window.h"
#include "app/main_window_commands.h"
#include "app/main_window_ids.h"
#include "base/number_text.h"
#include "charset/set_file_io.h"
#include "platform/files.h"
#include "state/program_state.h"
#include "state/settings.h"

std::optional<std::string> ListEntry(HWND list, LRESULT index) {
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return std::nullopt;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    if (copied == CB_ERR) return std::nullopt;
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

namespace {

// Selects the first entry that equals the text byte for byte (the list's own
// search ignores case); leaves the selection alone when none does.
void SelectEntry(HWND window, int id, const SharedString& text) {
    const HWND list = GetDlgItem(window, id);
    const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        const auto entry = ListEntry(list, i);
        if (entry && *entry == text.View()) {
            SendMessageA(list, CB_SETCURSEL, i, 0);
            return;
        }
    }
}

// No path is longer than kLongestPathBytes, so a longer setting (from a
// hand-edited file) names no file; the box shows as much of it as a path could
// hold rather than hand an edit control hundreds of megabytes.
void ShowSetName(HWND window, int id, const SharedString& setting) {
    const std::string shown(setting.View().substr(0, kLongestPathBytes));
    SetDlgItemTextA(window, id, shown.c_str());
}

void ShowNumber(HWND window, int id, std::int32_t value) {
    SetDlgItemTextA(window, id, FormatNumber(value).c_str());
}

} // namespace

void RefreshMainWindow() {
    const HWND window = MainWindowHandle();
    Settings& settings = ProgramSettings();
    SelectEntry(window, kClockStyleBox, settings.ClockStyle.Get());
    SelectEntry(window, kModifierBox, settings.ShortcutKeyModifiers.Get());
    SelectEntry(window, kKeyBox, settings.ShortcutKey.Get());
    PaintTrailsColorSwatch();
    LoadCurrentSet();
    ShowSetName(window, kCharacterSetBox, settings.CharacterSet.Get());
    ShowNumber(window, kHeightBox, settings.MaxPixelHeight);
    CheckDlgButton(window, kTrailsCheckBox,
                   settings.LeaveMouseTrails != 0 ? BST_CHECKED : BST_UNCHECKED);
    ShowNumber(window, kSlowdownBox, settings.SlowdownFactor);
    ShowNumber(window, kAccelerationBox, settings.AccelerationFactor);
}
