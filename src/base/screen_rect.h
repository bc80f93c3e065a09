#pragma once
// Points and rectangles of the desktop in virtual-screen coordinates: the
// primary monitor's top-left corner is (0, 0), and a monitor left of or above
// it has negative ones. Right and bottom are outside a rectangle, as in a RECT.

#include <algorithm>
#include <cstdint>

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    // In 64 bits: a rectangle spanning the whole 32-bit range is still measured.
    std::int64_t Width() const { return std::int64_t{right} - left; }
    std::int64_t Height() const { return std::int64_t{bottom} - top; }
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
    bool operator==(const ScreenRect&) const = default;
};

// The part the two rectangles share; an empty rectangle at a's top-left when
// they share nothing.
inline ScreenRect Intersection(const ScreenRect& a, const ScreenRect& b) {
    const ScreenRect shared{std::max(a.left, b.left), std::max(a.top, b.top),
                            std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return shared.Empty() ? ScreenRect{a.left, a.top, a.left, a.top} : shared;
}
