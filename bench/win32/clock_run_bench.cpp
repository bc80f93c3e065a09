// How long a whole clock run takes against the sum of its nominal waits, with
// and without ink, at the default settings with the built-in set; and how long
// Sleep(1) and Sleep(5) really last here.
//
//   clock_run_bench.exe [path of default.set, "" for the repository's] [pairs of runs]
//                       [AccelerationFactor, default 2] [SlowdownFactor, default 5]
//                       [MaxPixelHeight, default 323] [ClockStyle, default "HH:MM (12hr)"]
//
// Run it under Wine on an X display; it moves the real cursor.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_clock.h"
#include "charset/character_set.h"
#include "charset/set_file.h"
#include "clock/clock_plan.h"
#include "clock/clock_run.h"
#include "clock/time_text.h"
#include "platform/files.h"
#include "platform/time.h"
#include "state/settings.h"

namespace {

// The set file, parsed by the core's reader into the program's set.
bool LoadSetFile(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return false;
    ProgramCharacterSet().Load(ParseSetFile(*bytes));
    return true;
}

struct Plan {
    std::string drawn;
    long visitedPoints = 0;
};

Plan PlanNow() {
    const TimeOfDay now = LocalTimeOfDay();
    Plan plan;
    plan.drawn =
        DrawnText(FormatClockTime(ProgramSettings().ClockStyle.Get(), now.hour, now.minute));
    // Where the cells lie does not change how many points are visited.
    for (const char character : plan.drawn)
        VisitGlyphPoints(ProgramCharacterSet().Slot(SlotForCharacter(character)), ScreenPoint{},
                         1.0, RunAcceleration(ProgramSettings().AccelerationFactor),
                         [&](ScreenPoint) { ++plan.visitedPoints; });
    return plan;
}

double NominalMilliseconds(const Plan& plan, bool trails) {
    const double slowdown = RunSlowdown(ProgramSettings().SlowdownFactor);
    return plan.visitedPoints * slowdown + 200.0 * plan.drawn.size() + (trails ? 500 + 850 : 0);
}

double TimedRun() {
    const double start = NowMilliseconds();
    StartClockRun();
    while (ActiveClockRuns() > 0)
        BenchPause(0.5);
    return NowMilliseconds() - start;
}

double MeanSleep(int milliseconds, int count) {
    const double start = NowMilliseconds();
    for (int i = 0; i < count; ++i)
        Sleep(milliseconds);
    return (NowMilliseconds() - start) / count;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string setPath =
        argc > 1 && *argv[1] ? argv[1] : ProgramFolder() + "..\\..\\..\\resources\\default.set";
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    SetDefaultSettings();
    if (argc > 3) ProgramSettings().AccelerationFactor = std::atoi(argv[3]);
    if (argc > 4) ProgramSettings().SlowdownFactor = std::atoi(argv[4]);
    if (argc > 5) ProgramSettings().MaxPixelHeight = std::atoi(argv[5]);
    if (argc > 6) ProgramSettings().ClockStyle.Set(argv[6]);
    if (!LoadSetFile(setPath)) {
        std::fprintf(stderr, "cannot read %s\n", setPath.c_str());
        return 1;
    }

    std::printf("Sleep(1): %.3f ms, Sleep(5): %.3f ms (means of 500 and 200 calls)\n",
                MeanSleep(1, 500), MeanSleep(5, 200));

    // Runs in pairs, without and with ink, at the same time text; a pair
    // during which the minute turns is measured again.
    double total[2] = {0, 0};
    double nominal[2] = {0, 0};
    for (int pair = 1; pair <= runs;) {
        const Plan plan = PlanNow();
        double took[2];
        for (int trails = 0; trails <= 1; ++trails) {
            ProgramSettings().LeaveMouseTrails = trails;
            took[trails] = TimedRun();
        }
        if (PlanNow().drawn != plan.drawn) continue;
        for (int trails = 0; trails <= 1; ++trails) {
            const double expected = NominalMilliseconds(plan, trails);
            std::printf("pair %d %-9s \"%s\" %ld points: %.1f ms, nominal %.0f ms, ratio %.4f\n",
                        pair, trails ? "trails" : "no trails", plan.drawn.c_str(),
                        plan.visitedPoints, took[trails], expected, took[trails] / expected);
            total[trails] += took[trails];
            nominal[trails] += expected;
        }
        ++pair;
    }
    std::printf("whole run / nominal: no trails %.4f, trails %.4f\n", total[0] / nominal[0],
                total[1] / nominal[1]);
    // What the ink costs: the trails run less its two extra nominal waits,
    // against the same run without ink.
    const double inkOverhead = (total[1] - runs * 1350.0) / total[0] - 1;
    std::printf("ink overhead over the same run without ink: %+.2f %%\n", inkOverhead * 100);
    return 0;
}
