#pragma once
// The program's own moves of the mouse cursor, all made here: whatever puts
// the cursor somewhere (a clock run, the Creator's animated view) does it
// through this, so that each takes the others' moves for the program's own,
// and only a move by someone else for the user's hand.

#include <windows.h>

#include <mutex>

#include "base/screen_rect.h"

// The program's turn with the cursor. While one is held, no other part of the
// program moves the cursor or checks it for the hand: a check and the move
// after it are one step, with no other move between them.
class OwnCursorTurn {
  public:
    OwnCursorTurn();
    OwnCursorTurn(const OwnCursorTurn&) = delete;
    OwnCursorTurn& operator=(const OwnCursorTurn&) = delete;

    // Whether someone else has moved the cursor since the program last put
    // it: it lies away from every place the program put it lately, and still
    // does a moment later. False as soon as `cutShort` is signalled in that
    // moment, and while nothing has been placed since StartAfresh.
    bool MovedByHand(HANDLE cutShort) const;

    // Puts the cursor at `point` as the program's own move.
    void Move(ScreenPoint point);

    // No place is the program's, and no cursor the hand's, until the next
    // Move: wherever the cursor went meanwhile is nobody's business.
    void StartAfresh();

  private:
    std::unique_lock<std::mutex> held_;
};

// Puts the cursor at `point` as the program's own move, whatever the hand did.
// Its turn may wait for a run's check of the hand: at most a moment.
void MoveCursorAsOwn(ScreenPoint point);
