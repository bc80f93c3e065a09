// Recording fidelity in the Character Creator: how many samples a second of
// steady motion gives (ideally 100), and how long a sample takes to show as
// stroke on the screen.
//
//   recording_bench.exe [seconds of steady motion] [jumps]
//
// Run it under Wine on an X display; it opens the Creator and moves the real
// cursor.

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "bench_clock.h"
#include "bench_creator.h"
#include "charset/character_set.h"
#include "charset/glyph_fields.h"
#include "charset/recording_rules.h"
#include "platform/time.h"
#include "ui/surface_scale.h"

namespace {

// Steady motion around a circle, a new position every 2 ms, so that every
// sample finds the cursor somewhere new.
double SamplesPerSecond(const BenchCreator& creator, double seconds) {
    MoveTo(creator, {195, 200});
    StartBenchRecording(creator, 1);
    const double start = NowMilliseconds();
    StepSchedule schedule = StartSchedule();
    for (int step = 1; NowMilliseconds() - start < seconds * 1000; ++step) {
        const double angle = step * 0.01;
        MoveTo(creator, {115 + static_cast<int>(std::lround(80 * std::cos(angle))),
                         200 + static_cast<int>(std::lround(80 * std::sin(angle)))});
        WaitNextStep(schedule, 2);
    }
    const double took = NowMilliseconds() - start;
    StopBenchRecording(creator);
    return PointCount(ProgramCharacterSet().Slot(1)) / (took / 1000);
}

struct Latency {
    double toSample;  // cursor moved -> sample stored
    double toScreen;  // sample stored -> stroke on the screen
};

// Jumps of 24 pixels to the right; each jump's stroke is watched for at its
// middle on the area's screen pixels.
std::vector<Latency> StrokeLatencies(const BenchCreator& creator, int jumps) {
    const HWND area = GetDlgItem(creator.window, kDrawingAreaId);
    RECT client{};
    GetClientRect(area, &client);
    const SurfaceScale scale = DialogUnitScale(client.right, client.bottom, 155, 200);
    HDC screen = GetDC(area);
    std::vector<Latency> latencies;
    RecordedPoint at{20, 60};
    MoveTo(creator, at);
    StartBenchRecording(creator, 2);
    MoveTo(creator, {at.x, at.y + 1});
    Sleep(50);
    at.y += 1;
    for (int jump = 0; jump < jumps; ++jump) {
        const RecordedPoint next{at.x + 24, at.y};
        const RecordedPoint middle{at.x + 12, at.y};
        const int px = ScaleX(scale, PixelsToDialogUnitsAxis(middle.x, creator.per1024.x));
        const int py = ScaleY(scale, PixelsToDialogUnitsAxis(middle.y, creator.per1024.y));
        const std::string tail = ", " + SampleText(next);
        const double moved = NowMilliseconds();
        MoveTo(creator, next);
        double stored = 0;
        double shown = 0;
        while (shown == 0 && NowMilliseconds() - moved < 1000) {
            if (stored == 0) {
                const std::string text = ProgramCharacterSet().Slot(2);
                if (text.size() >= tail.size() &&
                    text.compare(text.size() - tail.size(), tail.size(), tail) == 0)
                    stored = NowMilliseconds();
            }
            if (GetPixel(screen, px, py) == RGB(255, 0, 0)) {
                shown = NowMilliseconds();
                // Stored and shown between two looks: no measurable delay.
                if (stored == 0) stored = shown;
            }
        }
        if (stored > 0 && shown > 0) latencies.push_back({stored - moved, shown - stored});
        at = next;
        if (at.x > 180) at = {20, at.y + 12};
        MoveTo(creator, at);  // back to the left; drawn, but not measured
        Sleep(30 + jump % 10);  // so that the jumps fall at every phase of the sampling
    }
    ReleaseDC(area, screen);
    StopBenchRecording(creator);
    return latencies;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * (values.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5;
    const int jumps = argc > 2 ? std::atoi(argv[2]) : 100;
    std::thread ui;
    const BenchCreator creator = OpenBenchCreator(ui);

    for (int run = 1; run <= 3; ++run)
        std::printf("steady motion, run %d: %.2f samples per second over %.1f s\n", run,
                    SamplesPerSecond(creator, seconds), seconds);

    const std::vector<Latency> latencies = StrokeLatencies(creator, jumps);
    std::vector<double> toSample, toScreen;
    for (const Latency& l : latencies) {
        toSample.push_back(l.toSample);
        toScreen.push_back(l.toScreen);
    }
    std::printf("%zu of %d jumps measured\n", latencies.size(), jumps);
    std::printf("cursor moved -> sample stored: median %.2f ms, 90th %.2f ms, max %.2f ms\n",
                Percentile(toSample, 0.5), Percentile(toSample, 0.9), Percentile(toSample, 1));
    std::printf("sample stored -> stroke on screen: median %.3f ms, 90th %.3f ms, max %.3f ms\n",
                Percentile(toScreen, 0.5), Percentile(toScreen, 0.9), Percentile(toScreen, 1));

    CloseBenchCreator(creator, ui);
    return 0;
}
