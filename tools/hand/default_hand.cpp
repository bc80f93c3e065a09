// The clock's built-in hand: a right-leaning cursive of moderate pace whose
// file has a fixed shape the program's tests rely on: per-glyph point counts
// (1049 in all), 213 repeated points, x in 11..204, y in 25..308, 8766 bytes.

#include <cstdint>

#include "hand/hands.h"

namespace hand {
namespace {

constexpr std::array<int, kSlots> kPointCount = {95, 39, 61, 67, 78,  73, 60,
                                                 37, 84, 80, 92, 141, 142};
// Pauses (points repeating their predecessor) per glyph; the colon's dots and the
// two-letter marks carry the most.
constexpr std::array<int, kSlots> kPauseCount = {12, 8, 11, 12, 15, 14, 9, 7, 12, 13, 40, 30, 30};

// Digits and colon: tops near y 46, baseline near y 292.
constexpr Box kDigitBox = {0, 46, 112, 246, 0.13};
// The AM/PM marks: smaller capitals on the same baseline; u is in cell units.
constexpr Box kMarkBox = {0, 160, 1, 132, 0.13};

std::vector<GlyphDesign> VariedDesigns(std::uint64_t seed, const Box& box, double centre) {
    std::vector<GlyphDesign> g(kSlots);
    for (std::size_t i = 0; i < g.size(); ++i) {
        Rng r(seed + i);
        GlyphDesign& d = g[i];
        d.box = box;
        const double baseline = d.box.top + d.box.height + r.sym(2.0);
        d.box.height *= 1.0 + r.sym(0.025);
        d.box.width *= 1.0 + r.sym(0.04);
        d.box.top = baseline - d.box.height;
        d.box.slant += r.sym(0.025);
        d.centre = centre + r.sym(3.0);
    }
    return g;
}

// The shapes, drawn into the designs' boxes (the colon's dots follow its box).
void SetCursiveShapes(std::vector<GlyphDesign>& g) {
    // "0": starts at the top, goes round anticlockwise and overlaps its start a little.
    g[0].nodes = {C(0.58, 0.03, 4), S(0.36, 0.02), S(0.15, 0.13),   S(0.04, 0.36), S(0.03, 0.64),
                  S(0.15, 0.89),    S(0.42, 1.00), S(0.72, 0.94),   S(0.93, 0.72), S(0.98, 0.42),
                  S(0.88, 0.15),    S(0.68, 0.02), C(0.47, 0.04, 8)};
    // "1": a short lead-in flag up to the top, then straight down.
    g[1].nodes = {C(0.24, 0.20, 3), S(0.40, 0.09), C(0.56, 0.00, 2), S(0.54, 0.50),
                  C(0.52, 1.00, 3)};
    // "2": hook over the top, curve into the diagonal, corner, base line to the right.
    g[2].nodes = {C(0.07, 0.21, 3), S(0.22, 0.05), S(0.50, 0.00),   S(0.80, 0.06),
                  S(0.93, 0.24),    S(0.85, 0.45), S(0.58, 0.68),   S(0.28, 0.86),
                  C(0.02, 1.00, 3), S(0.50, 0.99), C(1.00, 0.97, 5)};
    // "3": top bowl into a cusp in the middle, larger bottom bowl, tail to the left.
    g[3].nodes = {C(0.08, 0.13, 3), S(0.33, 0.01),    S(0.68, 0.01), S(0.87, 0.13),   S(0.85, 0.31),
                  S(0.62, 0.44),    C(0.36, 0.47, 4), S(0.68, 0.52), S(0.94, 0.68),   S(0.93, 0.87),
                  S(0.72, 0.99),    S(0.40, 1.00),    S(0.14, 0.93), C(0.02, 0.83, 5)};
    // "4": down-stroke, across, back along the bar to the stem, up the stem and
    // down it to the baseline (the travel runs over lines already drawn).
    g[4].nodes = {C(0.30, 0.00, 3),
                  S(0.16, 0.34),
                  C(0.02, 0.66, 3),
                  S(0.50, 0.665),
                  C(1.00, 0.655, 2),
                  Fast(C(0.76, 0.66, 1), 1.25),
                  Fast(S(0.765, 0.33), 1.25),
                  C(0.775, 0.01, 2),
                  S(0.76, 0.50),
                  C(0.74, 1.00, 4)};
    // "5": flag from right to left, down, then the round belly and a tail.
    g[5].nodes = {C(0.92, 0.00, 3), S(0.55, 0.005), C(0.19, 0.01, 3), S(0.15, 0.22),
                  C(0.11, 0.44, 3), S(0.36, 0.38),  S(0.66, 0.39),    S(0.90, 0.52),
                  S(0.97, 0.73),    S(0.85, 0.92),  S(0.55, 1.00),    S(0.25, 0.98),
                  C(0.03, 0.86, 5)};
    // "6": from the top right down the left side, round the bottom, loop closed.
    g[6].nodes = {C(0.86, 0.05, 3), S(0.60, 0.00), S(0.34, 0.08), S(0.14, 0.30),   S(0.04, 0.58),
                  S(0.09, 0.85),    S(0.32, 0.99), S(0.64, 0.99), S(0.89, 0.85),   S(0.94, 0.66),
                  S(0.79, 0.50),    S(0.51, 0.45), S(0.24, 0.52), C(0.08, 0.69, 6)};
    // "7": top bar, sharp corner, long slightly curved diagonal.
    g[7].nodes = {C(0.02, 0.03, 2), S(0.50, 0.00), C(0.99, 0.01, 2),
                  S(0.72, 0.38),    S(0.48, 0.73), C(0.34, 1.00, 3)};
    // "8": upper loop anticlockwise, across the waist into the lower loop clockwise,
    // back up through the waist to the start.
    g[8].nodes = {C(0.80, 0.10, 3), S(0.58, 0.00), S(0.32, 0.02),   S(0.17, 0.14), S(0.20, 0.31),
                  S(0.44, 0.44),    S(0.72, 0.56), S(0.93, 0.73),   S(0.88, 0.92), S(0.60, 1.00),
                  S(0.30, 0.99),    S(0.07, 0.88), S(0.09, 0.70),   S(0.32, 0.55), S(0.60, 0.44),
                  S(0.80, 0.29),    S(0.82, 0.14), C(0.70, 0.05, 7)};
    // "9": loop anticlockwise from its right side back to the start, stem down.
    g[9].nodes = {C(0.90, 0.25, 3), S(0.80, 0.06), S(0.56, 0.00), S(0.28, 0.04),
                  S(0.09, 0.19),    S(0.09, 0.39), S(0.33, 0.50), S(0.67, 0.45),
                  C(0.90, 0.24, 3), S(0.88, 0.50), S(0.84, 0.76), C(0.79, 1.00, 5)};

    // ":": a scribbled dot, a quick travel down, a second scribbled dot.
    g[10].nodes = Colon(g[10].box, 9.0, 1.5, 2.4, {0.50, 0.38, -0.4, 9, 12},
                        Fast(S(0.492, 0.61), 1.6), {0.47, 0.83, -2.0, 7, 12});

    // The marks, in a box of their own whose u is in cell units.
    // "AM": A (up, down), back up its right leg to the bar, bar to the left and back,
    // down the leg, a short run along the baseline to M, then M.
    g[11].nodes = {C(0, 1.00, 4),
                   C(33, 0.00, 3),
                   C(66, 1.00, 3),
                   Fast(C(54.5, 0.64, 1), 1.2),
                   C(12, 0.645, 3),
                   Fast(C(54, 0.64, 1), 1.3),
                   Fast(C(66, 0.99, 1), 1.3),
                   C(78, 1.00, 2),
                   C(80, 0.00, 3),
                   C(118, 0.72, 3),
                   C(156, 0.00, 3),
                   C(157, 1.00, 6)};
    // "PM": P stem up and the bowl round to the stem; back round the lower bowl and a
    // short join to the top of M; down M's first leg and back up, then the rest of M.
    // (A join along the baseline would close the P into a D.)
    g[12].nodes = {C(0, 1.00, 4),
                   C(1, 0.00, 3),
                   S(22, -0.01),
                   S(42, 0.06),
                   S(49, 0.24),
                   S(41, 0.43),
                   S(21, 0.51),
                   C(3, 0.52, 2),
                   Fast(S(22, 0.505), 1.3),
                   Fast(S(41, 0.425), 1.3),
                   C(48.5, 0.25, 1),
                   C(72, 0.00, 3),
                   C(70, 1.00, 3),
                   Fast(C(72, 0.01, 1), 1.3),
                   C(108, 0.72, 3),
                   C(144, 0.00, 3),
                   C(145, 1.00, 6)};
}

} // namespace

std::vector<GlyphDesign> CursiveDesigns(std::uint64_t seed, const Box& digits, double centre,
                                        const Box& marks, double amCentre, double pmCentre) {
    std::vector<GlyphDesign> g = VariedDesigns(seed, digits, centre);
    g[11].box = g[12].box = marks;
    g[11].centre = amCentre;
    g[12].centre = pmCentre;
    SetCursiveShapes(g);
    return g;
}

Hand DefaultHand() {
    // Marks: capitals 132 units high on the digits' baseline.
    Hand h{CursiveDesigns(0xD161700ull, kDigitBox, 107.5, kMarkBox, 107.0, 105.0),
           {},
           {11, 204, 25, 308},
           8766};
    for (int slot = 0; slot < kSlots; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        h.timing[s] = {0x5EED0000ull + 0x9E37ull * static_cast<std::uint64_t>(slot + 1),
                       kPointCount[s], kPauseCount[s], 0.0};
    }
    return h;
}

} // namespace hand
