#include "clock/hotkey.h"

#include <gtest/gtest.h>

#include "platform/handles.h"
#include "state/program_state.h"
#include "state/settings.h"
#include "test_windows.h"

namespace {

constexpr int kOtherId = 77;

// A main window to own the registration, and another program's window that
// tries the same combinations.
class ClockHotkey : public ::testing::Test {
protected:
    void SetUp() override {
        SetDefaultSettings();
        main_.Reset(CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr));
        other_.Reset(CreateWindowExA(0, "STATIC", "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr));
        SetMainWindowHandle(main_.Get());
    }
    void TearDown() override {
        UnregisterClockHotkey();
        UnregisterHotKey(other_.Get(), kOtherId);
        SetMainWindowHandle(nullptr);
        SetDefaultSettings();
    }
    // Whether the combination is free: the other window can take it (and gives it back).
    bool Free(UINT modifiers, UINT key) {
        if (!RegisterHotKey(other_.Get(), kOtherId, modifiers, key)) return false;
        UnregisterHotKey(other_.Get(), kOtherId);
        return true;
    }

    OwnedWindow main_;
    OwnedWindow other_;
};

TEST_F(ClockHotkey, RegistersTheChosenCombinationAndReleasesIt) {
    MessageBoxWatcher errors("Error");
    ASSERT_TRUE(Free(MOD_CONTROL, 'T'));
    RegisterClockHotkey();  // defaults: Ctrl+T
    EXPECT_FALSE(Free(MOD_CONTROL, 'T'));
    UnregisterClockHotkey();
    EXPECT_TRUE(Free(MOD_CONTROL, 'T'));
    UnregisterClockHotkey();  // nothing registered: harmless

    ProgramSettings().ShortcutKeyModifiers.Set("Alt+Shift");
    ProgramSettings().ShortcutKey.Set("F12");
    RegisterClockHotkey();
    EXPECT_FALSE(Free(MOD_ALT | MOD_SHIFT, VK_F12));
    EXPECT_TRUE(Free(MOD_CONTROL, 'T'));
    EXPECT_TRUE(errors.Boxes().empty());
}

TEST_F(ClockHotkey, ACombinationHeldElsewhereIsReportedInAnErrorBox) {
    ASSERT_TRUE(RegisterHotKey(other_.Get(), kOtherId, MOD_CONTROL, 'T'));
    MessageBoxWatcher errors("Error");
    RegisterClockHotkey();  // returns once the watcher has pressed OK
    const auto boxes = errors.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].texts.find("Error: I could not register your selected hotkey Ctrl+T -- "
                                  "it may already be in use. Try another key combination."),
              std::string::npos)
        << boxes[0].texts;
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_TRUE(boxes[0].exStyle & WS_EX_TOPMOST);  // system modal
}

}  // namespace
