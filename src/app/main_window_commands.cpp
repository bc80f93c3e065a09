// The main window's commands: each changed setting is saved at once.

#include "app/main_window_commands.h"

#include <windows.h>
#include <commdlg.h>

#include <atomic>
#include <string>

#include "app/main_window.h"
#include "app/main_window_ids.h"
#include "app/number_box.h"
#include "base/number_text.h"
#include "base/text.h"
#include "charset/creator_window.h"
#include "charset/set_file_io.h"
#include "clock/clock_run.h"
#include "clock/hotkey.h"
#include "platform/files.h"
#include "state/settings.h"
#include "state/settings_storage.h"
#include "ui/file_dialog_win32.h"

namespace {

// A button's click; a double click counts the same.
bool Clicked(int code) {
    return code == BN_CLICKED || code == BN_DOUBLECLICKED;
}

std::string WindowText(HWND control) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The text of a list's selection; none when nothing is selected.
std::optional<std::string> SelectedText(HWND window, int id) {
    const HWND list = GetDlgItem(window, id);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return std::nullopt;
    return ListEntry(list, index);
}

void ChooseClockStyle(HWND window) {
    const auto style = SelectedText(window, kClockStyleBox);
    if (!style) return;
    ProgramSettings().ClockStyle.Set(*style);
    WriteSettingsFile();
}

// A new modifier or key: the old registration goes first, so that at most one
// exists; a refused combination is kept and saved all the same.
void ChooseShortcut(HWND window, int id, SharedText& setting) {
    const auto name = SelectedText(window, id);
    if (!name) return;
    setting.Set(*name);
    UnregisterClockHotkey();
    RegisterClockHotkey();
    WriteSettingsFile();
}

void ApplyNumberBox(HWND window, int id, std::atomic<std::int32_t>& setting, NumberRange range) {
    const HWND box = GetDlgItem(window, id);
    const auto value = NumberBoxValue(WindowText(box), setting.load(), range);
    if (!value) return;
    setting = *value;
    SetWindowTextA(box, FormatNumber(*value).c_str());
    WriteSettingsFile();
}

void ToggleTrails(HWND window) {
    const std::int32_t trails = IsDlgButtonChecked(window, kTrailsCheckBox) == BST_CHECKED ? 1 : 0;
    Settings& settings = ProgramSettings();
    if (trails == settings.LeaveMouseTrails) return;
    settings.LeaveMouseTrails = trails;
    WriteSettingsFile();
}

// Loads a set file chosen by the user. The CharacterSet setting is left as it
// is: the loaded set is used until the program ends or another is loaded.
void BrowseForSet(HWND window) {
    constexpr DWORD kFlags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                             OFN_CREATEPROMPT | OFN_ENABLESIZING;
    static_assert(kFlags == 0x803802);
    const std::string name(TrimBlanks(
        AskSetFileName(window, SetFileDialog::Open, "Please select a file to load from", kFlags)));
    if (!IsPlainFile(name)) return;
    const SetFileLoad load = ReadSetFile(name);
    if (load.unreadable) {
        // Nothing was loaded, so nothing may claim it was: the set in use, the
        // box and the settings file stay as they were.
        ShowSetFileUnreadable(name);
        return;
    }
    SetDlgItemTextA(window, kCharacterSetBox, name.c_str());
    ShowSetFileLoaded(load);
    WriteSettingsFile();
}

void ResetToDefaults() {
    SetDefaultSettings();
    UnregisterClockHotkey();
    RegisterClockHotkey();
    RefreshMainWindow();
    WriteSettingsFile();
}

} // namespace

void OnMainWindowCommand(HWND window, int id, int code) {
    Settings& settings = ProgramSettings();
    switch (id) {
    case kClockStyleBox:
        if (code == CBN_SELENDOK) ChooseClockStyle(window);
        break;
    case kModifierBox:
        if (code == CBN_SELENDOK) ChooseShortcut(window, id, settings.ShortcutKeyModifiers);
        break;
    case kKeyBox:
        if (code == CBN_SELENDOK) ChooseShortcut(window, id, settings.ShortcutKey);
        break;
    case kShowNowButton:
        if (Clicked(code)) StartClockRun();
        break;
    case kBrowseButton:
        if (Clicked(code)) BrowseForSet(window);
        break;
    case kEditButton:
        // The Creator is modal over this window; nothing is refreshed after it.
        if (Clicked(code)) RunCreatorDialog(window);
        break;
    case kHeightBox:
        if (code == EN_KILLFOCUS) ApplyNumberBox(window, id, settings.MaxPixelHeight, {50, 800});
        break;
    case kSlowdownBox:
        if (code == EN_KILLFOCUS) ApplyNumberBox(window, id, settings.SlowdownFactor, {1, 200});
        break;
    case kAccelerationBox:
        if (code == EN_KILLFOCUS) ApplyNumberBox(window, id, settings.AccelerationFactor, {1, 10});
        break;
    case kTrailsCheckBox:
        if (code == BN_CLICKED) ToggleTrails(window);
        break;
    case kTrailsColorSwatch:
        if (code == STN_CLICKED) ChooseTrailsColor(window);
        break;
    case kResetButton:
        if (Clicked(code)) ResetToDefaults();
        break;
    case kKillButton:
        if (Clicked(code)) SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    }
}
