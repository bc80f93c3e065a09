// Recording under steady motion that comes from outside the program, as a
// hand's does: how many samples a second of motion the recording keeps
// (ideally 100), and how many of them repeat the one before although the
// mouse moved (ideally none: each would replay as a pause the hand never
// made).
//
//   recording_motion_bench.exe [seconds to wait for the motion]
//
// It opens the Creator, starts recording slot 1 and prints "area X Y W H",
// the drawing area on the screen; then something else moves the mouse there
// (bench/program/timing runs xdotool). Once the cursor has stood still for
// 300 ms the recording is stopped and its figures printed.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "bench_clock.h"
#include "bench_creator.h"
#include "charset/character_set.h"
#include "charset/glyph_fields.h"

namespace {

struct Motion {
    double first = 0;  // when the cursor first moved, ms
    double last = 0;   // when it last moved
};

bool operator!=(POINT a, POINT b) {
    return a.x != b.x || a.y != b.y;
}

// Watches the cursor every millisecond from the first move until it has
// stood still for 300 ms, or until the time is up.
Motion WatchMotion(double seconds) {
    Motion motion;
    POINT last{};
    GetCursorPos(&last);
    const double deadline = NowMilliseconds() + seconds * 1000;
    for (double now = NowMilliseconds(); now < deadline; now = NowMilliseconds()) {
        POINT cursor{};
        GetCursorPos(&cursor);
        if (cursor != last) {
            if (motion.first == 0) motion.first = now;
            motion.last = now;
            last = cursor;
        } else if (motion.first > 0 && now - motion.last > 300) {
            break;
        }
        BenchPause(1);
    }
    return motion;
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 60;
    std::thread ui;
    const BenchCreator creator = OpenBenchCreator(ui);
    RECT size{0, 0, 155, 200};
    MapDialogRect(creator.window, &size);
    const POINT origin = AreaToScreen(creator, {0, 0});
    // The pointer warp reaches the X server a moment later: a recording
    // started before would take it for the first movement.
    const POINT middle = AreaToScreen(creator, {size.right / 2, size.bottom / 2});
    SetCursorPos(middle.x, middle.y);
    const double warped = NowMilliseconds() + 2000;
    for (POINT at{}; GetCursorPos(&at) && at != middle && NowMilliseconds() < warped;)
        BenchPause(1);
    BenchPause(200);
    StartBenchRecording(creator, 1);
    std::printf("area %ld %ld %ld %ld\n", origin.x, origin.y, size.right, size.bottom);
    std::fflush(stdout);

    const Motion motion = WatchMotion(seconds);
    StopBenchRecording(creator);
    const std::vector<double> fields = GlyphFields(ProgramCharacterSet().Slot(1));
    CloseBenchCreator(creator, ui);
    if (motion.first == 0 || fields.size() < 4) {
        std::fprintf(stderr, "no motion seen\n");
        return 1;
    }

    // The samples of the motion: up to the last one that differs from the
    // one before; those after it were taken while the cursor stood still.
    std::vector<POINT> points;
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2)
        points.push_back({static_cast<LONG>(fields[i]), static_cast<LONG>(fields[i + 1])});
    std::size_t end = points.size() - 1;
    while (end > 0 && !(points[end] != points[end - 1])) --end;
    int repeated = 0;
    for (std::size_t i = 1; i <= end; ++i) repeated += !(points[i] != points[i - 1]);
    const double took = motion.last - motion.first;
    std::printf("motion %.0f ms, %zu samples: %.2f samples per second, %.2f %% repeated\n", took,
                end + 1, end / (took / 1000), end > 0 ? 100.0 * repeated / end : 0.0);
    return 0;
}
