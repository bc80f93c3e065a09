#include "clock/clock_plan.h"

#include <algorithm>

std::string DrawnText(std::string_view clockTimeText) {
    std::string drawn;
    for (char c : clockTimeText)
        if (c != ' ' && c != 'M') drawn += c;
    return drawn;
}

GlyphSlot SlotForCharacter(char character) {
    if (character >= '0' && character <= '9') return character - '0';
    if (character == ':') return kColonSlot;
    if (character == 'A') return kAmSlot;
    if (character == 'P') return kPmSlot;
    return -1;
}

ClockLayout ComputeClockLayout(std::int32_t n, std::int32_t maxPixelHeight,
                               std::int32_t workAreaWidth, std::int32_t workAreaHeight) {
    ClockLayout layout;
    layout.Scale = static_cast<double>(maxPixelHeight) / kCellHeightUnits;
    layout.CellWidth = RoundHalfEven(layout.Scale * kCellWidthUnits);
    layout.CellHeight = maxPixelHeight;
    // A run draws a handful of cells; wider arithmetic only keeps absurd inputs defined.
    layout.TotalWidth = SaturateToInt32(static_cast<std::int64_t>(n) * layout.CellWidth);
    layout.TotalHeight = layout.CellHeight;
    layout.Left = workAreaWidth / 2 - layout.TotalWidth / 2;  // halves of int32: cannot overflow
    layout.Top = workAreaHeight / 2 - layout.TotalHeight / 2;
    return layout;
}

ScreenPoint CellOrigin(const ClockLayout& layout, std::int32_t index) {
    const std::int64_t x = layout.Left + static_cast<std::int64_t>(index) * layout.CellWidth;
    return {SaturateToInt32(x), layout.Top};
}

ScreenPoint OverlayPoint(const ClockLayout& layout, ScreenPoint screen) {
    return {SaturateToInt32(std::int64_t{screen.x} - layout.Left),
            SaturateToInt32(std::int64_t{screen.y} - layout.Top)};
}

std::vector<ScreenPoint> GlyphPoints(std::string_view recording, ScreenPoint cell, double scale,
                                     std::int32_t acceleration) {
    std::vector<ScreenPoint> points;
    VisitGlyphPoints(recording, cell, scale, acceleration,
                     [&](ScreenPoint point) { points.push_back(point); });
    return points;
}

std::int32_t RunAcceleration(std::int32_t setting) {
    return std::clamp(setting, 1, 10);
}
std::int32_t RunSlowdown(std::int32_t setting) {
    return std::clamp(setting, 1, 200);
}
std::int32_t RunHeight(std::int32_t setting) {
    return std::clamp(setting, 50, 800);
}
