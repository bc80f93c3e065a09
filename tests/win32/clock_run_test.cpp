#include "clock/clock_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "charset/character_set.h"
#include "charset/creator_layout.h"
#include "charset/creator_state.h"
#include "clock/clock_plan.h"
#include "clock/run_placement.h"
#include "clock/time_text.h"
#include "creator_session.h"
#include "platform/handles.h"
#include "platform/precise_timer.h"
#include "platform/time.h"
#include "state/settings.h"
#include "test_windows.h"
#include "ui/drawing_surface.h"

namespace {

using Points = std::vector<ScreenPoint>;

constexpr COLORREF kInk = RGB(255, 0, 0);
constexpr COLORREF kBackdrop = RGB(0, 160, 0);

// Slot s: a stroke right along y 30, then down to y 90; no two slots alike.
std::string TestRecording(GlyphSlot s) {
    const int x = 20 + 10 * s;
    return std::to_string(x) + ",30, " + std::to_string(x + 40) + ",30, " + std::to_string(x + 40) +
           ",90";
}

class ClockRun : public ::testing::Test {
protected:
    void SetUp() override {
        SetDefaultSettings();
        Settings& s = ProgramSettings();
        s.ClockStyle.Set("HH:MM (24hr)");
        s.SlowdownFactor = 10;
        s.AccelerationFactor = 1;
        GlyphTexts texts;
        for (GlyphSlot slot = 0; slot < kGlyphSlotCount; ++slot)
            texts[slot] = TestRecording(slot);
        ProgramCharacterSet().Load(texts);
    }
    void TearDown() override {
        EXPECT_TRUE(WaitUntil([] { return ActiveClockRuns() == 0; }, 30000))
            << "a run outlived its test";
        ProgramCharacterSet().Clear();
        SetDefaultSettings();
    }
};

// Wine shows one monitor: the run writes in its work area, at the screen's DPI.
ClockLayout PlannedLayout(const std::string& drawn) {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    // The height counts pixels at 96 DPI; the screen's may be more.
    WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return LayoutOnMonitor(static_cast<std::int32_t>(drawn.size()),
                           RunHeight(ProgramSettings().MaxPixelHeight),
                           ScreenRect{area.left, area.top, area.right, area.bottom}, dpi);
}

std::string DrawnNow() {
    const TimeOfDay now = LocalTimeOfDay();
    return DrawnText(FormatClockTime(ProgramSettings().ClockStyle.Get(), now.hour, now.minute));
}

// The points a run started now visits, from the plan.
Points PlannedPoints(const std::string& drawn) {
    const ClockLayout layout = PlannedLayout(drawn);
    const std::int32_t acceleration = RunAcceleration(ProgramSettings().AccelerationFactor);
    Points points;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const Points glyph = GlyphPoints(ProgramCharacterSet().Slot(SlotForCharacter(drawn[i])),
                                         CellOrigin(layout, static_cast<std::int32_t>(i)),
                                         layout.Scale, acceleration);
        points.insert(points.end(), glyph.begin(), glyph.end());
    }
    return points;
}

Points Collapsed(const Points& points) {
    Points collapsed;
    for (const ScreenPoint& p : points)
        if (collapsed.empty() || !(collapsed.back() == p)) collapsed.push_back(p);
    return collapsed;
}

ScreenPoint CursorNow() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

// Starts a run and follows the cursor from this thread until the run ends.
Points TraceRun() {
    SetCursorPos(1, 1);
    StartClockRun();
    Points trace;
    ScreenPoint last = CursorNow();
    WaitUntil(
        [&] {
            for (int i = 0; i < 200; ++i) {
                const ScreenPoint now = CursorNow();
                if (!(now == last)) trace.push_back(last = now);
            }
            return ActiveClockRuns() == 0;
        },
        30000);
    return trace;
}

TEST_F(ClockRun, TheCursorVisitsExactlyThePlannedPoints) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::string drawn = DrawnNow();
        const Points trace = TraceRun();
        if (DrawnNow() != drawn) continue;  // the minute turned during the run
        const Points planned = PlannedPoints(drawn);
        ASSERT_GE(drawn.size(), 3u);
        EXPECT_EQ(planned.size(), 3 * drawn.size());
        EXPECT_EQ(trace, Collapsed(planned));
        EXPECT_EQ(CursorNow(), planned.back());
        return;
    }
    FAIL() << "the time kept changing";
}

// Before Windows 10 1803 there is no high-resolution timer: each run then
// holds a 1 ms timer resolution while it runs, two overlapping runs included,
// and gives it back at its end; with one, nothing is asked. Either way the
// run's timer is closed.
TEST_F(ClockRun, OnlyOnOlderSystemsDoesARunRaiseTheTimerResolutionAndOnlyWhileItRuns) {
    ProgramSettings().SlowdownFactor = 1;
    for (const bool highResolution : {true, false}) {
        AllowHighResolutionTimers(highResolution);
        const TimerResolutionRequests before = CountTimerResolutionRequests();
        const long kernelHandles = LiveHandles(HandleKind::Kernel);
        long mostHeld = 0;
        StartClockRun();
        StartClockRun();
        EXPECT_TRUE(WaitUntil([&] {
            const TimerResolutionRequests now = CountTimerResolutionRequests();
            mostHeld = std::max(mostHeld, now.raised - now.givenBack);
            return ActiveClockRuns() == 0;
        }));
        AllowHighResolutionTimers(true);
        const TimerResolutionRequests after = CountTimerResolutionRequests();
        const long perRun = highResolution ? 0 : 1;
        EXPECT_EQ(after.raised - before.raised, 2 * perRun) << highResolution;
        EXPECT_EQ(after.givenBack - before.givenBack, 2 * perRun) << highResolution;
        EXPECT_GE(mostHeld, perRun) << highResolution;
        EXPECT_EQ(LiveHandles(HandleKind::Kernel), kernelHandles) << highResolution;
    }
}

TEST_F(ClockRun, OutOfRangeSettingsStillMakeAFiniteRun) {
    Settings& s = ProgramSettings();
    s.AccelerationFactor = 0;  // a step of 0 would never finish a character
    s.SlowdownFactor = -5;
    s.MaxPixelHeight = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::string drawn = DrawnNow();
        SetCursorPos(1, 1);
        StartClockRun();
        ASSERT_TRUE(WaitUntil([] { return ActiveClockRuns() == 0; }, 30000));
        if (DrawnNow() != drawn) continue;
        // Acceleration 1 and height 50: the last point of the last cell.
        const ClockLayout layout = PlannedLayout(drawn);
        EXPECT_EQ(layout.CellHeight, 50);
        EXPECT_EQ(CursorNow(), PlannedPoints(drawn).back());
        return;
    }
    FAIL() << "the time kept changing";
}

// Text on the clipboard, or "" when there is none.
std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void PutTextOnClipboard(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);  // the clipboard owns it now
    CloseClipboard();
}

BOOL CALLBACK FindOverlay(HWND window, LPARAM found) {
    char caption[8] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(caption) == "1" && IsWindowVisible(window) &&
        (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND TrailOverlayWindow() {
    HWND found = nullptr;
    EnumWindows(FindOverlay, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The overlay of the run under way, once it shows; null if it never does.
HWND AwaitTrailOverlay() {
    HWND overlay = nullptr;
    WaitUntil([&] { return (overlay = TrailOverlayWindow()) != nullptr; });
    return overlay;
}

// A plain green window on the screen, shown without taking the focus.
class Backdrop {
public:
    Backdrop(int left, int top, int width, int height) : brush_(CreateSolidBrush(kBackdrop)) {
        WNDCLASSA backdrop{};
        backdrop.lpfnWndProc = DefWindowProcA;
        backdrop.hInstance = GetModuleHandleA(nullptr);
        backdrop.hbrBackground = brush_.Get();
        backdrop.lpszClassName = "SpindriftTestBackdrop";
        RegisterClassA(&backdrop);
        window_.Reset(CreateWindowExA(0, "SpindriftTestBackdrop", "", WS_POPUP, left, top, width,
                                      height, nullptr, nullptr, GetModuleHandleA(nullptr),
                                      nullptr));
        ShowWindow(window_.Get(), SW_SHOWNOACTIVATE);
        UpdateWindow(window_.Get());
        PumpMessages();
    }
    ~Backdrop() {
        window_.Reset();
        UnregisterClassA("SpindriftTestBackdrop", GetModuleHandleA(nullptr));
    }

private:
    OwnedBrush brush_;
    OwnedWindow window_;
};

TEST_F(ClockRun, TrailsInkAHalfTransparentPictureOfTheScreenAndLeaveTheClipboardAlone) {
    Settings& s = ProgramSettings();
    s.LeaveMouseTrails = 1;
    s.TrailsColor = static_cast<std::int32_t>(kInk);
    s.SlowdownFactor = 20;
    const std::string drawn = DrawnNow();
    const ClockLayout layout = PlannedLayout(drawn);
    // Green from 5 pixels into the overlay's picture, which starts 3 pixels right of it.
    Backdrop backdrop(layout.Left + 3 + 5, layout.Top, layout.TotalWidth, layout.TotalHeight);
    PutTextOnClipboard("kept across the run");
    const std::vector<long> handlesBefore = LiveHandleCounts();

    StartClockRun();
    const HWND overlay = AwaitTrailOverlay();
    ASSERT_TRUE(overlay);
    RECT frame{};
    GetWindowRect(overlay, &frame);
    EXPECT_EQ(frame.left, layout.Left);
    EXPECT_EQ(frame.top, layout.Top);
    RECT client{};
    GetClientRect(overlay, &client);
    EXPECT_EQ(client.right, layout.TotalWidth);
    EXPECT_EQ(client.bottom, layout.TotalHeight);
    EXPECT_EQ(GetWindowLongA(overlay, GWL_EXSTYLE) & WS_EX_CONTROLPARENT, WS_EX_CONTROLPARENT);
    EXPECT_EQ(GetWindowLongA(overlay, GWL_STYLE) & (WS_CAPTION | WS_BORDER), 0);
    EXPECT_EQ(GetWindow(overlay, GW_OWNER), nullptr);
    // A guest: no taskbar button, never active, and clicks go to the window below.
    const LONG guest = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
    EXPECT_EQ(GetWindowLongA(overlay, GWL_EXSTYLE) & guest, guest);
    EXPECT_NE(WindowFromPoint(POINT{layout.Left + 100, layout.Top + 100}), overlay);
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(overlay, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    EXPECT_GT(LiveHandles(HandleKind::GdiObject), handlesBefore[int(HandleKind::GdiObject)]);

    const HWND picture = GetWindow(overlay, GW_CHILD);
    EXPECT_EQ(SurfaceBitmapSize(picture).cx, layout.TotalWidth);
    EXPECT_EQ(SurfaceBitmapSize(picture).cy, layout.TotalHeight);
    // The screen picture, taken 3 pixels right of the overlay's left edge.
    EXPECT_NE(SurfaceBitmapPixel(picture, 4, 200), kBackdrop);
    EXPECT_EQ(SurfaceBitmapPixel(picture, 5, 200), kBackdrop);
    // Ink: the first character's first point, the middle of its first stroke
    // and of its second, given in its recording's units (scaled to the screen).
    const int cell = SlotForCharacter(drawn[0]) * 10;
    const auto pixel = [&](int x, int y) {
        const ScreenPoint at = OverlayPoint(layout, {ScreenCoordinate(layout.Left, layout.Scale, x),
                                                     ScreenCoordinate(layout.Top, layout.Scale, y)});
        return SurfaceBitmapPixel(picture, at.x, at.y);
    };
    EXPECT_TRUE(WaitUntil([&] {
        PumpMessages();
        return pixel(20 + cell, 30) == kInk && pixel(40 + cell, 30) == kInk &&
               pixel(60 + cell, 60) == kInk;
    }));
    EXPECT_EQ(pixel(40 + cell, 60), kBackdrop);

    // A click on the overlay (the cursor is over it) leaves the focus where it was.
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
    bool overlayActivated = false;
    ASSERT_TRUE(WaitUntil(
        [&] {
            overlayActivated |= GetForegroundWindow() == overlay;
            return ActiveClockRuns() == 0;
        },
        30000));
    EXPECT_FALSE(overlayActivated);
    EXPECT_FALSE(IsWindow(overlay));
    EXPECT_EQ(ClipboardText(), "kept across the run");
    EXPECT_EQ(LiveHandleCounts(), handlesBefore);
}

// The screen is read in its own coordinates and only where it is: the part of
// the picture beyond the screen's left edge keeps the surface's blank fill.
TEST_F(ClockRun, TrailsOverARowWiderThanTheScreenShowTheScreenWhereItLies) {
    Settings& s = ProgramSettings();
    s.LeaveMouseTrails = 1;
    s.SlowdownFactor = 1;
    s.MaxPixelHeight = 800;  // four cells or more of 570 pixels: wider than the screen
    const ClockLayout layout = PlannedLayout(DrawnNow());
    ASSERT_LT(layout.Left + 3, 0);
    Backdrop backdrop(0, 0, 100, GetSystemMetrics(SM_CYSCREEN));
    StartClockRun();
    const HWND overlay = AwaitTrailOverlay();
    ASSERT_TRUE(overlay);
    const HWND picture = GetWindow(overlay, GW_CHILD);
    const int screenLeft = -(layout.Left + 3);  // the picture's column of screen x 0
    const int y = 400;  // below every stroke of the test's recordings
    EXPECT_EQ(SurfaceBitmapPixel(picture, screenLeft, y), kBackdrop);
    EXPECT_EQ(SurfaceBitmapPixel(picture, screenLeft + 99, y), kBackdrop);
    EXPECT_EQ(SurfaceBitmapPixel(picture, screenLeft - 1, y), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(SurfaceBitmapPixel(picture, 0, y), GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(WaitUntil([] { return ActiveClockRuns() == 0; }, 30000));
}

// Whether another program could take Esc as its hotkey now (and it gives it back).
bool EscapeFree() {
    OwnedWindow other(CreateWindowExA(0, "STATIC", "other", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      nullptr, nullptr));
    if (!RegisterHotKey(other.Get(), 77, 0, VK_ESCAPE)) return false;
    UnregisterHotKey(other.Get(), 77);
    return true;
}

TEST_F(ClockRun, EscStopsEveryRunAtOnceAndIsTheProgramsOnlyWhileRunsExist) {
    Settings& s = ProgramSettings();
    s.LeaveMouseTrails = 1;
    s.SlowdownFactor = 50;
    const std::string drawn = DrawnNow();
    EXPECT_TRUE(EscapeFree());
    StartClockRun();
    StartClockRun();
    ASSERT_TRUE(AwaitTrailOverlay());
    EXPECT_TRUE(WaitUntil([] { return !EscapeFree(); }));
    // The runs drawing, and their pace on this machine now: a character's
    // strokes and its pause take about four moves.
    const DWORD drawing = GetTickCount();
    int moves = 0;
    ASSERT_TRUE(WaitUntil([&, last = CursorNow()]() mutable {
        const ScreenPoint now = CursorNow();
        moves += !(now == last);
        last = now;
        return moves == 4;
    }));
    const DWORD fourMoves = GetTickCount() - drawing;
    INPUT escape[2] = {};
    escape[0].type = escape[1].type = INPUT_KEYBOARD;
    escape[0].ki.wVk = escape[1].ki.wVk = VK_ESCAPE;
    escape[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, escape, sizeof(INPUT));
    const DWORD pressed = GetTickCount();
    ASSERT_TRUE(WaitUntil([] { return ActiveClockRuns() == 0; }, 30000));
    EXPECT_LT(GetTickCount() - pressed, fourMoves)
        << "the runs stopped before their next character";
    EXPECT_FALSE(TrailOverlayWindow());
    EXPECT_NE(CursorNow(), PlannedPoints(drawn).back()) << "the runs did not finish";
    EXPECT_TRUE(WaitUntil(EscapeFree)) << "Esc given back after the last run";
}

// The cursor put elsewhere by anyone but a run is the user's hand.
TEST_F(ClockRun, TheHandOnTheMouseStopsTheRunWhereItPutTheCursor) {
    ProgramSettings().SlowdownFactor = 30;
    SetCursorPos(1, 1);
    StartClockRun();
    ASSERT_TRUE(WaitUntil([] { return !(CursorNow() == ScreenPoint{1, 1}); }));
    Sleep(100);
    SetCursorPos(5, 7);
    ASSERT_TRUE(WaitUntil([] { return ActiveClockRuns() == 0; }, 3000));
    EXPECT_EQ(CursorNow(), (ScreenPoint{5, 7}));
}

TEST_F(ClockRun, AnEmptyTimeTextMovesNothingButStillFadesItsOverlay) {
    Settings& s = ProgramSettings();
    s.ClockStyle.Set("no such style");
    s.LeaveMouseTrails = 1;
    SetCursorPos(7, 9);
    const std::vector<long> handlesBefore = LiveHandleCounts();
    StartClockRun();
    const HWND overlay = AwaitTrailOverlay();
    EXPECT_TRUE(overlay);
    RECT frame{};
    GetWindowRect(overlay, &frame);
    EXPECT_EQ(frame.right - frame.left, 0);
    ASSERT_TRUE(WaitUntil([] { return ActiveClockRuns() == 0; }, 30000));
    EXPECT_FALSE(IsWindow(overlay));
    EXPECT_EQ(CursorNow(), (ScreenPoint{7, 9}));
    EXPECT_EQ(LiveHandleCounts(), handlesBefore);
}

// The Creator's animated view moves the cursor as the program's own: a run
// drawn while it plays is not stopped for it.
TEST_F(ClockRun, ARunBesideTheCreatorsAnimatedViewIsWrittenWhole) {
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());
    std::string view = "40,40";  // 20 segments: about 200 ms
    for (int i = 1; i <= 20; ++i)
        view += ", " + std::to_string(40 + 4 * i) + "," + std::to_string(40 + 6 * i);
    ProgramCharacterSet().SetSlot(kAmSlot, view);  // a slot the 24-hour time never draws
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::string drawn = DrawnNow();
        SetCursorPos(1, 1);
        ProgramCreatorState().LastViewedSlot = kAmSlot;  // the next view is animated
        creator.Post(kViewButtonBase + kAmSlot);
        ASSERT_TRUE(WaitUntil([] { return !(CursorNow() == ScreenPoint{1, 1}); }));
        StartClockRun();
        ASSERT_TRUE(WaitUntil([] { return ActiveClockRuns() == 0; }, 30000));
        if (DrawnNow() != drawn) continue;
        EXPECT_EQ(CursorNow(), PlannedPoints(drawn).back());
        return;
    }
    FAIL() << "the time kept changing";
}

}  // namespace
