// make-hand: generates a handwriting set, the clock's built-in one or one of the
// extra hands shipped beside the program.
//
// Usage:  make-hand HAND [output-path]
//   HAND is default, quick, round or narrow. With a path, the set is written to
//   that file (created or replaced); without one, to standard output.
//   Exit status 0 when the produced bytes pass every check, 1 when a check fails
//   (nothing is written then), 2 on a usage or file error.
//
// Each glyph is one continuous mouse path, as if a person had drawn it in the
// Character Creator (hand/hand_path.h); each hand is a set of glyph designs with
// their timing (hand/hands.h). Fixed seeds make the output byte-for-byte
// reproducible. The produced bytes are read back and checked before anything is
// written: 13 lines in the writer's syntax, the per-glyph point and pause counts,
// the hand's bounds and, for the built-in hand, its exact size.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "hand/hands.h"
#include "hand/placement.h"
#include "hand/set_text.h"

namespace {

using namespace hand;

// Centres each glyph's horizontal extent on its design centre.
std::vector<std::vector<IPt>> DrawHand(const Hand& h, SetShape& shape) {
    std::vector<std::vector<IPt>> glyphs;
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        std::vector<IPt> p = DrawGlyph(h.designs[slot], h.timing[slot]);
        int lo = p[0].x, hi = p[0].x;
        for (const IPt& q : p) {
            lo = std::min(lo, q.x);
            hi = std::max(hi, q.x);
        }
        const int dx = static_cast<int>(std::lround(h.designs[slot].centre - 0.5 * (lo + hi)));
        for (IPt& q : p)
            q.x += dx;
        shape.points[slot] = static_cast<int>(p.size());
        shape.pauses[slot] = h.timing[slot].pauses;
        glyphs.push_back(std::move(p));
    }
    return glyphs;
}

// Shifts the glyphs a few units so that the file comes out at exactly `bytes`.
bool PlaceForSize(std::vector<std::vector<IPt>>& glyphs, const Bounds& bounds, int bytes) {
    int points = 0;
    for (const auto& g : glyphs)
        points += static_cast<int>(g.size());
    // Fixed bytes: 1 per pair comma, 2 per pair separator ", ", 2 per line end;
    // every number has two or three digits.
    const int fixedBytes = points + 2 * (points - kSlots) + 2 * kSlots;
    const int target = bytes - fixedBytes - 2 * (2 * points);
    int before = 0;
    for (const auto& g : glyphs)
        before += ThreeDigitCount(g, 0, 0);
    std::vector<Shift> shifts;
    if (!ChooseShifts(glyphs, bounds, target, shifts)) {
        std::fprintf(stderr,
                     "make-hand: no placement gives %d three-digit numbers (unplaced: %d)\n",
                     target, before);
        return false;
    }
    std::fprintf(stderr,
                 "make-hand: three-digit numbers %d before placement, %d wanted; shifts:", before,
                 target);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        std::fprintf(stderr, " %s(%d,%d)", kSlotName[i], shifts[i].dx, shifts[i].dy);
        for (IPt& q : glyphs[i]) {
            q.x += shifts[i].dx;
            q.y += shifts[i].dy;
        }
    }
    std::fprintf(stderr, "\n");
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Hand h;
    if (argc < 2 || argc > 3 || !FindHand(argv[1], h) || (argc == 3 && argv[2][0] == '-')) {
        std::fprintf(stderr, "usage: make-hand default|quick|round|narrow [output-path]\n");
        return 2;
    }
    SetShape shape;
    shape.bounds = h.bounds;
    shape.bytes = h.fileBytes;
    std::vector<std::vector<IPt>> glyphs = DrawHand(h, shape);
    if (h.fileBytes > 0 && !PlaceForSize(glyphs, h.bounds, h.fileBytes)) return 1;

    const std::string text = FormatSet(glyphs);
    const CheckReport report = CheckSet(text, shape);
    PrintReport("make-hand", report, shape);
    if (!report.ok) return 1;
    return WriteSet("make-hand", argc == 3 ? argv[2] : nullptr, text);
}
