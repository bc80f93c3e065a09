#include "clock/own_cursor_moves.h"

#include <gtest/gtest.h>

namespace {

TEST(OwnCursorMoves, OnlyACursorAwayFromEveryRecentPlacementIsTheHand) {
    OwnCursorMoves moves;
    EXPECT_FALSE(moves.MovedByHand({500, 500})) << "nothing placed yet";

    moves.Placed({100, 100}, {100, 100});
    moves.Placed({400, 100}, {100, 100}); // reported late, still at the last place
    moves.Placed({0, 50}, {0, 50});       // a point left of the screen, held at its edge
    const struct {
        ScreenPoint seen;
        bool hand;
    } cases[] = {
        {{100, 100}, false}, {{400, 100}, false}, {{0, 50}, false},
        {{403, 97}, false}, // within the tolerance
        {{404, 100}, true},  {{400, 96}, true},   {{250, 100}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(moves.MovedByHand(c.seen), c.hand) << c.seen.x << "," << c.seen.y;

    // Only the latest placements count; forgetting starts afresh.
    for (int i = 0; i < static_cast<int>(OwnCursorMoves::kRemembered); ++i)
        moves.Placed({1000 + 10 * i, 0}, {1000 + 10 * i, 0});
    EXPECT_TRUE(moves.MovedByHand({100, 100}));
    EXPECT_FALSE(moves.MovedByHand({1000, 0}));
    moves.Forget();
    EXPECT_FALSE(moves.MovedByHand({100, 100}));
}

TEST(OwnCursorMoves, TheScreenHoldsTheCursorInsideItsEdges) {
    const ScreenBounds screen{-1280, 0, 1920, 1080}; // a monitor left of the primary
    EXPECT_EQ(ClampedToScreen({-5000, 500}, screen), (ScreenPoint{-1280, 500}));
    EXPECT_EQ(ClampedToScreen({1920, 1080}, screen), (ScreenPoint{1919, 1079}));
    EXPECT_EQ(ClampedToScreen({10, -3}, screen), (ScreenPoint{10, 0}));
    EXPECT_EQ(ClampedToScreen({7, 7}, ScreenBounds{}), (ScreenPoint{0, 0})) << "no screen";
}

} // namespace
