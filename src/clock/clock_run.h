#pragma once
// One pass of writing the current time on the screen with the mouse cursor.

// Starts a clock run on a thread of its own and returns at once. Runs are not
// serialised: each call starts one more.
void StartClockRun();

// The runs started and not yet ended; they end by themselves.
int ActiveClockRuns();
