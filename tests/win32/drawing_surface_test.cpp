#include "ui/drawing_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/handles.h"
#include "test_windows.h"

namespace {

constexpr int kAreaId = 1001;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// WM_COMMAND parameters the dialog received from its controls.
std::vector<WPARAM> g_commands;

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        // As the Character Creator makes its drawing area: 155 x 200 dialog units at (5, 5).
        CreateDrawingSurface(dialog, kAreaId, 5, 5, 155, 200, WS_BORDER | SS_NOTIFY,
                             SurfaceLayout::DialogUnits);
        return FALSE;  // no focus: that would activate the dialog
    }
    if (message == WM_COMMAND) {
        g_commands.push_back(wParam);
        return TRUE;
    }
    return FALSE;
}

// Where drawing coordinate c of a 155 x 200 unit area lands, from the client size.
int Expected(int c, int clientPixels, int units) {
    return static_cast<int>(std::floor(c * (clientPixels / double(units + 1)) + 0.5));
}

// A dialog built in memory, laid out in dialog units of "MS Sans Serif" 8 pt,
// holding one drawing surface; shown at the screen's top-left corner.
class SurfaceDialog {
public:
    SurfaceDialog() {
        std::vector<WORD> t(64, 0);
        auto* header = reinterpret_cast<DLGTEMPLATE*>(t.data());
        header->style = WS_POPUP | DS_SETFONT;
        header->cx = 170;
        header->cy = 215;
        std::size_t at = sizeof(DLGTEMPLATE) / sizeof(WORD);
        t[at++] = 0;  // no menu
        t[at++] = 0;  // the standard dialog class
        t[at++] = 0;  // no caption
        t[at++] = 8;  // point size, then the face name
        for (const char* c = "MS Sans Serif"; *c; ++c)
            t[at++] = static_cast<WORD>(*c);
        t[at++] = 0;
        g_commands.clear();
        window_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                             reinterpret_cast<DLGTEMPLATE*>(t.data()), nullptr,
                                             DialogProc, 0);
        // Not activated: Wine would wait two seconds for a window manager when
        // an active window goes.
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        UpdateWindow(window_);
        PumpMessages();
    }
    ~SurfaceDialog() {
        DestroyWindow(window_);
        PumpMessages();
    }
    HWND Window() const { return window_; }
    HWND Area() const { return GetDlgItem(window_, kAreaId); }
    // The pixel of the area's client rectangle where drawing coordinate (x, y) lands.
    POINT Pixel(int x, int y) const {
        const SIZE client = SurfaceBitmapSize(Area());
        return {Expected(x, client.cx, 155), Expected(y, client.cy, 200)};
    }
    // What the area shows at drawing coordinate (x, y).
    COLORREF Shown(int x, int y) const {
        const POINT p = Pixel(x, y);
        return WindowPixel(Area(), p.x, p.y);
    }
    POINT OnScreen(int x, int y) const {
        POINT p = Pixel(x, y);
        ClientToScreen(Area(), &p);
        return p;
    }

private:
    HWND window_ = nullptr;
};

TEST(DrawingSurface, DialogUnitCoordinatesLandOnScaledPixels) {
    SurfaceDialog dialog;
    ASSERT_TRUE(dialog.Area());
    RECT client{};
    GetClientRect(dialog.Area(), &client);
    const SIZE bitmap = SurfaceBitmapSize(dialog.Area());
    EXPECT_EQ(bitmap.cx, client.right);  // the bitmap is the client area inside the border
    EXPECT_EQ(bitmap.cy, client.bottom);
    RECT window{};
    GetWindowRect(dialog.Area(), &window);
    EXPECT_EQ(window.right - window.left, client.right + 2);
    // The bitmap starts in the button face colour.
    EXPECT_EQ(SurfaceBitmapPixel(dialog.Area(), 0, 0), GetSysColor(COLOR_BTNFACE));

    SurfaceAttach(dialog.Window(), kAreaId, false);
    SurfacePixel(155, 200, kRed);
    SurfacePixel(5, 5, kBlue);
    SurfaceDetach();
    const int farX = Expected(155, client.right, 155);
    const int farY = Expected(200, client.bottom, 200);
    EXPECT_EQ(SurfaceBitmapPixel(dialog.Area(), farX, farY), kRed);
    EXPECT_NE(SurfaceBitmapPixel(dialog.Area(), farX - 1, farY), kRed);
    EXPECT_EQ(SurfaceBitmapPixel(dialog.Area(), Expected(5, client.right, 155),
                                 Expected(5, client.bottom, 200)),
              kBlue);
    // Outside the bitmap there is no pixel to read.
    EXPECT_EQ(SurfaceBitmapPixel(dialog.Area(), client.right, 0), CLR_INVALID);
}

TEST(DrawingSurface, UnbufferedShowsAtOnceBufferedOnlyOnRefresh) {
    SurfaceDialog dialog;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ASSERT_EQ(dialog.Shown(30, 10), face);

    // Nothing pumps messages here, so only the surface itself can put ink on the screen.
    SurfaceAttach(dialog.Window(), kAreaId, true);
    SurfaceClear(RGB(255, 255, 255));
    SurfacePenWidth(3);
    SurfaceMoveTo(0, 10);
    SurfaceLine(60, 10, kRed);
    EXPECT_EQ(dialog.Shown(30, 10), face);
    SurfaceRefresh();
    EXPECT_EQ(dialog.Shown(30, 10), kRed);

    SurfaceAttach(dialog.Window(), kAreaId, false);
    SurfaceLine(60, 40, kBlue);
    EXPECT_EQ(dialog.Shown(60, 25), kBlue);
    SurfaceDetach();

    // Without a target, drawing does nothing.
    SurfaceClear(kBlue);
    EXPECT_EQ(dialog.Shown(30, 10), kRed);

    // A window uncovered repaints from the bitmap, buffered drawing included.
    SurfaceAttach(dialog.Window(), kAreaId, true);
    SurfaceClear(kBlue);
    SurfaceDetach();
    EXPECT_EQ(dialog.Shown(30, 10), kRed);
    RedrawWindow(dialog.Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(dialog.Shown(30, 10), kBlue);
}

TEST(DrawingSurface, ClearThenLineStartsAtTheOrigin) {
    SurfaceDialog dialog;
    SurfaceAttach(dialog.Window(), kAreaId, false);
    SurfaceMoveTo(100, 100);
    SurfaceClear(RGB(255, 255, 255));
    SurfacePenWidth(1);
    SurfaceLine(50, 0, kRed);
    SurfaceForeground(kBlue);
    SurfaceMoveTo(0, 50);
    SurfaceLine(50, 50);  // in the current foreground
    SurfaceDetach();
    EXPECT_EQ(SurfaceBitmapPixel(dialog.Area(), 0, 0), kRed);
    EXPECT_EQ(SurfaceBitmapPixel(dialog.Area(), 10, 0), kRed);
    const int y = Expected(50, SurfaceBitmapSize(dialog.Area()).cy, 200);
    EXPECT_EQ(SurfaceBitmapPixel(dialog.Area(), 10, y), kBlue);
}

TEST(DrawingSurface, PrintsTransparentTextAndMovesToTheNextLine) {
    SurfaceDialog dialog;
    SurfaceAttach(dialog.Window(), kAreaId, false);
    SurfaceClear(RGB(255, 255, 255));
    SurfaceForeground(RGB(0, 0, 0));
    SurfaceBackground(-2);
    SurfaceMoveTo(5, 5);
    SurfacePrint("Done: 57 points.");
    SurfacePrint("WWWW");
    SurfaceDetach();
    // Black text on the untouched white: some black, no background colour box.
    const HWND area = dialog.Area();
    int black = 0, other = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x) {
            const COLORREF c = SurfaceBitmapPixel(area, x, y);
            if (c == RGB(0, 0, 0))
                ++black;
            else if (c != RGB(255, 255, 255))
                ++other;
        }
    EXPECT_GT(black, 20);
    EXPECT_EQ(other, 0);
    // The second text starts a line below at x 0.
    bool blackAtLeftEdge = false;
    for (int y = 15; y < 60; ++y)
        blackAtLeftEdge |= SurfaceBitmapPixel(area, 0, y) == RGB(0, 0, 0);
    EXPECT_TRUE(blackAtLeftEdge);
}

TEST(DrawingSurface, ClicksReachTheParentAsNotifications) {
    SurfaceDialog dialog;
    const POINT at = dialog.OnScreen(30, 30);
    SetCursorPos(at.x, at.y);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
    ASSERT_TRUE(WaitUntil([&] {
        PumpMessages();
        return !g_commands.empty();
    }));
    EXPECT_EQ(LOWORD(g_commands.front()), kAreaId);
    EXPECT_EQ(HIWORD(g_commands.front()), STN_CLICKED);

    g_commands.clear();
    SendMessageA(dialog.Area(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(30, 30));
    PumpMessages();
    ASSERT_FALSE(g_commands.empty());
    EXPECT_EQ(HIWORD(g_commands.back()), STN_DBLCLK);
}

DWORD WINAPI DrawFromAnotherThread(void* dialogWindow) {
    SurfaceAttach(static_cast<HWND>(dialogWindow), kAreaId, false);
    SurfaceClear(kBlue);
    SurfaceDetach();
    return 0;
}

TEST(DrawingSurface, AnotherThreadDrawsWithoutWaitingForTheWindowsThread) {
    SurfaceDialog dialog;
    // This thread owns the window and pumps no messages while it waits: an
    // unbuffered draw that needed it to paint would never finish.
    KernelHandle thread(
        CreateThread(nullptr, 0, DrawFromAnotherThread, dialog.Window(), 0, nullptr));
    ASSERT_TRUE(thread);
    ASSERT_EQ(WaitForSingleObject(thread.Get(), 10000), WAIT_OBJECT_0);
    EXPECT_EQ(dialog.Shown(10, 10), kBlue);
}

TEST(DrawingSurface, GivesBackEveryHandleWithItsWindow) {
    const long gdi = LiveHandles(HandleKind::GdiObject);
    const long memoryDcs = LiveHandles(HandleKind::MemoryDc);
    const long windowDcs = LiveHandles(HandleKind::WindowDc);
    HWND area = nullptr;
    {
        SurfaceDialog dialog;
        area = dialog.Area();
        EXPECT_GT(LiveHandles(HandleKind::GdiObject), gdi);
        EXPECT_GT(LiveHandles(HandleKind::MemoryDc), memoryDcs);
        SurfaceAttach(dialog.Window(), kAreaId, false);
        SurfaceLine(20, 20, kRed);
        SurfaceCopy(nullptr, RECT{0, 0, 5, 5}, POINT{0, 0});
    }
    EXPECT_EQ(LiveHandles(HandleKind::GdiObject), gdi);
    EXPECT_EQ(LiveHandles(HandleKind::MemoryDc), memoryDcs);
    EXPECT_EQ(LiveHandles(HandleKind::WindowDc), windowDcs);
    // The thread is still attached to the destroyed surface: drawing is a no-op.
    SurfaceLine(40, 40, kRed);
    EXPECT_EQ(SurfaceBitmapPixel(area, 0, 0), CLR_INVALID);
    SurfaceDetach();
}

}  // namespace
