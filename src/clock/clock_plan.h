#pragma once
// The plan of a clock run, worked out without touching the screen: which
// characters are drawn, where their cells lie, and the exact screen points the
// cursor visits for each character. The Win32 run follows this plan point by
// point, and the tests compare against it.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_text.h"
#include "base/screen_rect.h"
#include "charset/character_set.h"
#include "charset/glyph_fields.h"

// One character cell, in recording units.
inline constexpr int kCellWidthUnits = 230;
inline constexpr int kCellHeightUnits = 323;

// The time text without its blanks and capital "M"s: "12:05 PM" is drawn as
// the six characters 1, 2, :, 0, 5, P.
std::string DrawnText(std::string_view clockTimeText);

// "0"-"9" are slots 0-9, ":" 10, "A" 11, "P" 12; any other byte -1.
GlyphSlot SlotForCharacter(char character);

struct ClockLayout {
    double Scale = 0;  // screen pixels per recording unit
    std::int32_t CellWidth = 0;
    std::int32_t CellHeight = 0;
    std::int32_t TotalWidth = 0;
    std::int32_t TotalHeight = 0;
    std::int32_t Left = 0;  // screen position of the first cell
    std::int32_t Top = 0;
};

// Lays n cells of maxPixelHeight out as a row centred on a work area of the
// given size, measured from the work area's top-left corner (LayoutOnMonitor
// adds where that lies). Nothing is clamped: a row wider than the work area
// starts left of it. All in the screen's pixels: a run turns the
// MaxPixelHeight setting, which counts pixels at 96 DPI, into its monitor's.
ClockLayout ComputeClockLayout(std::int32_t n, std::int32_t maxPixelHeight,
                               std::int32_t workAreaWidth, std::int32_t workAreaHeight);

// The origin of cell `index` (counted from 0, left to right).
ScreenPoint CellOrigin(const ClockLayout& layout, std::int32_t index);

// A screen point in the coordinates of the ink overlay, whose origin is the
// row's top-left corner (Left, Top); saturated rather than overflowing.
ScreenPoint OverlayPoint(const ClockLayout& layout, ScreenPoint screen);

// Where a recorded value v lands: origin + scale x v, rounded half to even.
// Values too large for the screen saturate instead of overflowing, and a
// product that is not a number (infinity x 0) counts as 0.
inline std::int32_t ScreenCoordinate(std::int32_t origin, double scale, double value) {
    const double offset = scale * value;
    return RoundHalfEven(static_cast<double>(origin) + (std::isnan(offset) ? 0.0 : offset));
}

// Calls visit(ScreenPoint) for each point the cursor visits while drawing a
// glyph recording in the cell at `cell`: fields 1 and 2 first, then every
// 2 x acceleration fields for as long as the x field exists; a y field past
// the end reads 0. So an empty text visits the cell origin once, and the
// recording's last point is visited only when its index is a multiple of the
// acceleration. The text is read once, front to back. An acceleration below 1
// counts as 1.
template <typename Visit>
void VisitGlyphPoints(std::string_view recording, ScreenPoint cell, double scale,
                      std::int32_t acceleration, Visit&& visit) {
    const std::int64_t step = 2 * static_cast<std::int64_t>(acceleration < 1 ? 1 : acceleration);
    GlyphFieldReader reader(recording);
    double x = 0;
    // Field k (from 1) is an x field that the cursor visits when k = 1 + m x step.
    for (std::int64_t k = 1; reader.Next(x); ++k) {
        if ((k - 1) % step != 0) continue;
        double y = 0;
        const bool hasY = reader.Next(y);
        visit(ScreenPoint{ScreenCoordinate(cell.x, scale, x), ScreenCoordinate(cell.y, scale, y)});
        if (!hasY) return;
        ++k;
    }
}

// The same points, collected; for tests and tools.
std::vector<ScreenPoint> GlyphPoints(std::string_view recording, ScreenPoint cell, double scale,
                                     std::int32_t acceleration);

// A run's settings brought into the ranges the main window enforces, so that
// a hand-edited settings file cannot make a run loop forever or draw nothing.
std::int32_t RunAcceleration(std::int32_t setting);  // 1..10
std::int32_t RunSlowdown(std::int32_t setting);      // 1..200 ms
std::int32_t RunHeight(std::int32_t setting);        // 50..800 px at 96 DPI
