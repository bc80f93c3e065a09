#pragma once
// Telling the user's hand on the mouse from the program's own moves of the
// cursor. Every place the program puts the cursor, a clock run's points and
// the Creator's animated view alike, is noted here; a cursor found away from
// all of the latest ones has been moved by someone else (the user's hand, or
// another program) and the runs take it for the user taking the mouse back.
//
// Every place of the last moment counts, not only the last one: overlapping
// runs and the Creator's view take turns with the one cursor, and a system may
// report a place the cursor has left a while after it was moved on (Wine does
// when one of the program's windows lies under the pointer and its thread
// learns of the moves late, from the display's events). That moment ends at
// the latest placement, not now: a cursor left lying where the program put it
// (a run's pause or fade, a view that has ended) stays the program's for as
// long as it lies there.

#include <array>
#include <cstddef>
#include <cstdint>

#include "base/screen_rect.h"

// Where the system puts a cursor sent to `point`: inside the screen (the
// virtual screen, right and bottom excluded).
ScreenPoint ClampedToScreen(ScreenPoint point, const ScreenRect& screen);

class OwnCursorMoves {
  public:
    // A hand's move this small is taken for jitter, not a move.
    static constexpr std::int32_t kTolerance = 3;
    // A place stays the program's own if it was set at most this long, in
    // microseconds, before the latest placement...
    static constexpr std::int64_t kRememberedFor = 1000000;
    // ...and within the latest so many placements.
    static constexpr std::size_t kRemembered = 256;

    // The program has put the cursor at `expected` (its target, held inside
    // the screen) at `now` (microseconds), and the system then reported it at
    // `reported`.
    void Placed(ScreenPoint expected, ScreenPoint reported, std::int64_t now);

    // Whether a cursor seen at `seen` was put there by someone else: it lies
    // more than kTolerance pixels (either way) from every place the program
    // put it lately. False while nothing has been placed.
    bool MovedByHand(ScreenPoint seen) const;

    // Nothing has been placed yet.
    void Forget();

  private:
    struct Place {
        ScreenPoint point;
        std::int64_t at = 0;
    };
    std::array<Place, 2 * kRemembered> places_{};
    std::size_t count_ = 0;
    std::size_t next_ = 0;
    std::int64_t latest_ = 0; // when the latest place was set
};
