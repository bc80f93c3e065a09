// The rules a hand written by a person is made by, checked on every writer of
// the data: the recorded points kept, the pen-up moves between them, one scale
// per writer, the cell.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "pen/pen_hand.h"
#include "pen/writer_samples.h"

namespace pen {
namespace {

using hand::IPt;

struct Writer {
    std::string name;
    SlotCharacters slots;
    PenHand hand;
};

const std::vector<Writer>& Writers() {
    static const std::vector<Writer> writers = [] {
        std::ifstream in(SPINDRIFT_PEN_DATA, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        std::vector<Record> records;
        std::string error;
        EXPECT_TRUE(ReadUjiRecords(text, records, error)) << error;
        std::vector<Writer> all;
        for (const std::string& name : KnownWriters()) {
            Writer w{name, {}, {}};
            if (!ChooseSamples(records, name, w.slots, error)) continue;
            w.hand = MakePenHand(w.slots, 7);
            all.push_back(std::move(w));
        }
        return all;
    }();
    EXPECT_EQ(writers.size(), 8u) << "the data did not load";
    return writers;
}

struct Box {
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    void add(double x, double y) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
};

Box Around(const std::vector<IPt>& points) {
    Box b;
    for (const IPt& q : points)
        b.add(q.x, q.y);
    return b;
}

// The recorded points of a character, placed in the cell.
Box Around(const Character& c, const Placement& p) {
    Box b;
    for (const Stroke& s : c)
        for (const IPt& q : s)
            b.add(Place(p, q).x, Place(p, q).y);
    return b;
}

double Distance(IPt a, IPt b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Scaled back, each stroke is the recording point for point, in order, rounded
// only; between two strokes a pen-up move of small steps, no longer than a hand
// takes (a tenth of a second to lift and land, and the way at half the writer's
// brisk pace); nothing before the first stroke or after the last.
TEST(PenHand, KeepsEveryRecordedPointAndJoinsTheStrokes) {
    for (const Writer& w : Writers()) {
        for (std::size_t slot = 0; slot < kSlots; ++slot) {
            const std::vector<IPt>& glyph = w.hand.glyphs[slot];
            const std::string where = w.name + " slot " + std::to_string(slot);
            std::size_t at = 0;
            for (std::size_t part = 0; part < w.slots[slot].size(); ++part) {
                const Placement& p = w.hand.placements[slot][part];
                for (const Stroke& stroke : w.slots[slot][part]) {
                    auto holds = [&](std::size_t from) {
                        for (std::size_t k = 0; k < stroke.size(); ++k)
                            if (from + k >= glyph.size() ||
                                std::abs(glyph[from + k].x - Place(p, stroke[k]).x) > 0.5 + 1e-9 ||
                                std::abs(glyph[from + k].y - Place(p, stroke[k]).y) > 0.5 + 1e-9)
                                return false;
                        return true;
                    };
                    std::size_t start = at;
                    while (start < glyph.size() && !holds(start))
                        ++start;
                    ASSERT_LT(start, glyph.size()) << where;
                    if (at == 0) {
                        EXPECT_EQ(start, 0u) << where;
                    } else {
                        const double step = w.hand.pace * p.scale;
                        EXPECT_GE(start - at, 1u) << where;
                        EXPECT_LE(start - at + 1.0,
                                  10 + 2 * Distance(glyph[at - 1], glyph[start]) / step)
                            << where;
                        for (std::size_t k = at; k <= start; ++k)
                            EXPECT_LE(Distance(glyph[k - 1], glyph[k]), 1.25 * step + 2)
                                << where << " point " << k;
                    }
                    at = start + stroke.size();
                }
            }
            EXPECT_EQ(at, glyph.size()) << where;
        }
    }
}

// The digits and colon share one scale and frame, as large as the cell allows
// (the tallest digit as tall as the built-in hand's, or the glyphs together as
// tall as the cell, or one as wide as the widest allowed); the letters one
// scale no larger, standing on the writer's line (the two placements agree at a
// height among the digits' bottoms).
TEST(PenHand, KeepsOneScalePerWriter) {
    for (const Writer& w : Writers()) {
        const Placement digits = w.hand.placements[0][0], letters = w.hand.placements[11][0];
        for (std::size_t slot = 0; slot < kSlots; ++slot)
            for (const Placement& p : w.hand.placements[slot]) {
                EXPECT_EQ(p.scale, slot <= 10 ? digits.scale : letters.scale) << w.name;
                EXPECT_EQ(p.dy, slot <= 10 ? digits.dy : letters.dy) << w.name;
            }
        Box band, bottoms;
        double tallest = 0, widest = 0;
        for (std::size_t slot = 0; slot <= 10; ++slot) {
            const Box b = Around(w.slots[slot][0], digits);
            band.add(b.left, b.top), band.add(b.right, b.bottom);
            widest = std::max(widest, b.right - b.left);
            if (slot == 10) continue;
            tallest = std::max(tallest, b.bottom - b.top);
            bottoms.add(0, (b.bottom - digits.dy) / digits.scale);
        }
        EXPECT_LE(tallest, kBandHeight + 1e-9) << w.name;
        EXPECT_TRUE(tallest > kBandHeight - 1e-9 || widest > kWidest - 1e-9 ||
                    band.bottom - band.top > kCellBottom - 2 * kMargin - 1e-9)
            << w.name << ": smaller than the cell requires";
        EXPECT_LE(letters.scale, digits.scale) << w.name;
        if (letters.scale < digits.scale) {
            const double line = (letters.dy - digits.dy) / (digits.scale - letters.scale);
            EXPECT_GE(line, bottoms.top - 1e-9) << w.name;
            EXPECT_LE(line, bottoms.bottom + 1e-9) << w.name;
        }
    }
}

// Every point inside the cell; each glyph centred across it, the two letters
// of AM and PM side by side.
TEST(PenHand, StaysInsideTheCellAndCentred) {
    for (const Writer& w : Writers()) {
        for (std::size_t slot = 0; slot < kSlots; ++slot) {
            const Box b = Around(w.hand.glyphs[slot]);
            EXPECT_TRUE(b.left >= 0 && b.right <= kCellRight && b.top >= 0 &&
                        b.bottom <= kCellBottom)
                << w.name << " slot " << slot;
            EXPECT_NEAR(0.5 * (b.left + b.right), kCellCentre, 1.5) << w.name << " slot " << slot;
        }
        for (std::size_t slot = 11; slot < kSlots; ++slot)
            EXPECT_LT(Around(w.slots[slot][0], w.hand.placements[slot][0]).right,
                      Around(w.slots[slot][1], w.hand.placements[slot][1]).left)
                << w.name << " slot " << slot;
    }
}

} // namespace
} // namespace pen
