// The windows moving to a display of another scale. Wine has one DPI for all
// monitors, so the move is played as Windows plays it: the dialog manager has
// re-laid out the controls (here: the drawing area made larger), and the
// window gets WM_DPICHANGED. scripts/test runs this once more at 144 DPI.

#include <gtest/gtest.h>

#include "charset/creator_fonts_win32.h"
#include "charset/creator_layout.h"
#include "charset/creator_open_win32.h"
#include "charset/creator_scale_win32.h"
#include "charset/creator_window.h"
#include "creator_session.h"
#include "main_window_fixture.h"

namespace {

class DisplayScale : public MainWindowTest {
  protected:
    CreatorTestState clean_;
};

HFONT FontOf(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
}

bool FontAlive(HFONT font) {
    LOGFONTA seen{};
    return GetObjectA(font, sizeof seen, &seen) != 0;
}

// Pixels of the stroke: blue, or blended towards the white around it once the
// picture has been stretched.
int CountBluish(HWND area) {
    const SIZE size = SurfaceBitmapSize(area);
    int count = 0;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x) {
            const COLORREF c = SurfaceBitmapPixel(area, x, y);
            count += GetBValue(c) > GetRValue(c) + 40 && GetBValue(c) > GetGValue(c) + 40;
        }
    return count;
}

// A child's window rectangle in its parent's client pixels.
RECT PlacedIn(HWND parent, HWND child) {
    RECT placed{};
    GetWindowRect(child, &placed);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&placed), 2);
    return placed;
}

// The message a window gets when it has moved to a monitor of another scale;
// here the scale it has, the only one Wine knows.
void SendDpiChanged(HWND window) {
    RECT placed{};
    GetWindowRect(window, &placed);
    WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&placed));
}

TEST_F(DisplayScale, WmDpiChangedRemakesFontsAndSurfacesAndLeaksNothing) {
    ProgramCharacterSet().SetSlot(2, "40,40, 120,200, 200,60");
    CreatorSession creator;
    ASSERT_TRUE(creator.Window());
    RefreshViewButtonFonts();
    creator.Send(kViewButtonBase + 2); // a stroke in the area
    const HWND area = creator.Control(kDrawingAreaId);
    const HWND preview = Control(kPreview);
    const int blueBefore = CountBluish(area);
    ASSERT_GT(blueBefore, 0);
    const std::vector<long> before = LiveHandleCounts();

    // Larger and a little off its place, then back, then as it is.
    RECT client{};
    GetClientRect(area, &client);
    const RECT outer = PlacedIn(creator.Window(), area);
    const SIZE sizes[] = {{(outer.right - outer.left) * 3 / 2, (outer.bottom - outer.top) * 3 / 2},
                          {outer.right - outer.left, outer.bottom - outer.top},
                          {outer.right - outer.left, outer.bottom - outer.top}};
    const POINT places[] = {
        {outer.left + 2, outer.top + 1}, {outer.left, outer.top}, {outer.left, outer.top}};
    for (int step = 0; step < 3; ++step) {
        const SIZE size = sizes[step];
        const HFONT oldPreview = FontOf(preview);
        const HFONT oldView = FontOf(creator.Control(kViewButtonBase + 2));
        const HFONT oldPlain = FontOf(creator.Control(kViewButtonBase + 3));
        const HFONT windowFont = FontOf(creator.Control(kRecordButtonBase + 2));
        SetWindowPos(area, nullptr, places[step].x, places[step].y, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendDpiChanged(creator.Window());
        SendDpiChanged(window_);
        ASSERT_TRUE(creator.Flush());
        PumpMessages();

        // New fonts for the DPI in the same roles; the old ones are gone.
        EXPECT_NE(FontOf(preview), oldPreview);
        EXPECT_FALSE(FontAlive(oldPreview));
        EXPECT_EQ(ControlFont(preview).height, FontHeightFor(10));
        EXPECT_EQ(ControlFont(preview).weight, FW_BOLD);
        EXPECT_NE(FontOf(creator.Control(kViewButtonBase + 2)), oldView);
        EXPECT_FALSE(FontAlive(oldView));
        EXPECT_FALSE(FontAlive(oldPlain));
        EXPECT_EQ(ControlFont(creator.Control(kViewButtonBase + 2)).height, FontHeightFor(10));
        EXPECT_EQ(ControlFont(creator.Control(kViewButtonBase + 2)).weight, FW_BOLD);
        EXPECT_EQ(ControlFont(creator.Control(kViewButtonBase + 3)).height, FontHeightFor(8));
        EXPECT_EQ(ControlFont(creator.Control(kViewButtonBase + 3)).weight, FW_NORMAL);
        EXPECT_EQ(FontOf(creator.Control(kRecordButtonBase + 2)), windowFont);

        // The area's picture fits its new size and still shows the stroke.
        GetClientRect(area, &client);
        const SIZE bitmap = SurfaceBitmapSize(area);
        EXPECT_EQ(bitmap.cx, client.right);
        EXPECT_EQ(bitmap.cy, client.bottom);
        EXPECT_GT(CountBluish(area), blueBefore / 2);
        // Samples are taken from where the area lies, not from where its
        // dialog units would put it.
        const AreaGeometry measured = AreaNow(*OpenCreator());
        EXPECT_EQ(measured.origin.x, places[step].x);
        EXPECT_EQ(measured.origin.y, places[step].y);
        EXPECT_EQ(measured.scale.width, size.cx);
        EXPECT_EQ(measured.scale.height, size.cy);
    }
    EXPECT_EQ(LiveHandleCounts(), before);
}

} // namespace
