#include "base/step_pacing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr std::int64_t kMs = 1000;  // the pacing counts microseconds

// A wait until a due time, as one kind of system ends it.
struct SimulatedClock {
    const char* name;
    std::int64_t tick;     // waits end at the next tick of this period; 0: precise
    std::int64_t phase;    // where the ticks fall: phase + k * tick
    std::int64_t latency;  // how late a wait ends beyond that
    int lateEvery;         // every so many waits also end late by...
    std::int64_t late;     // ...this much (a busy machine)
    int heldUpEvery;       // and every so many are held up by...
    std::int64_t heldUp;   // ...this much

    // How long the n-th wait of a series was held up (by another thread).
    std::int64_t HeldUp(int n) const {
        return heldUpEvery > 0 && n % heldUpEvery == heldUpEvery - 1 ? heldUp : 0;
    }
    // How much later than its tick the n-th wait ends.
    std::int64_t Delay(int n) const {
        return latency + (lateEvery > 0 && n % lateEvery == lateEvery - 1 ? late : 0) + HeldUp(n);
    }
    // When the n-th wait, begun at `now` for `due`, ends.
    std::int64_t Wake(std::int64_t due, std::int64_t now, int n) const {
        if (due <= now) return now;  // nothing to wait for
        return (tick > 0 ? (due - phase + tick - 1) / tick * tick + phase : due) + Delay(n);
    }
};

// Windows' default timer ticks every 15.625 ms, and every millisecond while a
// program has raised its resolution (older systems); the high-resolution
// timer's waits (and Wine's) end about a tenth of a millisecond late.
const SimulatedClock kPrecise{"precise", 0, 0, 100, 0, 0, 0, 0};
const SimulatedClock kCoarse{"15.625 ms tick", 15625, 3000, 0, 0, 0, 0, 0};
const SimulatedClock kMillisecondTick{"1 ms tick", 1000, 370, 0, 0, 0, 0, 0};
const SimulatedClock kBusy{"precise, busy", 0, 0, 100, 7, 7 * kMs, 101, 40 * kMs};

// Samples of a recording: the first at 0 (the first movement), then one per
// wait, each read at once after its wait; the time between two passes is the
// work of storing and drawing a sample.
std::vector<std::int64_t> SampleTimes(const SimulatedClock& clock, std::int64_t lasting) {
    const std::int64_t period = 10 * kMs;
    const std::int64_t work = 300;
    StepTimes times = StartStepTimes(0);
    std::vector<std::int64_t> samples{0};
    for (int n = 0; samples.back() < lasting; ++n) {
        const std::int64_t now = samples.back() + work;
        const std::int64_t due = ScheduleNextStep(times, now, period, SampleSpacing(period));
        times.taken = clock.Wake(due, now, n);
        samples.push_back(times.taken);
    }
    return samples;
}

TEST(StepPacing, ARecordingNeverSamplesTwiceWithinHalfAPeriodAndKeepsItsRate) {
    struct Case {
        SimulatedClock clock;
        double fewestPerSecond;
        double mostPerSecond;
    };
    // On a coarse clock a sample at every tick is the most there can be
    // without two of them side by side.
    const Case cases[] = {
        {kPrecise, 99.5, 100.5},
        {kMillisecondTick, 99.5, 100.5},
        {kCoarse, 63.5, 64.1},
        {kBusy, 96, 100.5},
    };
    for (const Case& c : cases) {
        const std::vector<std::int64_t> samples = SampleTimes(c.clock, 10000 * kMs);
        std::int64_t closest = samples[1] - samples[0];
        for (std::size_t i = 1; i < samples.size(); ++i)
            closest = std::min(closest, samples[i] - samples[i - 1]);
        EXPECT_GE(closest, 5 * kMs) << c.clock.name;
        const double perSecond = (samples.size() - 1) * 1e6 / samples.back();
        EXPECT_GE(perSecond, c.fewestPerSecond) << c.clock.name;
        EXPECT_LE(perSecond, c.mostPerSecond) << c.clock.name;
    }
}

struct RunLength {
    double overNominal;  // the run's length over the sum of its waits
    double heldUp;       // the time its thread was held up, over the same sum
};

// A run of four characters of 150 points at SlowdownFactor 5, each followed by
// its 200 ms pause; moving the cursor takes 0.4 ms a point.
RunLength TimedRun(const SimulatedClock& clock) {
    const int characters = 4;
    const int points = 150;
    const std::int64_t move = 400;
    StepTimes times = StartStepTimes(0);
    std::int64_t now = 0;
    std::int64_t heldUp = 0;
    int n = 0;
    auto wait = [&](std::int64_t period) {
        const std::int64_t due = ScheduleNextStep(times, now, period, 0);
        if (due > now) heldUp += clock.HeldUp(n);  // a wait that was not needed is not held
        now = times.taken = clock.Wake(due, now, n++);
    };
    for (int c = 0; c < characters; ++c) {
        for (int p = 0; p < points; ++p) {
            now += move;
            wait(5 * kMs);
        }
        wait(200 * kMs);
    }
    const double nominal = characters * (points * 5 + 200) * kMs;
    return {now / nominal, heldUp / nominal};
}

TEST(StepPacing, ARunKeepsItsPaceAndLosesOnlyTheTimeItWasHeldUp) {
    // A late point shortens the wait of the next; a hold-up is lost, not
    // hurried through. A coarse clock gives one point per tick at best.
    for (const SimulatedClock& clock : {kPrecise, kMillisecondTick, kBusy}) {
        const RunLength run = TimedRun(clock);
        EXPECT_NEAR(run.overNominal, 1.0 + run.heldUp, 0.005) << clock.name;
    }
    const RunLength coarse = TimedRun(kCoarse);
    EXPECT_GE(coarse.overNominal, 1.0);
    EXPECT_LE(coarse.overNominal, 15.625 / 5);
}

}  // namespace
