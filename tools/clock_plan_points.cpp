// clock-plan-points: prints the screen points a clock run visits, worked out
// by the clock's own plan (the core library), for comparing with a cursor
// traced on the screen.
//
// Usage:  clock-plan-points SET_FILE TIME_TEXT HEIGHT ACCELERATION WORK_WIDTH WORK_HEIGHT [DPI]
//   TIME_TEXT is the clock's text for the time ("13:05", "1:05 PM"); blanks and
//   "M" are dropped as the run drops them. HEIGHT and ACCELERATION are the
//   settings, brought into their ranges as a run brings them. DPI is the
//   screen's (96 unless given): the height counts pixels at 96 DPI.
// Output: one line per visited point, "CHARACTER_INDEX X Y", in order.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "charset/set_file.h"
#include "clock/clock_plan.h"
#include "ui/display_scale.h"

int main(int argc, char** argv) {
    if (argc != 7 && argc != 8) {
        std::fprintf(
            stderr,
            "usage: %s SET_FILE TIME_TEXT HEIGHT ACCELERATION WORK_WIDTH WORK_HEIGHT [DPI]\n",
            argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const GlyphTexts set = ParseSetFile(bytes);
    const std::string drawn = DrawnText(argv[2]);
    const std::int32_t dpi = argc == 8 ? std::atoi(argv[7]) : kBaseDpi;
    const std::int32_t height = PixelsAtDpi(RunHeight(std::atoi(argv[3])), dpi);
    const std::int32_t acceleration = RunAcceleration(std::atoi(argv[4]));
    const ClockLayout layout = ComputeClockLayout(static_cast<std::int32_t>(drawn.size()), height,
                                                  std::atoi(argv[5]), std::atoi(argv[6]));
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const GlyphSlot slot = SlotForCharacter(drawn[i]);
        const std::string recording =
            slot < 0 ? std::string() : set[static_cast<std::size_t>(slot)];
        for (const ScreenPoint& p :
             GlyphPoints(recording, CellOrigin(layout, static_cast<std::int32_t>(i)), layout.Scale,
                         acceleration))
            std::printf("%zu %d %d\n", i, p.x, p.y);
    }
    return 0;
}
