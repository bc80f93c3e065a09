// The main window's commands, worked through its real controls.

#include <string>
#include <vector>

#include "app/main_window_commands.h"
#include "charset/set_file_io.h"
#include "clock/clock_run.h"
#include "dialog_driver.h"
#include "main_window_fixture.h"

#include <colordlg.h>
#include <dlgs.h>

namespace {

class MainWindowCommands : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        RegisterClockHotkey();
        RefreshMainWindow();
    }

    // Types into a number box and moves the focus on, as tabbing away does.
    void TypeAndLeave(int id, const char* text) {
        SetFocus(Control(id));
        SetWindowTextA(Control(id), text);
        SetFocus(Control(kShowNowButton));
    }
};

TEST_F(MainWindowCommands, ChoosingFromAListSavesTheSettingAtOnce) {
    Choose(kClockStyleBox, 5);
    EXPECT_EQ(ProgramSettings().ClockStyle.Get(), "HHMM (24hr)");
    ExpectedSettingsFile expected;
    expected.clockStyle = "HHMM (24hr)";
    EXPECT_EQ(SettingsFileBytes(), expected.Bytes());
    EXPECT_EQ(Text(kPreview), "HH:MM AM") << "the preview changes at the next tick, not at once";
}

TEST_F(MainWindowCommands, ANewShortcutReplacesTheRegistrationAndIsSaved) {
    MessageBoxWatcher errors("Error");
    ASSERT_FALSE(HotkeyFree(MOD_CONTROL, 'T'));
    Choose(kModifierBox, 4); // Alt+Shift
    EXPECT_TRUE(HotkeyFree(MOD_CONTROL, 'T'));
    EXPECT_FALSE(HotkeyFree(MOD_ALT | MOD_SHIFT, 'T'));
    Choose(kKeyBox, 47); // F12
    EXPECT_TRUE(HotkeyFree(MOD_ALT | MOD_SHIFT, 'T'));
    EXPECT_FALSE(HotkeyFree(MOD_ALT | MOD_SHIFT, VK_F12));
    ExpectedSettingsFile expected;
    expected.modifiers = "Alt+Shift";
    expected.key = "F12";
    EXPECT_EQ(SettingsFileBytes(), expected.Bytes());
    EXPECT_TRUE(errors.Boxes().empty());
}

TEST_F(MainWindowCommands, ARefusedShortcutIsReportedAndStillSaved) {
    OwnedWindow other(CreateWindowExA(0, "STATIC", "other", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      nullptr, nullptr));
    ASSERT_TRUE(RegisterHotKey(other.Get(), 77, MOD_CONTROL | MOD_ALT, 'T'));
    MessageBoxWatcher errors("Error");
    Choose(kModifierBox, 2); // Ctrl+Alt, held by the other window
    const auto boxes = errors.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].texts.find("Error: I could not register your selected hotkey Ctrl+Alt+T -- "
                                  "it may already be in use. Try another key combination."),
              std::string::npos);
    ExpectedSettingsFile expected;
    expected.modifiers = "Ctrl+Alt";
    EXPECT_EQ(SettingsFileBytes(), expected.Bytes());
    EXPECT_TRUE(HotkeyFree(MOD_CONTROL, 'T')) << "the old registration was released";
    UnregisterHotKey(other.Get(), 77);
}

struct NumberCase {
    int id;
    const char* typed;
    const char* shown;
};

TEST_F(MainWindowCommands, ANumberBoxTakesItsRangeWhenLeft) {
    const NumberCase cases[] = {
        {kHeightBox, "10", "50"},           {kHeightBox, "9999", "800"},
        {kHeightBox, "99999999999", "800"}, {kHeightBox, "abc", "50"},
        {kHeightBox, "400.5", "400"},       {kHeightBox, "401.5", "402"},
        {kSlowdownBox, "0", "1"},           {kSlowdownBox, "500", "200"},
        {kAccelerationBox, "0", "1"},       {kAccelerationBox, "11", "10"},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.typed);
        // Each case starts from the defaults, so that every one is a change.
        SetDefaultSettings();
        RefreshMainWindow();
        DeleteFileA(SettingsFile().c_str());
        TypeAndLeave(c.id, c.typed);
        EXPECT_EQ(Text(c.id), c.shown);
        ExpectedSettingsFile expected;
        (c.id == kHeightBox     ? expected.height
         : c.id == kSlowdownBox ? expected.slowdown
                                : expected.acceleration) = c.shown;
        EXPECT_EQ(SettingsFileBytes(), expected.Bytes());
    }
    EXPECT_EQ(ProgramSettings().AccelerationFactor, 10);
}

TEST_F(MainWindowCommands, TheSameNumberWrittenOtherwiseChangesNothing) {
    TypeAndLeave(kHeightBox, "323.0");
    EXPECT_EQ(Text(kHeightBox), "323.0");
    EXPECT_EQ(ProgramSettings().MaxPixelHeight, 323);
    EXPECT_FALSE(SettingsFileExists());

    // Merely passing through a box changes nothing either.
    SetFocus(Control(kSlowdownBox));
    SetFocus(Control(kAccelerationBox));
    SetFocus(Control(kShowNowButton));
    EXPECT_FALSE(SettingsFileExists());
}

TEST_F(MainWindowCommands, TheCheckBoxSavesEachChange) {
    Click(kTrailsCheckBox);
    EXPECT_EQ(ProgramSettings().LeaveMouseTrails, 1);
    ExpectedSettingsFile expected;
    expected.trails = "1";
    EXPECT_EQ(SettingsFileBytes(), expected.Bytes());
    Click(kTrailsCheckBox);
    EXPECT_EQ(ProgramSettings().LeaveMouseTrails, 0);
    expected.trails = "0";
    EXPECT_EQ(SettingsFileBytes(), expected.Bytes());
}

TEST_F(MainWindowCommands, TheCheckBoxLeavesAHandEditedTrailsValueThatStillMeansOn) {
    ProgramSettings().LeaveMouseTrails = 7;
    RefreshMainWindow();
    ASSERT_EQ(IsDlgButtonChecked(window_, kTrailsCheckBox), BST_CHECKED);
    Click(kTrailsCheckBox);
    EXPECT_EQ(ProgramSettings().LeaveMouseTrails, 0);
    Click(kTrailsCheckBox);
    EXPECT_EQ(ProgramSettings().LeaveMouseTrails, 1);
}

void ClickColourField(HWND window) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(kTrailsColorSwatch, STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, kTrailsColorSwatch)));
}

TEST_F(MainWindowCommands, TheColourDialogOpensBlackBesideTheWindowAndItsChoiceIsSaved) {
    ProgramSettings().TrailsColor = RGB(0, 0, 255);
    RECT placed{};
    {
        DialogDriver driver("Color", [&](HWND dialog) {
            GetWindowRect(dialog, &placed);
            Press(dialog, IDOK); // whatever it opened with
        });
        ClickColourField(window_);
        EXPECT_TRUE(driver.Acted());
    }
    EXPECT_EQ(ProgramSettings().TrailsColor, 0) << "the dialog always opens with black";
    RECT main{};
    GetWindowRect(window_, &main);
    EXPECT_EQ(placed.left, main.left + 100);
    EXPECT_EQ(placed.top, main.top + 100);

    {
        DialogDriver driver("Color", [](HWND dialog) {
            TypeInto(dialog, COLOR_RED, "200");
            TypeInto(dialog, COLOR_GREEN, "100");
            TypeInto(dialog, COLOR_BLUE, "50");
            Press(dialog, IDOK);
        });
        ClickColourField(window_);
    }
    EXPECT_EQ(ProgramSettings().TrailsColor, static_cast<int>(RGB(200, 100, 50)));
    EXPECT_EQ(SurfaceBitmapPixel(Control(kTrailsColorSwatch), 3, 3), RGB(200, 100, 50));
    ExpectedSettingsFile expected;
    expected.trailsColor = std::to_string(RGB(200, 100, 50));
    EXPECT_EQ(SettingsFileBytes(), expected.Bytes());
}

TEST_F(MainWindowCommands, CustomColoursAreKeptFromOneOpeningToTheNext) {
    {
        DialogDriver driver("Color", [](HWND dialog) {
            TypeInto(dialog, COLOR_RED, "10");
            TypeInto(dialog, COLOR_GREEN, "120");
            TypeInto(dialog, COLOR_BLUE, "230");
            Press(dialog, COLOR_ADD);
            Press(dialog, IDOK);
        });
        ClickColourField(window_);
    }
    EXPECT_EQ(TrailsCustomColours()[0], RGB(10, 120, 230));

    // The next opening shows it in the first custom colour box.
    COLORREF shown = CLR_INVALID;
    {
        DialogDriver driver("Color", [&](HWND dialog) {
            const HWND boxes = GetDlgItem(dialog, COLOR_CUSTOM1);
            RECT area{};
            GetClientRect(boxes, &area);
            WaitUntil(
                [&] {
                    shown = WindowPixel(boxes, area.right / 16, area.bottom / 4);
                    return shown == RGB(10, 120, 230);
                },
                3000);
            Press(dialog, IDCANCEL);
        });
        ClickColourField(window_);
    }
    EXPECT_EQ(shown, RGB(10, 120, 230));
}

// After the check box in the tab order; it shows when it has the focus, and
// Space or Enter opens the colour dialog as a click does.
TEST_F(MainWindowCommands, TheColourFieldWorksFromTheKeyboard) {
    const HWND field = Control(kTrailsColorSwatch);
    EXPECT_EQ(GetNextDlgTabItem(window_, Control(kTrailsCheckBox), FALSE), field);
    ShowActive();
    SetFocus(field);
    SendMessageA(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    const auto focusShown = [&] {  // a dot of the focus rectangle, one pixel inside the border
        PumpMessages();
        RECT client{};
        GetClientRect(field, &client);
        const COLORREF fill = WindowPixel(field, client.right / 2, client.bottom / 2);
        for (int x = 1; x < client.right - 1; ++x)
            if (WindowPixel(field, x, 1) != fill) return true;
        return false;
    };
    EXPECT_TRUE(WaitUntil(focusShown, 3000));
    for (const WPARAM key : {WPARAM(VK_SPACE), WPARAM(VK_RETURN)}) {
        DialogDriver driver("Color", [](HWND dialog) { Press(dialog, IDCANCEL); });
        MSG press{field, WM_KEYDOWN, key, 1, 0, {}};
        EXPECT_TRUE(IsDialogMessageA(window_, &press));
        EXPECT_TRUE(driver.Acted()) << key;
    }
    SetFocus(Control(kShowNowButton));
    EXPECT_TRUE(WaitUntil([&] { return !focusShown(); }, 3000));
}

TEST_F(MainWindowCommands, CancellingTheColourDialogMeansNoColour) {
    ProgramSettings().TrailsColor = RGB(0, 0, 255);
    {
        DialogDriver driver("Color", [](HWND dialog) { Press(dialog, IDCANCEL); });
        ClickColourField(window_);
    }
    EXPECT_EQ(ProgramSettings().TrailsColor, -1);
    EXPECT_EQ(SurfaceBitmapPixel(Control(kTrailsColorSwatch), 3, 3), GetSysColor(COLOR_BTNFACE));
    ExpectedSettingsFile expected;
    expected.trailsColor = "-1";
    EXPECT_EQ(SettingsFileBytes(), expected.Bytes());
}

// "Browse": the file dialog is worked by typing a name and pressing Open.
class BrowseCommand : public MainWindowCommands {
  protected:
    void Browse(const std::string& name) {
        DialogDriver driver("Please select a file to load from", [&](HWND dialog) {
            RECT main{};
            GetWindowRect(window_, &main);
            GetWindowRect(dialog, &placed_);
            placed_.left -= main.left;
            placed_.top -= main.top;
            char filter[128] = {};
            SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
            filter_ = filter;
            if (name.empty()) {
                Press(dialog, IDCANCEL);
                return;
            }
            const int nameBox = GetDlgItem(dialog, edt1) ? edt1 : cmb13;
            SetDlgItemTextA(dialog, nameBox, name.c_str());
            Press(dialog, IDOK);
        });
        Click(kBrowseButton);
        EXPECT_TRUE(driver.Acted());
    }

    RECT placed_{};
    std::string filter_;
};

GlyphTexts SetInUse() {
    GlyphTexts texts;
    texts[3] = "1,2, 3,4";
    return texts;
}

TEST_F(BrowseCommand, AReadableSetIsLoadedShownAndCounted) {
    TempFolder dir;
    WriteBytes(dir / "hand.set", "10,20, 30,40, 50,60\r\n\r\n7,8, 9,10\r\n");
    ProgramCharacterSet().Load(SetInUse());
    MessageBoxWatcher loaded("Loaded Successfully");
    Browse(dir / "hand.set");

    EXPECT_EQ(placed_.left, 30);
    EXPECT_EQ(placed_.top, 30);
    EXPECT_EQ(filter_, "All mouse movement sets (*.set)");
    const auto boxes = loaded.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].texts.find("Number of data sets of mouse motion digits loaded is 2 with 5 "
                                  "individual coordinates"),
              std::string::npos)
        << boxes[0].texts;
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(Text(kCharacterSetBox), dir / "hand.set");
    EXPECT_EQ(ProgramCharacterSet().Slot(0), "10,20, 30,40, 50,60");
    EXPECT_EQ(ProgramCharacterSet().Slot(3), "");
    // Saved, but the setting still names the set the next start loads.
    EXPECT_EQ(SettingsFileBytes(), ExpectedSettingsFile{}.Bytes());
}

TEST_F(BrowseCommand, ASetThatCannotBeReadIsReportedAndChangesNothing) {
    for (const Unreadable why : {Unreadable::HeldOpen, Unreadable::TooLarge}) {
        SCOPED_TRACE(Describe(why));
        TempFolder dir;
        UnreadableFile unreadable(dir / "busy.set", why);
        ASSERT_TRUE(unreadable.Ready());
        ProgramCharacterSet().Load(SetInUse());
        MessageBoxWatcher loaded("Loaded Successfully");
        MessageBoxWatcher errors("Error");
        Browse(dir / "busy.set");

        EXPECT_TRUE(loaded.Boxes().empty());
        const auto boxes = errors.Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].texts.find("Error: I could not read the file " + (dir / "busy.set") +
                                      " -- it may be in use by another program."),
                  std::string::npos)
            << boxes[0].texts;
        EXPECT_EQ(boxes[0].owner, nullptr);
        EXPECT_TRUE(boxes[0].exStyle & WS_EX_TOPMOST); // system modal
        EXPECT_EQ(Text(kCharacterSetBox), "Default.set");
        EXPECT_EQ(ProgramCharacterSet().All(), SetInUse());
        EXPECT_FALSE(SettingsFileExists());
    }
}

TEST_F(BrowseCommand, CancellingDoesNothing) {
    ProgramCharacterSet().Load(SetInUse());
    MessageBoxWatcher anything("Loaded Successfully");
    Browse("");
    EXPECT_TRUE(anything.Boxes().empty());
    EXPECT_EQ(ProgramCharacterSet().All(), SetInUse());
    EXPECT_FALSE(SettingsFileExists());
}

TEST_F(MainWindowCommands, ResetToDefaultsShowsSavesAndRegistersTheDefaults) {
    Settings& settings = ProgramSettings();
    settings.ClockStyle.Set("HHMM (24hr)");
    settings.ShortcutKeyModifiers.Set("Alt");
    settings.ShortcutKey.Set("F5");
    settings.CharacterSet.Set("elsewhere.set");
    settings.MaxPixelHeight = 100;
    settings.LeaveMouseTrails = 1;
    settings.TrailsColor = -1;
    settings.SlowdownFactor = 9;
    settings.AccelerationFactor = 4;
    UnregisterClockHotkey();
    RegisterClockHotkey();
    RefreshMainWindow();
    ProgramCharacterSet().Clear();
    ASSERT_TRUE(HotkeyFree(MOD_CONTROL, 'T'));

    Click(kResetButton);
    ExpectDefaultsShown();
    EXPECT_FALSE(HotkeyFree(MOD_CONTROL, 'T'));
    EXPECT_TRUE(HotkeyFree(MOD_ALT, VK_F5));
    EXPECT_EQ(SettingsFileBytes(), ExpectedSettingsFile{}.Bytes());
}

TEST_F(MainWindowCommands, ShowNowAndTheShortcutEachStartARunAndRunsOverlap) {
    // Short runs of a small set, far from anything the tests look at.
    GlyphTexts texts;
    for (GlyphSlot slot = 0; slot < kGlyphSlotCount; ++slot)
        texts[slot] = "0,0, 10,10, 20,20";
    ProgramCharacterSet().Load(texts);
    ProgramSettings().SlowdownFactor = 1;
    ASSERT_EQ(ActiveClockRuns(), 0);

    Click(kShowNowButton);
    Click(kShowNowButton);
    EXPECT_EQ(ActiveClockRuns(), 2) << "the second run does not wait for the first";
    SendMessageA(window_, WM_HOTKEY, kClockHotkeyId, MAKELPARAM(MOD_CONTROL, 'T'));
    EXPECT_EQ(ActiveClockRuns(), 3);
    SendMessageA(window_, WM_HOTKEY, 77, 0); // someone else's identifier
    EXPECT_EQ(ActiveClockRuns(), 3);
    EXPECT_TRUE(WaitUntil([] { return ActiveClockRuns() == 0; }, 30000));
}

TEST_F(MainWindowCommands, TheControlWithTheFocusGetsItBackWhenTheWindowIsActivatedAgain) {
    SetFocus(Control(kSlowdownBox));
    SendMessageA(window_, WM_NCACTIVATE, FALSE, 0);
    SetFocus(Control(kShowNowButton));
    SendMessageA(window_, WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(GetFocus(), Control(kSlowdownBox));
}

} // namespace
