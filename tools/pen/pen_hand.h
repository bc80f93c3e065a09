#pragma once
// A hand written by a person, made into the clock's 13 glyphs.
//
// Every recorded point becomes one 10 ms sample, in its order, runs of equal
// points (the writer's pauses) included; the only change within a stroke is the
// scaling and the rounding to whole units. What the recording does not hold,
// the moves of the hand with the pen up (between the strokes of a character, and
// from the A or P to the M), is synthesized with the generator's own travel
// between strokes, at the writer's own brisk pace.
//
// One scale for the writer's digits and colon keeps their sizes and their
// heights on the line relative to each other (the recordings share one frame):
// the tallest digit about as tall as the built-in hand's, the glyphs together
// inside the cell, each centred across it. The letters of AM and PM stand side
// by side on the writer's line, at one smaller scale where the pair would not
// fit the cell at the digits' scale.

#include <array>
#include <cstdint>
#include <vector>

#include "hand/hands.h"
#include "pen/uji_file.h"

namespace pen {

using hand::kSlots;

// The characters each slot is written with, in order.
constexpr const char* kSlotCharacters[kSlots] = {"0", "1", "2", "3", "4",  "5", "6",
                                                 "7", "8", "9", ":", "AM", "PM"};

// Per slot, the recordings of its characters in writing order.
using SlotCharacters = std::array<std::vector<Character>, kSlots>;

// Where a recorded point lands in the cell: scale * recorded + offset.
struct Placement {
    double scale = 1, dx = 0, dy = 0;
};
hand::Pt Place(const Placement& p, hand::IPt recorded);

// The cell (230 x 323 recording units) and the built-in hand's band, y 25..308.
constexpr double kCellCentre = 114.5, kBandMiddle = 166.5, kBandHeight = 283;
constexpr int kCellRight = 229, kCellBottom = 322;
// Room kept at the cell's top and bottom for the pen-up moves' slight bow and
// tremor; across it, no glyph wider than the built-in hand's widest and a bit,
// so that neighbours in a time keep apart.
constexpr double kMargin = 4, kWidest = 200;
// Between the A or P and the M, in cell units.
constexpr double kLetterGap = 8;

struct PenHand {
    std::array<std::vector<Placement>, kSlots> placements; // one per character
    std::array<std::vector<hand::IPt>, kSlots> glyphs;
    double pace = 0; // the pen-up moves' full speed, recorded units per 10 ms
};

// The writer's brisk pace: the 90th percentile of the moves between two
// recorded samples, in recorded units.
double BriskPace(const SlotCharacters& slots);

// The placements of every slot's characters, by the rules above.
std::array<std::vector<Placement>, kSlots> LayOut(const SlotCharacters& slots);

// The move of the hand with the pen up, from one recorded point to the next
// (neither included): the generator's path between strokes (slow off and onto
// the paper, nearly straight, a hand's tremor), `step` cell units per 10 ms at
// full speed.
std::vector<hand::IPt> PenUpMove(hand::IPt from, hand::IPt to, double step, std::uint64_t seed);

// The 13 glyphs; `seed` makes the pen-up moves reproducible.
PenHand MakePenHand(const SlotCharacters& slots, std::uint64_t seed);

} // namespace pen
