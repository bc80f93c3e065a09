#include "clock/run_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Desktops as the system describes them, one row per monitor the cursor can
// be on when the run starts: that monitor's work area and DPI, and where a
// row of n characters at a height (96-DPI pixels) lands.
struct Placement {
    const char* desktop;
    ScreenRect workArea;
    std::int32_t dpi;
    std::int32_t n;
    std::int32_t height;
    std::int32_t left, top, cellWidth, cellHeight;
};

constexpr Placement kPlacements[] = {
    // One monitor, taskbar at the bottom: exactly the single-screen layout.
    {"primary only", {0, 0, 1920, 1040}, 96, 4, 323, 500, 359, 230, 323},
    {"primary only, odd half", {0, 0, 1024, 768}, 96, 5, 100, 335, 334, 71, 100},
    {"primary only, row wider", {0, 0, 1024, 768}, 96, 6, 800, 512 - 1710, 384 - 400, 570, 800},
    // The taskbar on another edge: centred in what it leaves free.
    {"taskbar left", {62, 0, 1920, 1080}, 96, 4, 323, 62 + 929 - 460, 540 - 161, 230, 323},
    {"taskbar top", {0, 40, 1920, 1080}, 96, 4, 323, 500, 40 + 520 - 161, 230, 323},
    // A second monitor right of the primary one, the cursor on either.
    {"right pair, on primary", {0, 0, 1920, 1040}, 96, 4, 323, 500, 359, 230, 323},
    {"right pair, on second", {1920, 0, 3840, 1080}, 96, 4, 323, 1920 + 500, 379, 230, 323},
    // Left of the primary: negative x.
    {"left pair, on second", {-1280, 0, 0, 1024}, 96, 4, 323, -1280 + 640 - 460, 351, 230, 323},
    {"left pair, on primary", {0, 0, 1920, 1040}, 96, 4, 323, 500, 359, 230, 323},
    {"left pair, row wider", {-1280, 0, 0, 1024}, 96, 6, 800, -1280 + 640 - 1710, 112, 570, 800},
    // Above the primary: negative y.
    {"above pair, on second", {0, -1080, 1920, 0}, 96, 4, 323, 500, -1080 + 540 - 161, 230, 323},
    // A 2560 x 1440 monitor at 150 % right of a 100 % primary: the height and
    // the cells grow by half on it (323 -> 485, 230 -> 345), not on the primary.
    {"mixed scales, on 144",
     {1920, -200, 4480, 1200},
     144,
     4,
     323,
     1920 + 1280 - 690,
     -200 + 700 - 242,
     345,
     485},
    {"mixed scales, on 96", {0, 0, 1920, 1040}, 96, 4, 323, 500, 359, 230, 323},
};

TEST(RunPlacement, TheRowIsCentredInTheWorkAreaOfTheMonitorInUseAtItsScale) {
    for (const Placement& p : kPlacements) {
        const ClockLayout layout = LayoutOnMonitor(p.n, p.height, p.workArea, p.dpi);
        EXPECT_EQ(layout.Left, p.left) << p.desktop;
        EXPECT_EQ(layout.Top, p.top) << p.desktop;
        EXPECT_EQ(layout.CellWidth, p.cellWidth) << p.desktop;
        EXPECT_EQ(layout.CellHeight, p.cellHeight) << p.desktop;
        EXPECT_EQ(layout.TotalWidth, p.n * p.cellWidth) << p.desktop;
        EXPECT_EQ(CellOrigin(layout, 1).x, p.left + p.cellWidth) << p.desktop;
    }
    // On a work area at (0, 0) nothing differs from the single-screen layout.
    for (const std::int32_t n : {0, 1, 4, 6, 13})
        for (const std::int32_t height : {50, 100, 323, 800}) {
            const ClockLayout here = LayoutOnMonitor(n, height, {0, 0, 1366, 728}, 96);
            const ClockLayout single = ComputeClockLayout(n, height, 1366, 728);
            EXPECT_EQ(here.Left, single.Left);
            EXPECT_EQ(here.Top, single.Top);
            EXPECT_EQ(here.Scale, single.Scale);
        }
    // A row reaching past the 32-bit range saturates instead of wrapping round.
    EXPECT_EQ(LayoutOnMonitor(13, 800, {INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10}, 96).Left,
              INT_MIN);
}

// The overlay shows the block of the screen 3 pixels right of it, read in
// virtual-screen coordinates; what lies off every monitor is not read.
struct ImageBlock {
    const char* what;
    ClockLayout layout;
    ScreenRect virtualScreen;
    ScreenRect source;
    ScreenPoint destination;
};

ClockLayout Row(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return {.TotalWidth = width, .TotalHeight = height, .Left = left, .Top = top};
}

const ImageBlock kImageBlocks[] = {
    {"on the screen", Row(500, 359, 920, 323), {0, 0, 1920, 1080}, {503, 359, 1423, 682}, {0, 0}},
    {"wider than the screen",
     Row(-1198, -16, 3420, 800),
     {0, 0, 1024, 768},
     {0, 0, 1024, 768},
     {1195, 16}},
    {"past the right edge",
     Row(1500, 359, 920, 323),
     {0, 0, 1920, 1080},
     {1503, 359, 1920, 682},
     {0, 0}},
    {"on a monitor left of the primary",
     Row(-1420, 359, 920, 323),
     {-1920, 0, 1920, 1080},
     {-1417, 359, -497, 682},
     {0, 0}},
    {"on a monitor above the primary",
     Row(500, -701, 920, 323),
     {0, -1080, 1920, 1080},
     {503, -701, 1423, -378},
     {0, 0}},
    {"off the left of a negative desktop",
     Row(-2000, 0, 920, 323),
     {-1920, 0, 1920, 1080},
     {-1920, 0, -1077, 323},
     {77, 0}},
    {"all off the screen", Row(5000, 0, 920, 323), {0, 0, 1920, 1080}, {5003, 0, 5003, 0}, {0, 0}},
    {"empty text", Row(960, 359, 0, 323), {0, 0, 1920, 1080}, {963, 359, 963, 359}, {0, 0}},
};

TEST(RunPlacement, TheOverlayCopiesOnlyTheBlockItShowsFromTheVirtualScreen) {
    for (const ImageBlock& b : kImageBlocks) {
        const OverlayImageCopy copy = OverlayImageSource(b.layout, b.virtualScreen);
        EXPECT_EQ(copy.source, b.source) << b.what;
        EXPECT_EQ(copy.destination, b.destination) << b.what;
        // Never more than the overlay's own pixels.
        EXPECT_LE(copy.source.Width(), b.layout.TotalWidth) << b.what;
        EXPECT_LE(copy.source.Height(), b.layout.TotalHeight) << b.what;
    }
}

}  // namespace
