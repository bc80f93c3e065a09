// The Character Creator window: its layout, keyboard table, modality and
// lifetime, driven from the test's thread.

#include "charset/creator_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "charset/character_set.h"
#include "charset/creator_layout.h"
#include "charset/creator_state.h"
#include "creator_session.h"
#include "platform/handles.h"
#include "test_windows.h"

namespace {

RECT ClientRectOf(HWND control) {
    RECT at{};
    GetWindowRect(control, &at);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&at), 2);
    return at;
}

RECT DialogToPixels(HWND window, int x, int y, int width, int height) {
    RECT r{x, y, x + width, y + height};
    MapDialogRect(window, &r);
    return r;
}

void ExpectAt(HWND window, int id, int x, int y, int width, int height) {
    const RECT expected = DialogToPixels(window, x, y, width, height);
    const RECT actual = ClientRectOf(GetDlgItem(window, id));
    EXPECT_EQ(actual.left, expected.left) << id;
    EXPECT_EQ(actual.top, expected.top) << id;
    EXPECT_EQ(actual.right, expected.right) << id;
    EXPECT_EQ(actual.bottom, expected.bottom) << id;
}

std::string TextOf(HWND control) {
    char text[2048] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

bool WaitForSlot(int slot) {
    return WaitUntil([slot] { return ProgramCreatorState().RecordingSlot == slot; });
}

TEST(CreatorWindow, ControlsStandWhereTheyBelongInCreationOrder) {
    CreatorTestState clean;
    CreatorSession creator;
    const HWND window = creator.Window();
    ASSERT_TRUE(window);

    char caption[128] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Mouse Motion Capture Character Creator");
    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    // Popup, visible, clipping siblings, caption and system menu; no minimise
    // or maximise box.
    EXPECT_EQ(style & 0xFFFF0000u, 0x94C80000u);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    EXPECT_EQ(GetWindow(window, GW_OWNER), creator.Owner());
    // Centred on the screen.
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 2);

    std::vector<int> ids;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ids.push_back(GetDlgCtrlID(child));
    std::vector<int> expected{1001};
    for (int s = 0; s < 13; ++s) expected.push_back(1500 + s);
    for (int s = 0; s < 13; ++s) expected.push_back(1600 + s);
    for (int id : {1034, 1023, 1033, 1030, 1031, 1032}) expected.push_back(id);
    EXPECT_EQ(ids, expected);

    // The drawing area placed as the dialog manager places a template's
    // control, its corner and its size each converted: exactly the 155 x 200
    // units its recordings are measured in.
    RECT area{5, 5, 155, 200};
    MapDialogRect(window, &area);
    const RECT placed = ClientRectOf(creator.Control(1001));
    EXPECT_EQ(placed.left, area.left);
    EXPECT_EQ(placed.top, area.top);
    EXPECT_EQ(placed.right - placed.left, area.right);
    EXPECT_EQ(placed.bottom - placed.top, area.bottom);
    EXPECT_TRUE(GetWindowLongA(creator.Control(1001), GWL_STYLE) & WS_BORDER);
    EXPECT_TRUE(GetWindowLongA(creator.Control(1001), GWL_STYLE) & SS_NOTIFY);
    EXPECT_EQ(AccessibleName(creator.Control(1001)), "Drawing area");
    const char* labels[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ":", "AM", "PM"};
    const int rows[] = {5, 20, 35, 50, 65, 80, 95, 110, 125, 140, 160, 175, 190};
    for (int s = 0; s < 13; ++s) {
        ExpectAt(window, 1500 + s, 170, rows[s], 25, 15);
        ExpectAt(window, 1600 + s, 205, rows[s], 25, 15);
        EXPECT_EQ(TextOf(creator.Control(1500 + s)), labels[s]);
        EXPECT_EQ(TextOf(creator.Control(1600 + s)), labels[s]);
    }
    ExpectAt(window, 1034, 240, 5, 135, 140);
    ExpectAt(window, 1023, 240, 150, 65, 15);
    ExpectAt(window, 1033, 240, 190, 65, 15);
    ExpectAt(window, 1030, 310, 150, 65, 15);
    ExpectAt(window, 1031, 310, 170, 65, 15);
    ExpectAt(window, 1032, 310, 190, 65, 15);
    EXPECT_EQ(TextOf(creator.Control(1023)), "Stop Recording");
    EXPECT_EQ(TextOf(creator.Control(1033)), "Quit Editor");
    EXPECT_EQ(TextOf(creator.Control(1030)), "Load Set");
    EXPECT_EQ(TextOf(creator.Control(1031)), "New Set");
    EXPECT_EQ(TextOf(creator.Control(1032)), "Save Set");
    EXPECT_EQ(TextOf(creator.Control(1034)),
              "Instead of pushing the left column of buttons, press \"0\" through \"9\" as well "
              "as \":\", \"A\", and \"P\" to begin recording a character (it will actually start "
              "the instant you move the mouse), and then the space bar to stop recording (or "
              "click the mouse button to stop). Note that all pauses and drawing speed will be "
              "recorded as well as just the motion. Afterwards, pressing the buttons in the "
              "right column let you view them (click a second time to view with animation). "
              "The new, save, and load buttons let you create new sets, save the current set, "
              "or load an older one.");

    // Controls use the window's font until a recording or a load changes them:
    // the record buttons and the commands, that is.
    const FontSeen windowFont = ControlFont(window);
    EXPECT_EQ(windowFont.face, "MS Sans Serif");
    EXPECT_EQ(ControlFont(creator.Control(1500)).height, windowFont.height);
    EXPECT_EQ(ControlFont(creator.Control(1032)).height, windowFont.height);
    // An empty set: every view button plain.
    for (int s = 0; s < 13; ++s) {
        EXPECT_EQ(ControlFont(creator.Control(1600 + s)).height, FontHeightFor(8));
        EXPECT_EQ(ControlFont(creator.Control(1600 + s)).weight, FW_NORMAL);
    }
}

TEST(CreatorWindow, IsModalOverItsOwnerWhoseTimerGoesOn) {
    CreatorTestState clean;
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());
    EXPECT_FALSE(creator.OwnerEnabledWhileOpen());
    const int ticks = creator.OwnerTimerTicks();
    EXPECT_TRUE(WaitUntil([&] { return creator.OwnerTimerTicks() >= ticks + 3; }, 3000));
    // "Quit Editor" ends it at once and gives the owner back.
    creator.Post(kQuitEditorId);
    EXPECT_TRUE(WaitUntil([&] { return creator.Ended(); }));
    EXPECT_TRUE(creator.OwnerEnabledAfter());
    EXPECT_EQ(CreatorWindowHandle(), nullptr);
}

TEST(CreatorWindow, KeysStartRecordingsOfTheirSlotsAndSpaceOrAClickStops) {
    CreatorTestState clean;
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());
    CreatorState& state = ProgramCreatorState();

    struct KeyCase {
        WORD key;
        int slot;
    };
    const KeyCase cases[] = {{'0', 0}, {'7', 7}, {'9', 9}, {VK_OEM_1, 10},
                             {VK_OEM_MINUS, 10}, {'A', 11}, {'P', 12}};
    for (const KeyCase& c : cases) {
        creator.PressKey(c.key);
        ASSERT_TRUE(WaitForSlot(c.slot)) << c.key;
        EXPECT_EQ(state.RecordingActive, 1);
        // The record button of the slot being recorded is highlighted.
        EXPECT_EQ(ControlFont(creator.Control(1500 + c.slot)).weight, FW_BOLD);
        EXPECT_EQ(ControlFont(creator.Control(1500 + c.slot)).height, FontHeightFor(10));
        creator.PressKey(VK_SPACE);
        ASSERT_TRUE(WaitForSlot(-1)) << c.key;
        // And plain again once the recording has ended.
        EXPECT_EQ(ControlFont(creator.Control(1500 + c.slot)).weight, FW_NORMAL);
        EXPECT_EQ(ControlFont(creator.Control(1500 + c.slot)).height, FontHeightFor(8));
    }

    // A click in the drawing area stops, and so does a double click.
    for (int code : {0, 1}) {
        creator.Post(1503);
        ASSERT_TRUE(WaitForSlot(3));
        creator.Post(kDrawingAreaId, code);
        EXPECT_TRUE(WaitForSlot(-1)) << code;
    }
    // The "Stop Recording" button.
    creator.Post(1512, 1);
    ASSERT_TRUE(WaitForSlot(12));
    creator.Post(kStopRecordingId);
    EXPECT_TRUE(WaitForSlot(-1));

    // Other notification codes are not commands.
    creator.Post(1505, 5);
    ASSERT_TRUE(creator.Flush());
    EXPECT_EQ(state.RecordingSlot, -1);
}

TEST(CreatorWindow, ClosingMidRecordingEndsTheRecordingBeforeTheWindowGoes) {
    CreatorTestState clean;
    for (int closeBy : {0, 1}) {
        CreatorSession creator;
        ASSERT_TRUE(creator.Window());
        creator.PressKey('6');
        ASSERT_TRUE(WaitForSlot(6));
        MoveCursorAlong(creator, {{40, 150}, {41, 152}, {43, 155}, {47, 160}, {50, 170}});
        if (closeBy == 0)
            creator.Post(kQuitEditorId);
        else
            PostMessageA(creator.Window(), WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return creator.Ended(); }));
        // The task had finished when the window was gone, and nothing still draws.
        EXPECT_EQ(creator.SlotWhenEnded(), -1);
        EXPECT_EQ(ProgramCreatorState().RecordingActive, 0);
        const std::string recorded = ProgramCharacterSet().Slot(6).Str();
        Sleep(100);
        EXPECT_EQ(ProgramCharacterSet().Slot(6), recorded);
        EXPECT_TRUE(creator.OwnerEnabledAfter());
    }
}

TEST(CreatorWindow, TwentyOpeningsAndClosingsGiveBackEveryHandle) {
    CreatorTestState clean;
    ProgramCharacterSet().SetSlot(2, "1,2, 3,4, 5,6");
    long before[static_cast<int>(HandleKind::KindCount)];
    {
        // The first opening makes what stays for the program's life (window
        // classes, the dialog font's cache); count from after it.
        CreatorSession warmUp;
    }
    for (int k = 0; k < static_cast<int>(HandleKind::KindCount); ++k)
        before[k] = LiveHandles(static_cast<HandleKind>(k));
    for (int round = 0; round < 20; ++round) {
        CreatorSession creator;
        ASSERT_TRUE(creator.Window()) << round;
        if (round % 5 == 0) {
            // With a recording and a view now and then.
            creator.PressKey('1');
            ASSERT_TRUE(WaitForSlot(1));
            creator.PressKey(VK_SPACE);
            ASSERT_TRUE(WaitForSlot(-1));
            creator.Post(1602);
            ASSERT_TRUE(creator.Flush());
        }
        ASSERT_TRUE(creator.Close()) << round;
    }
    for (int k = 0; k < static_cast<int>(HandleKind::KindCount); ++k)
        EXPECT_EQ(LiveHandles(static_cast<HandleKind>(k)), before[k]) << "kind " << k;
}

}  // namespace

namespace {

HWND FocusOfThread(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

TEST(CreatorWindow, TheFocusedControlGetsTheFocusBackWhenTheWindowIsActivatedAgain) {
    CreatorTestState clean;
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == creator.Window(); }));
    SendMessageA(creator.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(creator.Control(1032)),
                 TRUE);
    ASSERT_EQ(FocusOfThread(creator.Window()), creator.Control(1032));

    // Another window of the program takes the activation, and gives it back.
    const HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(other);
    PumpMessages();
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }));
    // The Creator's thread notices its deactivation a moment later.
    EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(creator.Window()) != creator.Control(1032); },
                          2000));
    SetForegroundWindow(creator.Window());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == creator.Window(); }));
    EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(creator.Window()) == creator.Control(1032); },
                          2000));
    DestroyWindow(other);
}

}  // namespace
