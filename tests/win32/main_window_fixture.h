#pragma once
// A main window built and filled as start-up does, on the test's thread, with
// its settings file in the test program's folder (where the program keeps it)
// removed before and after each test.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/main_window.h"
#include "app/main_window_ids.h"
#include "charset/character_set.h"
#include "clock/hotkey.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "state/program_state.h"
#include "state/settings.h"
#include "temp_folder.h"
#include "test_windows.h"
#include "ui/drawing_surface.h"

// Whether another window can take a combination (and it gives it back at once).
inline bool HotkeyFree(UINT modifiers, UINT key) {
    OwnedWindow other(CreateWindowExA(0, "STATIC", "other", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      nullptr, nullptr));
    if (!RegisterHotKey(other.Get(), 77, modifiers, key)) return false;
    UnregisterHotKey(other.Get(), 77);
    return true;
}

// The nine lines the settings file should hold, written out independently of
// the program's formatter; every field starts at its default.
struct ExpectedSettingsFile {
    std::string trailsColor = "0";
    std::string clockStyle = "HH:MM (12hr)";
    std::string modifiers = "Ctrl";
    std::string key = "T";
    std::string characterSet = "Default.set";
    std::string height = "323";
    std::string trails = "0";
    std::string slowdown = "5";
    std::string acceleration = "2";

    std::string Bytes() const {
        return "TrailsColor: " + trailsColor + "\r\nClockStyle: " + clockStyle +
               "\r\nShortcutKeyModifiers: " + modifiers + "\r\nShortcutKey: " + key +
               "\r\nCharacterSet: " + characterSet + "\r\nMaxPixelHeight: " + height +
               "\r\nLeaveMouseTrails: " + trails + "\r\nSlowdownFactor: " + slowdown +
               "\r\nAccelerationFactor: " + acceleration + "\r\n";
    }
};

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteFileA(SettingsFile().c_str());
        ProgramCharacterSet().Clear();
        SetDefaultSettings();
        window_ = BuildMainWindow();
        ASSERT_NE(window_, nullptr);
        GivePreviewFont(window_);
    }
    void TearDown() override {
        UnregisterClockHotkey();
        if (IsWindow(window_)) DestroyWindow(window_);
        DeleteFileA(SettingsFile().c_str());
        ProgramCharacterSet().Clear();
        SetDefaultSettings();
    }

    static std::string SettingsFile() { return ProgramFolder() + "spindrift-clock.ini"; }
    static bool SettingsFileExists() { return FileExists(SettingsFile()); }
    static std::string SettingsFileBytes() { return ReadBytes(SettingsFile()); }

    HWND Control(int id) const { return GetDlgItem(window_, id); }
    std::string Text(int id) const {
        char text[1024] = {};
        GetWindowTextA(Control(id), text, sizeof text);
        return text;
    }
    int Selection(int id) const {
        return static_cast<int>(SendMessageA(Control(id), CB_GETCURSEL, 0, 0));
    }
    // Shows the window and makes it the active one, so that focus moves as a
    // user's clicks would move it.
    void ShowActive() {
        ShowWindow(window_, SW_SHOWNORMAL);
        SetForegroundWindow(window_);
        SetActiveWindow(window_);
        PumpMessages();
    }
    // Chooses a list entry as the list's own dropdown does when a choice is
    // confirmed.
    void Choose(int id, int index) {
        SendMessageA(Control(id), CB_SETCURSEL, index, 0);
        SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK),
                     reinterpret_cast<LPARAM>(Control(id)));
    }
    void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }

    // Every control shows the default settings, and the built-in set is in use.
    void ExpectDefaultsShown() const {
        EXPECT_EQ(Selection(kClockStyleBox), 1);
        EXPECT_EQ(Selection(kModifierBox), 0);
        EXPECT_EQ(Selection(kKeyBox), 29); // "T"
        EXPECT_EQ(Text(kCharacterSetBox), "Default.set");
        EXPECT_EQ(Text(kHeightBox), "323");
        EXPECT_EQ(IsDlgButtonChecked(window_, kTrailsCheckBox), BST_UNCHECKED);
        EXPECT_EQ(Text(kSlowdownBox), "5");
        EXPECT_EQ(Text(kAccelerationBox), "2");
        EXPECT_EQ(SurfaceBitmapPixel(Control(kTrailsColorSwatch), 3, 3), RGB(0, 0, 0));
        EXPECT_FALSE(ProgramCharacterSet().Slot(0).empty()) << "the built-in set is loaded";
    }

    HWND window_ = nullptr;
};
