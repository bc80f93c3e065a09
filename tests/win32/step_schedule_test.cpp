#include <gtest/gtest.h>

#include <windows.h>

#include "platform/time.h"

namespace {

double Milliseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return now.QuadPart * 1000.0 / frequency.QuadPart;
}

void Work(double milliseconds) {
    const double until = Milliseconds() + milliseconds;
    while (Milliseconds() < until) {
    }
}

TEST(StepSchedule, WorkCountsTowardTheWaitButTheStepsNeverRunAhead) {
    const double start = Milliseconds();
    StepSchedule schedule = StartSchedule();
    for (int step = 1; step <= 20; ++step) {
        Work(0.7);  // less than a step: absorbed by the wait
        WaitNextStep(schedule, 3);
        EXPECT_GE(Milliseconds() - start, 3.0 * step) << "step " << step;
    }
    // A step that took longer than the pace: the next wait is a whole one.
    Work(10);
    const double late = Milliseconds();
    WaitNextStep(schedule, 3);
    WaitNextStep(schedule, 3);
    EXPECT_GE(Milliseconds() - late, 6.0);
}

}  // namespace
