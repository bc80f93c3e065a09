// A quick slanted hand: small, leaning well forward, written fast with rounded
// corners and few pauses; a "1" that is barely more than a stroke, a "2" without
// a corner, a colon of two quick ticks.

#include "hand/hands.h"

namespace hand {

Hand QuickHand() {
    std::vector<GlyphDesign> g = CursiveDesigns(0x0B1C4000ull, {0, 60, 104, 224, 0.30}, 114.0,
                                                {0, 172, 0.92, 112, 0.30}, 112.0, 112.0);

    // "0": round from the top, and on past the start in a little flick.
    g[0].nodes = {C(0.62, 0.04, 2), S(0.38, 0.02), S(0.16, 0.16), S(0.05, 0.42),   S(0.08, 0.72),
                  S(0.25, 0.95),    S(0.52, 1.00), S(0.78, 0.88), S(0.94, 0.60),   S(0.95, 0.30),
                  S(0.82, 0.08),    S(0.60, 0.00), S(0.44, 0.05), C(0.34, 0.14, 3)};
    g[1].nodes = {C(0.34, 0.14, 2), C(0.58, 0.00, 1), S(0.54, 0.50), C(0.50, 1.00, 3)};
    g[2].nodes = {C(0.06, 0.24, 2), S(0.24, 0.04), S(0.52, 0.00), S(0.80, 0.08),
                  S(0.88, 0.28),    S(0.72, 0.50), S(0.42, 0.74), S(0.14, 0.94),
                  S(0.14, 1.00),    S(0.34, 0.98), S(0.64, 0.99), C(0.98, 0.94, 3)};
    g[3].nodes = {C(0.10, 0.12, 2), S(0.36, 0.00), S(0.70, 0.02),   S(0.86, 0.16), S(0.78, 0.36),
                  S(0.52, 0.46),    S(0.40, 0.48), S(0.60, 0.52),   S(0.88, 0.66), S(0.90, 0.86),
                  S(0.68, 1.00),    S(0.36, 1.00), C(0.06, 0.86, 3)};
    g[7].nodes = {C(0.00, 0.04, 2), S(0.50, 0.00), C(1.00, 0.02, 1),
                  S(0.70, 0.40),    S(0.45, 0.75), C(0.32, 1.00, 2)};
    // ":": two short ticks rather than scribbled dots.
    g[10].nodes = Colon(g[10].box, 6.0, 1.0, 1.2, {0.50, 0.40, -0.4, 3, 4},
                        Fast(S(0.49, 0.62), 1.8), {0.46, 0.84, -2.0, 3, 4});
    return PacedHand(std::move(g), 0x0B1C5EEDull, 19.0, {4, 3, 4, 4, 4, 4, 3, 3, 4, 4, 12, 8, 8},
                     {6, 224, 8, 315});
}

} // namespace hand
