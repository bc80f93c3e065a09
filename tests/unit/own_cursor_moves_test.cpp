#include "clock/own_cursor_moves.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kSecond = 1000000;

TEST(OwnCursorMoves, OnlyACursorAwayFromEveryRecentPlacementIsTheHand) {
    OwnCursorMoves moves;
    EXPECT_FALSE(moves.MovedByHand({500, 500}, 0)) << "nothing placed yet";

    moves.Placed({100, 100}, {100, 100}, 0);
    moves.Placed({400, 100}, {100, 100}, 10); // reported late, still at the last place
    moves.Placed({0, 50}, {0, 50}, 20);       // a point left of the screen, held at its edge
    const struct {
        ScreenPoint seen;
        std::int64_t at;
        bool hand;
    } cases[] = {
        {{100, 100}, 30, false},
        {{400, 100}, 30, false},
        {{0, 50}, 30, false},
        {{403, 97}, 30, false}, // within the tolerance
        {{404, 100}, 30, true},
        {{400, 96}, 30, true},
        {{250, 100}, 30, true},
        {{400, 100}, 10 + kSecond, false},
        {{400, 100}, 11 + kSecond, true}, // a second on
    };
    for (const auto& c : cases)
        EXPECT_EQ(moves.MovedByHand(c.seen, c.at), c.hand) << c.seen.x << "," << c.seen.y;

    // Only the latest placements count; forgetting starts afresh.
    for (int i = 0; i < static_cast<int>(OwnCursorMoves::kRemembered); ++i)
        moves.Placed({1000 + i, 0}, {1000 + i, 0}, 40);
    EXPECT_TRUE(moves.MovedByHand({100, 100}, 50));
    moves.Forget();
    EXPECT_FALSE(moves.MovedByHand({100, 100}, 50));
}

TEST(OwnCursorMoves, TheScreenHoldsTheCursorInsideItsEdges) {
    const ScreenRect screen{-1280, 0, 1920, 1080}; // a monitor left of the primary
    EXPECT_EQ(ClampedToScreen({-5000, 500}, screen), (ScreenPoint{-1280, 500}));
    EXPECT_EQ(ClampedToScreen({1920, 1080}, screen), (ScreenPoint{1919, 1079}));
    EXPECT_EQ(ClampedToScreen({10, -3}, screen), (ScreenPoint{10, 0}));
    EXPECT_EQ(ClampedToScreen({7, 7}, ScreenRect{}), (ScreenPoint{0, 0})) << "no screen";
}

} // namespace
