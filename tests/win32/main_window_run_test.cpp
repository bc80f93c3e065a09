// Running the main window until it is closed.

#include <atomic>
#include <thread>

#include "clock/time_text.h"
#include "main_window_fixture.h"
#include "platform/time.h"

namespace {

std::string ControlText(HWND control) {
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

class RunMainWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ProgramSettings().ClockStyle.Set("HH:MM (24hr)");
        RegisterClockHotkey();
        RefreshMainWindow();
    }

    // Runs the window on this thread while `user` works it from another.
    void RunWhile(const std::function<void()>& user) {
        std::thread other(user);
        RunMainWindow();
        other.join();
    }
};

TEST_F(RunMainWindowTest, ThePreviewTicksOnceRunningAndKillEndsTheWindow) {
    // Built but not yet run: no timer, whatever messages flow.
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 1300) {
        PumpMessages();
        Sleep(10);
    }
    EXPECT_EQ(Text(kPreview), "HH:MM AM");

    const HWND preview = Control(kPreview);
    const HWND kill = Control(kKillButton);
    std::string before, shown, expectedEarly, expectedLate;
    bool visible = false;
    RunWhile([&] {
        visible = WaitUntil([&] { return IsWindowVisible(window_) != FALSE; }, 10000);
        before = ControlText(preview);
        const TimeOfDay early = LocalTimeOfDay();
        WaitUntil([&] { return ControlText(preview) != "HH:MM AM"; }, 3000);
        shown = ControlText(preview);
        const TimeOfDay late = LocalTimeOfDay();
        expectedEarly = FormatClockTime("HH:MM (24hr)", early.hour, early.minute);
        expectedLate = FormatClockTime("HH:MM (24hr)", late.hour, late.minute);
        SendMessageA(kill, BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(visible);
    EXPECT_EQ(before, "HH:MM AM");
    EXPECT_TRUE(shown == expectedEarly || shown == expectedLate) << shown;
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(MainWindowHandle(), nullptr);
    EXPECT_TRUE(HotkeyFree(MOD_CONTROL, 'T')) << "the shortcut key was released";
    EXPECT_FALSE(SettingsFileExists()) << "nothing is saved at exit";
}

TEST_F(RunMainWindowTest, TheCloseBoxTakesTheSamePath) {
    RunWhile([&] {
        WaitUntil([&] { return IsWindowVisible(window_) != FALSE; }, 10000);
        SendMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_TRUE(HotkeyFree(MOD_CONTROL, 'T'));
}

TEST_F(RunMainWindowTest, EscapeAndEnterDoNotCloseTheWindow) {
    bool stillThere = false;
    RunWhile([&] {
        WaitUntil([&] { return IsWindowVisible(window_) != FALSE; }, 10000);
        SendMessageA(window_, WM_COMMAND, IDCANCEL, 0);
        SendMessageA(window_, WM_COMMAND, IDOK, 0);
        stillThere = IsWindow(window_) && IsWindowVisible(window_);
        SendMessageA(window_, WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(stillThere);
    EXPECT_FALSE(IsWindow(window_));
}

} // namespace
