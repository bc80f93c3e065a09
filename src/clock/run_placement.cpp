#include "clock/run_placement.h"

#include "base/number_text.h"
#include "ui/display_scale.h"

ClockLayout LayoutOnMonitor(std::int32_t n, std::int32_t maxPixelHeight, const ScreenRect& workArea,
                            std::int32_t dpi) {
    ClockLayout layout =
        ComputeClockLayout(n, PixelsAtDpi(maxPixelHeight, dpi), SaturateToInt32(workArea.Width()),
                           SaturateToInt32(workArea.Height()));
    layout.Left = SaturateToInt32(std::int64_t{workArea.left} + layout.Left);
    layout.Top = SaturateToInt32(std::int64_t{workArea.top} + layout.Top);
    return layout;
}

OverlayImageCopy OverlayImageSource(const ClockLayout& layout, const ScreenRect& virtualScreen) {
    const std::int64_t left = std::int64_t{layout.Left} + kImageShiftPixels;
    const ScreenRect block{SaturateToInt32(left), layout.Top,
                           SaturateToInt32(left + layout.TotalWidth),
                           SaturateToInt32(std::int64_t{layout.Top} + layout.TotalHeight)};
    const ScreenRect source = Intersection(block, virtualScreen);
    return {source, ScreenPoint{SaturateToInt32(std::int64_t{source.left} - block.left),
                                SaturateToInt32(std::int64_t{source.top} - block.top)}};
}
