#pragma once
// Wall clock and waiting.

struct TimeOfDay {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
};

// The local time, as the system's clock shows it.
TimeOfDay LocalTimeOfDay();

// A plain thread sleep: at least the given time, as long as the system's
// sleep granularity makes it.
void SleepMilliseconds(int milliseconds);

// A series of timed steps (the points of a clock run, the steps of a fade).
struct StepSchedule {
    long long due = 0;  // when the last step was due, in the system's counter ticks
};
StepSchedule StartSchedule();

// Waits until the next step is due, `milliseconds` after the previous one was
// due. The work done since (moving the cursor, inking) counts toward the wait,
// so the pace is that of the waits and never faster; the waits are plain
// sleeps, ending at or just after the moment. A schedule more than one step
// behind (the thread was held up) starts again from now instead of hurrying.
void WaitNextStep(StepSchedule& schedule, int milliseconds);
