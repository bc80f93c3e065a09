#include "ui/own_cursor_win32.h"

#include <optional>

#include "platform/precise_timer.h"
#include "platform/screen.h"
#include "ui/own_cursor_moves.h"

namespace {

// How long a cursor found away from the program's places is left alone before
// it is looked at again. Wine can report a place the cursor left a while ago
// (one that a window of any program learnt late from the display) until,
// 100 ms without a move, it asks the display afresh; a hand's move is still
// there then. The turn is held meanwhile, so the program makes no move.
constexpr DWORD kConfirmMilliseconds = 120;

std::mutex g_turn;
OwnCursorMoves g_ownMoves; // under g_turn

std::optional<ScreenPoint> CursorPosition() {
    POINT at{};
    if (!GetCursorPos(&at)) return std::nullopt; // another desktop has the input
    return ScreenPoint{at.x, at.y};
}

bool AwayFromOwnPlaces() {
    const auto seen = CursorPosition();
    return seen && g_ownMoves.MovedByHand(*seen);
}

} // namespace

OwnCursorTurn::OwnCursorTurn() : held_(g_turn) {}

bool OwnCursorTurn::MovedByHand(HANDLE cutShort) const {
    return AwayFromOwnPlaces() &&
           WaitForSingleObject(cutShort, kConfirmMilliseconds) == WAIT_TIMEOUT &&
           AwayFromOwnPlaces();
}

void OwnCursorTurn::Move(ScreenPoint point) {
    MoveCursorTo(point.x, point.y);
    // The system holds the cursor inside the screen, and may report it there
    // a moment late: both places are the program's own.
    const ScreenPoint expected = ClampedToScreen(point, VirtualScreen());
    g_ownMoves.Placed(expected, CursorPosition().value_or(expected), MonotonicMicroseconds());
}

void OwnCursorTurn::StartAfresh() {
    g_ownMoves.Forget();
}

void MoveCursorAsOwn(ScreenPoint point) {
    OwnCursorTurn().Move(point);
}
