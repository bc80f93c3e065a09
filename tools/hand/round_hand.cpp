// A round upright print: wide, unslanted, closed round shapes, written slowly
// with a stop at every corner; a "1" with a foot, a closed "4", a "9" with a
// straight stem, and round dots for the colon.

#include "hand/hands.h"

namespace hand {

Hand RoundHand() {
    std::vector<GlyphDesign> g = CursiveDesigns(0x0A0D4000ull, {0, 66, 148, 220, 0.0}, 115.0,
                                                {0, 178, 1.04, 108, 0.0}, 113.0, 111.0);

    g[0].nodes = {C(0.50, 0.00, 5), S(0.20, 0.08), S(0.03, 0.35),   S(0.03, 0.65),
                  S(0.20, 0.92),    S(0.50, 1.00), S(0.80, 0.92),   S(0.97, 0.65),
                  S(0.97, 0.35),    S(0.80, 0.08), C(0.50, 0.00, 6)};
    g[1].nodes = {C(0.24, 0.20, 3), C(0.52, 0.00, 3), S(0.52, 0.50),
                  C(0.52, 1.00, 3), C(0.22, 1.00, 2), C(0.82, 1.00, 5)};
    g[2].nodes = {C(0.08, 0.22, 3), S(0.25, 0.04), S(0.50, 0.00),   S(0.78, 0.06),
                  S(0.92, 0.25),    S(0.85, 0.45), S(0.60, 0.65),   S(0.30, 0.85),
                  C(0.03, 1.00, 4), S(0.50, 1.00), C(1.00, 1.00, 5)};
    // "4": up the stem, down the diagonal, across: closed at the top.
    g[4].nodes = {C(0.70, 1.00, 3), S(0.70, 0.50), C(0.70, 0.00, 3), S(0.35, 0.34),
                  C(0.00, 0.68, 3), S(0.50, 0.68), C(1.00, 0.68, 5)};
    g[7].nodes = {C(0.02, 0.00, 3), S(0.50, 0.00), C(0.98, 0.00, 3), S(0.70, 0.45),
                  C(0.45, 1.00, 5)};
    g[9].nodes = {C(0.95, 0.25, 3), S(0.82, 0.05), S(0.50, 0.00),   S(0.18, 0.06),
                  S(0.04, 0.25),    S(0.15, 0.45), S(0.50, 0.52),   S(0.85, 0.42),
                  C(0.95, 0.22, 3), S(0.95, 0.60), C(0.95, 1.00, 5)};
    g[10].nodes = Colon(g[10].box, 10.0, 2.0, 2.6, {0.50, 0.36, -0.4, 9, 12},
                        Fast(S(0.50, 0.60), 1.4), {0.50, 0.84, -2.0, 7, 12});
    return PacedHand(std::move(g), 0x0A0D5EEDull, 9.5,
                     {12, 10, 12, 12, 14, 12, 10, 9, 12, 12, 36, 30, 30}, {6, 224, 8, 315});
}

} // namespace hand
