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
