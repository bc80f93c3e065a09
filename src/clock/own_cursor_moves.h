#pragma once
// Telling the user's hand on the mouse from the clock's own moves of the
// cursor. The runs note every place they put the cursor; a cursor found away
// from all of the latest ones has been moved by someone else: the user has
// taken the mouse back.
//
// Every place of the last moment counts, not only the last one: two
// overlapping runs take turns with the one cursor, and a system may report a
// place the cursor has left a while after a run moved it on (Wine does when
// one of the program's windows lies under the pointer and its thread learns
// of the moves late, from the display's events).

#include <array>
#include <cstddef>
#include <cstdint>

#include "base/screen_rect.h"
#include "clock/clock_plan.h"

// Where the system puts a cursor sent to `point`: inside the screen (the
// virtual screen, right and bottom excluded).
ScreenPoint ClampedToScreen(ScreenPoint point, const ScreenRect& screen);

class OwnCursorMoves {
  public:
    // A hand's move this small is taken for jitter, not a move.
    static constexpr std::int32_t kTolerance = 3;
    // How long, in microseconds, a place stays the runs' own...
    static constexpr std::int64_t kRememberedFor = 1000000;
    // ...within the latest so many placements.
    static constexpr std::size_t kRemembered = 256;

    // A run has put the cursor at `expected` (its point, held inside the
    // screen) at `now` (microseconds), and the system then reported it at
    // `reported`.
    void Placed(ScreenPoint expected, ScreenPoint reported, std::int64_t now);

    // Whether a cursor seen at `seen` at `now` was put there by someone else:
    // it lies more than kTolerance pixels (either way) from every place a run
    // put it lately. False while no run has placed it.
    bool MovedByHand(ScreenPoint seen, std::int64_t now) const;

    // No run has placed the cursor yet.
    void Forget();

  private:
    struct Place {
        ScreenPoint point;
        std::int64_t at = 0;
    };
    std::array<Place, 2 * kRemembered> places_{};
    std::size_t count_ = 0;
    std::size_t next_ = 0;
};
