#include "ui/own_cursor_moves.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kSecond = 1000000;

TEST(OwnCursorMoves, OnlyACursorAwayFromEveryRecentPlacementIsTheHand) {
    OwnCursorMoves moves;
    EXPECT_FALSE(moves.MovedByHand({500, 500})) << "nothing placed yet";

    moves.Placed({100, 100}, {100, 100}, 0);
    moves.Placed({400, 100}, {100, 100}, 10); // reported late, still at the last place
    moves.Placed({0, 50}, {0, 50}, 20);       // a point left of the screen, held at its edge
    // However long the cursor lies where it was put, its places stay the
    // program's; once it is moved on, each goes a second after it was set.
    const struct {
        std::int64_t movedOnAt; // a placement at (700, 700) first; 0: none
        ScreenPoint seen;
        bool hand;
    } cases[] = {
        {0, {100, 100}, false},
        {0, {400, 100}, false},
        {0, {0, 50}, false},
        {0, {403, 97}, false}, // within the tolerance
        {0, {404, 100}, true},
        {0, {400, 96}, true},
        {0, {250, 100}, true},
        {10 + kSecond, {400, 100}, false},
        {11 + kSecond, {400, 100}, true}, // a second on
        {11 + kSecond, {0, 50}, false},
    };
    for (const auto& c : cases) {
        if (c.movedOnAt != 0) moves.Placed({700, 700}, {700, 700}, c.movedOnAt);
        EXPECT_EQ(moves.MovedByHand(c.seen), c.hand) << c.seen.x << "," << c.seen.y;
    }

    // Only the latest placements count; forgetting starts afresh.
    for (int i = 0; i < static_cast<int>(OwnCursorMoves::kRemembered); ++i)
        moves.Placed({1000 + i, 0}, {1000 + i, 0}, 2 * kSecond);
    EXPECT_TRUE(moves.MovedByHand({100, 100}));
    moves.Forget();
    EXPECT_FALSE(moves.MovedByHand({100, 100}));
}

TEST(OwnCursorMoves, TheScreenHoldsTheCursorInsideItsEdges) {
    const ScreenRect screen{-1280, 0, 1920, 1080}; // a monitor left of the primary
    EXPECT_EQ(ClampedToScreen({-5000, 500}, screen), (ScreenPoint{-1280, 500}));
    EXPECT_EQ(ClampedToScreen({1920, 1080}, screen), (ScreenPoint{1919, 1079}));
    EXPECT_EQ(ClampedToScreen({10, -3}, screen), (ScreenPoint{10, 0}));
    EXPECT_EQ(ClampedToScreen({7, 7}, ScreenRect{}), (ScreenPoint{0, 0})) << "no screen";
}

} // namespace
