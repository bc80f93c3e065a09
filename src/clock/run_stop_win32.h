#pragma once
// Giving the mouse back: a clock run stops at once when the user presses Esc,
// wherever the keyboard focus is, or takes hold of the mouse: when the cursor
// is found away from every place the program itself put it lately, by a run or
// by the Creator's animated view (ui/own_cursor_moves.h). A cursor lying where
// the program left it is never the hand, however long it lies there. The cursor
// then stays where it is, no further point is visited, the ink goes at once,
// and the run's thread ends as after a whole run. Esc belongs to the program
// only while runs exist: a thread of its own holds it as a system-wide key for
// as long as the first of them has not ended, and lets it go after the last.
// Under Wine the program learns of both only as Wine does: of a hand's move
// over a window of a Windows program, of Esc while such a window has the focus.

#include <windows.h>

#include "clock/clock_plan.h"
#include "platform/handles.h"
#include "platform/time.h"

// Stops every run in progress: what Esc and the user's hand on the mouse do.
// Runs started afterwards are not affected.
void StopClockRuns();

// One run's part: made when the run begins, kept until it ends.
class RunStop {
  public:
    RunStop();
    ~RunStop();
    RunStop(const RunStop&) = delete;
    RunStop& operator=(const RunStop&) = delete;

    bool Stopped() const;

    // Waits until the schedule's next step is due, `milliseconds` after the
    // last, looking at the mouse meanwhile. False, as soon as it happens, when
    // the run is stopped: then the rest of the run is skipped.
    bool Wait(StepSchedule& schedule, int milliseconds);

    // Moves the cursor to `point` as the program's own move. False, without
    // moving it, once the run is stopped, or when someone else has moved the
    // cursor since the program last put it: then every run stops there.
    bool MoveCursor(ScreenPoint point);

  private:
    KernelHandle stopped_; // signalled when the run is to stop
};
