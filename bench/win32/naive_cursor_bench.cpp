// The plainest way to replay a stroke: SetCursorPos and a Sleep after every
// point. Its duration over the sum of its sleeps shows what plain sleeps do
// to a pace, here and (under ../shared/tools/coarse-timer) on Windows.
//
//   naive_cursor_bench.exe [points] [milliseconds a point]
//
// Run it under Wine on an X display; it moves the real cursor.

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "bench_clock.h"

int main(int argc, char** argv) {
    const int points = argc > 1 ? std::atoi(argv[1]) : 400;
    const int wait = argc > 2 ? std::atoi(argv[2]) : 5;
    const double start = NowMilliseconds();
    for (int i = 0; i < points; ++i) {
        SetCursorPos(600 + i % 200, 400 + i % 100);
        Sleep(wait);
    }
    const double took = NowMilliseconds() - start;
    std::printf("naive loop: %d points, Sleep(%d): %.1f ms, nominal %d ms, ratio %.4f\n", points,
                wait, took, points * wait, took / (points * wait));
    return 0;
}
