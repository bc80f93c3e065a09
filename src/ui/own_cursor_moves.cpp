#include "ui/own_cursor_moves.h"

#include <algorithm>
#include <cstdlib>

ScreenPoint ClampedToScreen(ScreenPoint point, const ScreenRect& screen) {
    const auto clamp = [](std::int32_t v, std::int32_t low, std::int32_t end) {
        return end <= low ? low : std::clamp(v, low, end - 1);
    };
    return {clamp(point.x, screen.left, screen.right), clamp(point.y, screen.top, screen.bottom)};
}

void OwnCursorMoves::Placed(ScreenPoint expected, ScreenPoint reported, std::int64_t now) {
    for (const ScreenPoint& point : {expected, reported}) {
        places_[next_] = {point, now};
        next_ = (next_ + 1) % places_.size();
        count_ = std::min(count_ + 1, places_.size());
    }
    latest_ = now;
}

bool OwnCursorMoves::MovedByHand(ScreenPoint seen) const {
    if (count_ == 0) return false;
    const auto own = [&](const Place& place) {
        return latest_ - place.at <= kRememberedFor &&
               std::abs(static_cast<std::int64_t>(seen.x) - place.point.x) <= kTolerance &&
               std::abs(static_cast<std::int64_t>(seen.y) - place.point.y) <= kTolerance;
    };
    return std::none_of(places_.begin(), places_.begin() + static_cast<std::ptrdiff_t>(count_),
                        own);
}

void OwnCursorMoves::Forget() {
    count_ = 0;
    next_ = 0;
}
