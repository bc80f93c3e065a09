#pragma once
// The generated hands: the clock's built-in one and the extra sets shipped
// beside the program. Each is 13 glyph designs in slot order (0-9, ":", "AM",
// "PM") with their timing and the rectangle every point must stay in.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "hand/hand_path.h"

namespace hand {

constexpr int kSlots = 13;
constexpr const char* kSlotName[kSlots] = {"0", "1", "2", "3", "4",  "5", "6",
                                           "7", "8", "9", ":", "AM", "PM"};

struct Bounds {
    int minX, maxX, minY, maxY;
};

struct Hand {
    std::vector<GlyphDesign> designs;
    std::array<GlyphTiming, kSlots> timing;
    Bounds bounds;
    // When > 0, the file must be exactly this long: each glyph is then shifted by
    // a few units so that the right number of coordinates have three digits.
    int fileBytes;
};

Hand DefaultHand();
Hand QuickHand();
Hand RoundHand();
Hand NarrowHand();

// The built-in hand's glyph shapes in boxes of another hand: 13 designs, the
// digits and colon in `digits`, each a little different (height, width, slant,
// baseline, place: nobody writes a glyph twice alike) and centred near
// `centre`; "AM" and "PM" in `marks`, whose u is in cell units. A hand then
// redraws the glyphs that make its style.
std::vector<GlyphDesign> CursiveDesigns(std::uint64_t seed, const Box& digits, double centre,
                                        const Box& marks, double amCentre, double pmCentre);

// A hand whose glyphs take as long as they need at `step` units per sample, with
// `pauses` repeated points per glyph; its glyph seeds follow from `seed`.
Hand PacedHand(std::vector<GlyphDesign> designs, std::uint64_t seed, double step,
               const std::array<int, kSlots>& pauses, const Bounds& bounds);

// The hand of that name ("default", "quick", "round", "narrow"); false if none.
bool FindHand(std::string_view name, Hand& hand);

} // namespace hand
