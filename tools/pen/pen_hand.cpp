// A hand written by a person, made into the clock's 13 glyphs.

#include "pen/pen_hand.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pen {
namespace {

using hand::IPt;
using hand::Pt;

constexpr std::size_t kColon = 10;

struct Extent {
    double minX = std::numeric_limits<double>::max(), maxX = -minX;
    double minY = minX, maxY = -minX;
    double width() const { return maxX - minX; }
    double height() const { return maxY - minY; }
    void add(const Extent& e) {
        minX = std::min(minX, e.minX);
        maxX = std::max(maxX, e.maxX);
        minY = std::min(minY, e.minY);
        maxY = std::max(maxY, e.maxY);
    }
};

Extent Measure(const Character& c) {
    Extent e;
    for (const Stroke& s : c)
        for (const IPt& p : s)
            e.add({double(p.x), double(p.x), double(p.y), double(p.y)});
    return e;
}

// The writer's line: where most of the digits end at the bottom (the median).
double Line(const SlotCharacters& slots) {
    std::vector<double> bottoms;
    for (std::size_t slot = 0; slot < kColon; ++slot)
        bottoms.push_back(Measure(slots[slot].front()).maxY);
    std::sort(bottoms.begin(), bottoms.end());
    const std::size_t n = bottoms.size();
    return n % 2 ? bottoms[n / 2] : 0.5 * (bottoms[n / 2 - 1] + bottoms[n / 2]);
}

// The largest scale at which the part of the letters from the line up (or
// down) stays inside the cell, the line being at `lineY` in the cell.
double LetterRoom(double lineY, double line, const Extent& letters) {
    double scale = std::numeric_limits<double>::max();
    if (letters.minY < line) scale = std::min(scale, (lineY - kMargin) / (line - letters.minY));
    if (letters.maxY > line)
        scale = std::min(scale, (kCellBottom - kMargin - lineY) / (letters.maxY - line));
    return scale;
}

} // namespace

Pt Place(const Placement& p, IPt recorded) {
    return {p.scale * recorded.x + p.dx, p.scale * recorded.y + p.dy};
}

double BriskPace(const SlotCharacters& slots) {
    std::vector<double> moves;
    for (const auto& characters : slots)
        for (const Character& c : characters)
            for (const Stroke& s : c)
                for (std::size_t i = 1; i < s.size(); ++i)
                    if (!(s[i] == s[i - 1]))
                        moves.push_back(hand::len(
                            Pt{double(s[i].x - s[i - 1].x), double(s[i].y - s[i - 1].y)}));
    if (moves.empty()) return 1;
    std::sort(moves.begin(), moves.end());
    return moves[moves.size() * 9 / 10];
}

std::array<std::vector<Placement>, kSlots> LayOut(const SlotCharacters& slots) {
    // The digits and the colon: one scale, one frame.
    Extent all;
    double tallest = 0, widest = 0;
    for (std::size_t slot = 0; slot <= kColon; ++slot) {
        const Extent e = Measure(slots[slot].front());
        all.add(e);
        widest = std::max(widest, e.width());
        if (slot != kColon) tallest = std::max(tallest, e.height());
    }
    const double room = kCellBottom - 2 * kMargin;
    // (A unit at least: a data file of dots must not divide by zero.)
    const double scale =
        std::min({kBandHeight / std::max(tallest, 1.0), room / std::max(all.height(), 1.0),
                  kWidest / std::max(widest, 1.0)});
    // Their band centred on the built-in hand's, moved into the cell if it must.
    const double top = std::clamp(kBandMiddle - 0.5 * scale * all.height(), kMargin,
                                  kCellBottom - kMargin - scale * all.height());
    const double dy = top - scale * all.minY;

    std::array<std::vector<Placement>, kSlots> placed;
    for (std::size_t slot = 0; slot <= kColon; ++slot) {
        const Extent e = Measure(slots[slot].front());
        placed[slot] = {{scale, kCellCentre - scale * 0.5 * (e.minX + e.maxX), dy}};
    }

    // The letters: one scale for both pairs, no larger than the digits', so
    // that each pair fits across the cell and, standing on the writer's line,
    // inside it from top to bottom.
    const double line = Line(slots), lineY = scale * line + dy;
    double letterScale = scale;
    for (std::size_t slot = kColon + 1; slot < kSlots; ++slot) {
        double widths = 0;
        Extent letters;
        for (const Character& c : slots[slot]) {
            widths += Measure(c).width();
            letters.add(Measure(c));
        }
        const double gaps = kLetterGap * static_cast<double>(slots[slot].size() - 1);
        letterScale = std::min({letterScale, (kWidest - gaps) / std::max(widths, 1.0),
                                LetterRoom(lineY, line, letters)});
    }
    for (std::size_t slot = kColon + 1; slot < kSlots; ++slot) {
        double width = kLetterGap * static_cast<double>(slots[slot].size() - 1);
        for (const Character& c : slots[slot])
            width += letterScale * Measure(c).width();
        double left = kCellCentre - 0.5 * width;
        for (const Character& c : slots[slot]) {
            const Extent e = Measure(c);
            placed[slot].push_back(
                {letterScale, left - letterScale * e.minX, lineY - letterScale * line});
            left += letterScale * e.width() + kLetterGap;
        }
    }
    return placed;
}

std::vector<IPt> PenUpMove(IPt from, IPt to, double step, std::uint64_t seed) {
    hand::GlyphDesign travel;
    travel.nodes = {hand::C(from.x, from.y), hand::C(to.x, to.y)};
    travel.box = {0, 0, 1, 1, 0}; // the nodes are cell units
    std::vector<IPt> samples = hand::DrawGlyph(travel, {seed, 0, 0, step});
    // Its first and last samples stand for the strokes' own end and start.
    return {samples.begin() + 1, samples.end() - 1};
}

PenHand MakePenHand(const SlotCharacters& slots, std::uint64_t seed) {
    PenHand h;
    h.pace = BriskPace(slots);
    h.placements = LayOut(slots);
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        std::vector<IPt>& glyph = h.glyphs[slot];
        std::uint64_t moveSeed = seed + 0x9E3779B9ull * (slot + 1);
        for (std::size_t part = 0; part < slots[slot].size(); ++part) {
            const Placement& at = h.placements[slot][part];
            for (const Stroke& stroke : slots[slot][part]) {
                std::vector<IPt> ink;
                for (const IPt& p : stroke) {
                    const Pt q = Place(at, p);
                    ink.push_back({int(std::lround(q.x)), int(std::lround(q.y))});
                }
                if (!glyph.empty()) {
                    const std::vector<IPt> move =
                        PenUpMove(glyph.back(), ink.front(), h.pace * at.scale, ++moveSeed);
                    glyph.insert(glyph.end(), move.begin(), move.end());
                }
                glyph.insert(glyph.end(), ink.begin(), ink.end());
            }
        }
    }
    return h;
}

} // namespace pen
