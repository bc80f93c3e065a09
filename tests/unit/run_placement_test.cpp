#include "clock/run_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// One row per monitor the cursor can be on when a run starts: its work area
// and DPI, and where a row of n characters of a height (96-DPI pixels) lands.
struct Placement {
    const char* desktop;
    ScreenRect workArea;
    std::int32_t dpi, n, height, left, top, cellWidth, cellHeight;
};

constexpr Placement kPlacements[] = {
    // One monitor with the taskbar at the bottom: the single-screen numbers.
    {"primary only", {0, 0, 1920, 1040}, 96, 4, 323, 500, 359, 230, 323},
    {"primary only, odd half", {0, 0, 1024, 768}, 96, 5, 100, 335, 334, 71, 100},
    {"primary only, row wider", {0, 0, 1024, 768}, 96, 6, 800, -1198, -16, 570, 800},
    {"taskbar left", {62, 0, 1920, 1080}, 96, 4, 323, 62 + 929 - 460, 379, 230, 323},
    {"taskbar top", {0, 40, 1920, 1080}, 96, 4, 323, 500, 40 + 520 - 161, 230, 323},
    // With the cursor on a second monitor; on the primary, the rows above.
    {"second right of primary", {1920, 0, 3840, 1080}, 96, 4, 323, 1920 + 500, 379, 230, 323},
    {"second left of primary", {-1280, 0, 0, 1024}, 96, 4, 323, -1280 + 180, 351, 230, 323},
    {"second left, row wider", {-1280, 0, 0, 1024}, 96, 6, 800, -1280 - 1070, 112, 570, 800},
    {"second above primary", {0, -1080, 1920, 0}, 96, 4, 323, 500, -1080 + 379, 230, 323},
    // 150 % beside a 100 % primary: 323 -> 485 and 230 -> 345 there only.
    {"second at 144 DPI", {1920, -200, 4480, 1200}, 144, 4, 323, 1920 + 590, -200 + 458, 345, 485},
};

TEST(RunPlacement, TheRowIsCentredInTheWorkAreaOfTheMonitorInUseAtItsScale) {
    for (const Placement& p : kPlacements) {
        const ClockLayout layout = LayoutOnMonitor(p.n, p.height, p.workArea, p.dpi);
        EXPECT_EQ(layout.Left, p.left) << p.desktop;
        EXPECT_EQ(layout.Top, p.top) << p.desktop;
        EXPECT_EQ(layout.CellWidth, p.cellWidth) << p.desktop;
        EXPECT_EQ(layout.CellHeight, p.cellHeight) << p.desktop;
        EXPECT_EQ(layout.TotalWidth, p.n * p.cellWidth) << p.desktop;
    }
    // A row reaching past the 32-bit range saturates instead of wrapping round.
    EXPECT_EQ(LayoutOnMonitor(13, 800, {INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10}, 96).Left,
              INT_MIN);
}

ClockLayout Row(std::int32_t left, std::int32_t top, std::int32_t width) {
    return {.TotalWidth = width, .TotalHeight = 323, .Left = left, .Top = top};
}

// The block 3 pixels right of the overlay, read in virtual-screen coordinates
// and only where some monitor is.
TEST(RunPlacement, TheOverlayCopiesOnlyTheBlockItShowsFromTheVirtualScreen) {
    const struct {
        ClockLayout row;
        ScreenRect virtualScreen, source;
        ScreenPoint destination;
    } blocks[] = {
        {Row(500, 359, 920), {0, 0, 1920, 1080}, {503, 359, 1423, 682}, {0, 0}},
        {Row(-1198, -16, 3420), {0, 0, 1024, 768}, {0, 0, 1024, 307}, {1195, 16}},
        {Row(1500, 359, 920), {0, 0, 1920, 1080}, {1503, 359, 1920, 682}, {0, 0}},
        {Row(-1420, 359, 920), {-1920, 0, 1920, 1080}, {-1417, 359, -497, 682}, {0, 0}},
        {Row(500, -701, 920), {0, -1080, 1920, 1080}, {503, -701, 1423, -378}, {0, 0}},
        {Row(-2000, 0, 920), {-1920, 0, 1920, 1080}, {-1920, 0, -1077, 323}, {77, 0}},
        {Row(5000, 0, 920), {0, 0, 1920, 1080}, {5003, 0, 5003, 0}, {0, 0}},  // all off it
        {Row(960, 359, 0), {0, 0, 1920, 1080}, {963, 359, 963, 359}, {0, 0}},  // empty text
    };
    for (const auto& b : blocks) {
        const OverlayImageCopy copy = OverlayImageSource(b.row, b.virtualScreen);
        EXPECT_EQ(copy.source, b.source) << b.row.Left << "," << b.row.Top;
        EXPECT_EQ(copy.destination, b.destination) << b.row.Left << "," << b.row.Top;
    }
}

}  // namespace
