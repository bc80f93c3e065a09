#pragma once
// Placing a hand's glyphs so that its file comes out at an exact length.

#include <vector>

#include "hand/hands.h"

namespace hand {

struct Shift {
    int dx = 0, dy = 0;
};

// Coordinates of three digits after shifting the points by (dx, dy).
int ThreeDigitCount(const std::vector<IPt>& p, int dx, int dy);

// Chooses one shift per glyph (small, preferring sideways moves and spreading them
// over the glyphs) that keeps every point inside `bounds` and makes the three-digit
// numbers add up to `target`. Returns false if no combination does.
bool ChooseShifts(const std::vector<std::vector<IPt>>& glyphs, const Bounds& bounds, int target,
                  std::vector<Shift>& shifts);

} // namespace hand
