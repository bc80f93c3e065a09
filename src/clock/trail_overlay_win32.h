#pragma once
// The ink overlay of a clock run with trails: a half-transparent popup over
// the row of cells, showing a picture of the screen taken just before, into
// which the strokes are inked as the cursor moves. The run's thread creates,
// draws, fades and destroys it; that thread runs no message loop, so every
// change is pushed to the screen at once.

#include <windows.h>

#include "clock/clock_plan.h"
#include "clock/run_stop_win32.h"
#include "platform/handles.h"
#include "platform/time.h"

class TrailOverlay {
public:
    TrailOverlay() = default;
    ~TrailOverlay();
    TrailOverlay(TrailOverlay&&) noexcept = default;
    TrailOverlay& operator=(TrailOverlay&&) noexcept = default;

    // Builds the overlay over the layout's row (caption "1", alpha 128), fills
    // it with the block of the screen that starts 3 pixels right of the row's
    // left edge, copied from the screen straight into its picture, and shows
    // it without taking the focus; the ink is 5 pixels wide at 96 DPI, drawn
    // at `dpi`. Empty (no ink) when the screen cannot be read or no window
    // can be made.
    static TrailOverlay Open(const ClockLayout& layout, int dpi);

    explicit operator bool() const { return static_cast<bool>(window_); }

    // Starts a character's stroke: a dot of ink at its first point (screen
    // coordinates). `colour` is 0x00BBGGRR, or -1 for the window-text colour.
    void BeginStroke(ScreenPoint first, int colour);
    // Inks a segment from the pen's position to the point and shows it.
    void InkTo(ScreenPoint point);
    // Fades the overlay from alpha 128 to 0 in 17 steps of 50 ms, on the run's
    // schedule, then destroys it; at once when the run is stopped, before the
    // fade or during it.
    void FadeOut(StepSchedule& schedule, RunStop& stop);

private:
    void Close();

    OwnedWindow window_;
    ClockLayout layout_;
    int colour_ = 0;
};
