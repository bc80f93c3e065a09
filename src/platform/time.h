#pragma once
// Wall clock, and the pacing of timed steps on a thread's precise timer.

#include "base/step_pacing.h"
#include "platform/precise_timer.h"

struct TimeOfDay {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
};

// The local time, as the system's clock shows it.
TimeOfDay LocalTimeOfDay();

// A series of timed steps: the points of a clock run with its pauses and its
// fade, the samples of a recording, the segments of an animated view. Made
// when that activity starts and ended with it, so its timer (and, on older
// systems, the raised timer resolution) lives no longer than the activity.
// When each step is due is the core's rule (base/step_pacing.h).
struct StepSchedule {
    PreciseTimer timer;
    StepTimes times;
};
StepSchedule StartSchedule();

// The series starts again from now, as if a step had just been taken.
void RestartSchedule(StepSchedule& schedule);

// Waits until the next step is due, `milliseconds` after the last one was due:
// the work done since (moving the cursor, inking) counts toward the wait, a
// schedule held up by more than a step starts again from now instead of
// hurrying, and no step comes before its time.
void WaitNextStep(StepSchedule& schedule, int milliseconds);

// The same for a recording's samples, which are also never taken less than
// half a period after the one before.
void WaitNextSample(StepSchedule& schedule, int milliseconds);

// The two halves of WaitNextStep, for a thread that does more while it waits
// (a window's thread answering its messages): when the next step is due, then
// the note that it has been taken.
std::int64_t BeginNextStep(StepSchedule& schedule, int milliseconds);
void NoteStepTaken(StepSchedule& schedule);
