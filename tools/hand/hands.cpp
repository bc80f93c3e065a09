// Finding a hand by name, and the timing shared by the extra hands.

#include "hand/hands.h"

namespace hand {

Hand PacedHand(std::vector<GlyphDesign> designs, std::uint64_t seed, double step,
               const std::array<int, kSlots>& pauses, const Bounds& bounds) {
    Hand h{std::move(designs), {}, bounds, 0};
    for (std::size_t slot = 0; slot < kSlots; ++slot)
        h.timing[slot] = {seed + 0x9E37ull * (slot + 1), 0, pauses[slot], step};
    return h;
}

bool FindHand(std::string_view name, Hand& hand) {
    if (name == "default")
        hand = DefaultHand();
    else if (name == "quick")
        hand = QuickHand();
    else if (name == "round")
        hand = RoundHand();
    else if (name == "narrow")
        hand = NarrowHand();
    else
        return false;
    return true;
}

} // namespace hand
