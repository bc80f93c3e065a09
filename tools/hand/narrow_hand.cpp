// A narrow hand with long strokes: tall and thin, slightly slanted, at a brisk
// pace; a long "1", a "7" with a bar across, a "9" on a long straight stem.

#include "hand/hands.h"

namespace hand {

Hand NarrowHand() {
    std::vector<GlyphDesign> g = CursiveDesigns(0x7A11400ull, {0, 26, 74, 276, 0.07}, 115.0,
                                                {0, 150, 0.70, 152, 0.07}, 112.0, 112.0);

    g[1].nodes = {C(0.20, 0.10, 2), C(0.62, 0.00, 2), S(0.58, 0.50), C(0.55, 1.00, 4)};
    // "7": back up the diagonal to its middle for the bar across it.
    g[7].nodes = {C(0.00, 0.02, 2), S(0.50, 0.00),    C(1.00, 0.01, 2),
                  S(0.78, 0.50),    C(0.58, 1.00, 3), Fast(C(0.78, 0.52, 1), 1.4),
                  C(0.48, 0.53, 1), C(1.04, 0.51, 4)};
    g[9].nodes = {C(0.92, 0.20, 3), S(0.78, 0.03), S(0.50, 0.00),   S(0.20, 0.05),
                  S(0.06, 0.20),    S(0.12, 0.35), S(0.45, 0.42),   S(0.80, 0.33),
                  C(0.95, 0.18, 3), S(0.90, 0.60), C(0.82, 1.00, 4)};
    g[10].nodes = Colon(g[10].box, 6.0, 1.0, 2.0, {0.50, 0.40, -0.4, 6, 8},
                        Fast(S(0.50, 0.62), 1.6), {0.48, 0.85, -2.0, 5, 8});
    return PacedHand(std::move(g), 0x7A115EEDull, 14.5, {8, 6, 8, 8, 9, 8, 7, 6, 8, 8, 24, 18, 18},
                     {6, 224, 8, 315});
}

} // namespace hand
