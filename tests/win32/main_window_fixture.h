#pragma once
// A main window built and filled as start-up does, on the test's thread, with
// its settings file in the test program's folder (where the program keeps it)
// removed before and after each test.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/main_window.h"
#include "app/main_window_ids.h"
#include "app/program_state.h"
#include "app/settings.h"
#include "charset/character_set.h"
#include "clock/hotkey.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "temp_folder.h"
#include "test_windows.h"

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
        previewFont_ = GivePreviewFont(window_);
    }
    void TearDown() override {
        UnregisterClockHotkey();
        if (IsWindow(window_)) DestroyWindow(window_);
        previewFont_.Reset();
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

    HWND window_ = nullptr;
    OwnedFont previewFont_;
};
