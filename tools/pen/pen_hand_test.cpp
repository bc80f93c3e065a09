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
            EXPECT_TRUE(ChooseSamples(records, name, w.slots, error)) << error;
            w.hand = MakePenHand(w.slots, 7);
            all.push_back(std::move(w));
        }
        return all;
    }();
    return writers;
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
            std::size_t at = 0;
            for (std::size_t part = 0; part < w.slots[slot].size(); ++part) {
                const Placement& p = w.hand.placements[slot][part];
                for (const Stroke& stroke : w.slots[slot][part]) {
                    auto holds = [&](std::size_t from) {
                        for (std::size_t k = 0; k < stroke.size(); ++k) {
                            const hand::Pt want = Place(p, stroke[k]);
                            if (from + k >= glyph.size() ||
                                std::abs(glyph[from + k].x - want.x) > 0.5 + 1e-9 ||
                                std::abs(glyph[from + k].y - want.y) > 0.5 + 1e-9)
                                return false;
                        }
                        return true;
                    };
                    std::size_t start = at;
                    while (start < glyph.size() && !holds(start))
                        ++start;
                    ASSERT_LT(start, glyph.size()) << w.name << " slot " << slot;
                    if (at == 0) {
                        EXPECT_EQ(start, 0u) << w.name << " slot " << slot;
                    } else {
                        const double step = w.hand.pace * p.scale;
                        EXPECT_GE(start - at, 1u) << w.name << " slot " << slot;
                        EXPECT_LE(double(start - at + 1),
                                  10 + 2 * Distance(glyph[at - 1], glyph[start]) / step)
                            << w.name << " slot " << slot;
                        for (std::size_t k = at; k <= start; ++k)
                            EXPECT_LE(Distance(glyph[k - 1], glyph[k]), 1.25 * step + 2)
                                << w.name << " slot " << slot << " point " << k;
                    }
                    at = start + stroke.size();
                }
            }
            EXPECT_EQ(at, glyph.size()) << w.name << " slot " << slot;
        }
    }
}

// The digits and colon share one scale and frame, as large as the cell
// allows; the letters one scale no larger, standing on the writer's line (the
// two placements agree at a height among the digits' bottoms).
TEST(PenHand, KeepsOneScalePerWriter) {
    for (const Writer& w : Writers()) {
        const Placement digits = w.hand.placements[0][0];
        double tallest = 0, lowest = 1e9, highest = -1e9, bottomMin = 1e9, bottomMax = -1e9;
        for (std::size_t slot = 0; slot <= 10; ++slot) {
            EXPECT_EQ(w.hand.placements[slot][0].scale, digits.scale) << w.name;
            EXPECT_EQ(w.hand.placements[slot][0].dy, digits.dy) << w.name;
            double top = 1e9, bottom = -1e9;
            for (const IPt& q : w.hand.glyphs[slot]) {
                top = std::min(top, double(q.y));
                bottom = std::max(bottom, double(q.y));
            }
            lowest = std::min(lowest, top);
            highest = std::max(highest, bottom);
            if (slot == 10) continue;
            tallest = std::max(tallest, bottom - top);
            double recordedBottom = -1e9;
            for (const Stroke& s : w.slots[slot][0])
                for (const IPt& q : s)
                    recordedBottom = std::max(recordedBottom, double(q.y));
            bottomMin = std::min(bottomMin, recordedBottom);
            bottomMax = std::max(bottomMax, recordedBottom);
        }
        EXPECT_LE(tallest, kBandHeight + 1) << w.name;
        EXPECT_TRUE(tallest >= kBandHeight - 1 ||
                    highest - lowest >= kCellBottom - 2 * kMargin - 1 ||
                    std::any_of(w.hand.glyphs.begin(), w.hand.glyphs.begin() + 11,
                                [](const std::vector<IPt>& g) {
                                    const auto [lo, hi] = std::minmax_element(
                                        g.begin(), g.end(), [](IPt a, IPt b) { return a.x < b.x; });
                                    return hi->x - lo->x >= kWidest - 1;
                                }))
            << w.name << ": smaller than the cell requires";

        const Placement letters = w.hand.placements[11][0];
        EXPECT_LE(letters.scale, digits.scale) << w.name;
        for (std::size_t slot = 11; slot < kSlots; ++slot)
            for (const Placement& p : w.hand.placements[slot]) {
                EXPECT_EQ(p.scale, letters.scale) << w.name;
                EXPECT_EQ(p.dy, letters.dy) << w.name;
            }
        if (letters.scale < digits.scale) {
            const double line = (letters.dy - digits.dy) / (digits.scale - letters.scale);
            EXPECT_GE(line, bottomMin) << w.name;
            EXPECT_LE(line, bottomMax) << w.name;
        }
    }
}

// Every point inside the cell; each glyph centred across it, the two letters
// of AM and PM side by side.
TEST(PenHand, StaysInsideTheCellAndCentred) {
    for (const Writer& w : Writers()) {
        for (std::size_t slot = 0; slot < kSlots; ++slot) {
            const std::vector<IPt>& g = w.hand.glyphs[slot];
            int left = 1 << 30, right = -left;
            for (const IPt& q : g) {
                EXPECT_TRUE(q.x >= 0 && q.x <= kCellRight && q.y >= 0 && q.y <= kCellBottom)
                    << w.name << " slot " << slot << ": " << q.x << "," << q.y;
                left = std::min(left, q.x);
                right = std::max(right, q.x);
            }
            EXPECT_NEAR(0.5 * (left + right), kCellCentre, 1.5) << w.name << " slot " << slot;
        }
        for (std::size_t slot = 11; slot < kSlots; ++slot) {
            const auto& parts = w.slots[slot];
            const auto& at = w.hand.placements[slot];
            double firstRight = -1e9, secondLeft = 1e9;
            for (const Stroke& s : parts[0])
                for (const IPt& q : s)
                    firstRight = std::max(firstRight, Place(at[0], q).x);
            for (const Stroke& s : parts[1])
                for (const IPt& q : s)
                    secondLeft = std::min(secondLeft, Place(at[1], q).x);
            EXPECT_LT(firstRight, secondLeft) << w.name << " slot " << slot;
        }
    }
}

} // namespace
} // namespace pen
