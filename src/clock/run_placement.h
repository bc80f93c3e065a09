#pragma once
// Where on the desktop a clock run writes, and what its ink overlay shows.
// A run writes on the monitor that holds the cursor when it starts (the
// system picks it, or the nearest one); these are the rules applied to that
// monitor's work area and scale. Everything is in virtual-screen coordinates.

#include <cstdint>

#include "base/screen_rect.h"
#include "clock/clock_plan.h"

// The screen image shown in the overlay is taken this far right of the
// overlay's own left edge, as runs have always shown it.
inline constexpr std::int32_t kImageShiftPixels = 3;

// n cells at maxPixelHeight, which counts pixels at 96 DPI, converted with the
// monitor's dpi and centred in its work area: ComputeClockLayout's centring,
// then the work area's left and top added. So on one monitor whose work area
// starts at (0, 0) every position is the one ComputeClockLayout gives.
ClockLayout LayoutOnMonitor(std::int32_t n, std::int32_t maxPixelHeight, const ScreenRect& workArea,
                            std::int32_t dpi);

// The copy that fills the overlay's picture: the block of the overlay's size
// starting kImageShiftPixels right of the overlay, cut to the part that lies
// on the virtual screen (the rest of the picture keeps its blank fill), and
// where in the overlay that part goes.
struct OverlayImageCopy {
    ScreenRect source;        // on the screen; empty when the block is all off it
    ScreenPoint destination;  // in overlay coordinates
};
OverlayImageCopy OverlayImageSource(const ClockLayout& layout, const ScreenRect& virtualScreen);
