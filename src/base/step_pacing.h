#pragma once
// When the next timed step is due: the points and pauses of a clock run, the
// steps of a fade and of an animated view, the samples of a recording. The
// rules are plain arithmetic on one monotonic clock in microseconds, so they
// can be tried against any clock, a Windows-like 15.625 ms tick included; the
// platform's precise wait only waits for the time they give.

#include <cstdint>

struct StepTimes {
    std::int64_t due = 0;    // when the last step was due
    std::int64_t taken = 0;  // when it was taken: the moment its wait ended
};

// A new series whose first step counts as due and taken now.
StepTimes StartStepTimes(std::int64_t now);

// When the next step is due, asked at `now` (the last step's work is done):
// `period` after the last one was due, so the work and a late wake count
// toward the wait and the pace is the period's, never faster; a series more
// than a whole period behind was held up and starts again from now instead of
// hurrying; and never less than `minimumSpacing` after the last step was
// taken, so a late step does not drag the next one along with it. The series
// keeps its beat: a step pushed back by the spacing does not delay the next.
std::int64_t ScheduleNextStep(StepTimes& times, std::int64_t now, std::int64_t period,
                              std::int64_t minimumSpacing);

// The least spacing of a recording's samples: half their period, so a late
// tick never puts two samples of the same position side by side.
constexpr std::int64_t SampleSpacing(std::int64_t period) {
    return period / 2;
}
