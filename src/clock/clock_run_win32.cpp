// A clock run: the current time written on the screen with the real cursor,
// optionally inked into an overlay that fades out at the end.

#include "clock/clock_run.h"

#include <atomic>

#include "charset/character_set.h"
#include "clock/clock_plan.h"
#include "clock/run_placement.h"
#include "clock/run_stop_win32.h"
#include "clock/time_text.h"
#include "clock/trail_overlay_win32.h"
#include "platform/screen.h"
#include "platform/threads.h"
#include "platform/time.h"
#include "state/settings.h"
#include "ui/display_scale_win32.h"

namespace {

constexpr int kScreenImageWaitMilliseconds = 500;
constexpr int kPauseAfterCharacterMilliseconds = 200;

std::atomic<int> g_activeRuns{0};

// One character: the cursor visits the planned points of its recording, one
// every SlowdownFactor ms; with an overlay each segment is inked and shown
// before the cursor gets there, within the point's time. The acceleration,
// the ink colour and the recording count as they are when the character
// begins; the slowdown is read afresh at every wait. Once the run is
// stopped, the rest of the character is skipped.
void DrawCharacter(char character, ScreenPoint cell, double scale, TrailOverlay& overlay,
                   StepSchedule& schedule, RunStop& stop) {
    Settings& settings = ProgramSettings();
    const std::int32_t acceleration = RunAcceleration(settings.AccelerationFactor.load());
    const int colour = settings.TrailsColor.load();
    const SharedString recording = ProgramCharacterSet().Slot(SlotForCharacter(character));
    bool first = true;
    VisitGlyphPoints(recording.View(), cell, scale, acceleration, [&](ScreenPoint point) {
        if (stop.Stopped()) return;
        if (first) overlay.BeginStroke(point, colour);
        first = false;
        overlay.InkTo(point);
        if (stop.MoveCursor(point))
            stop.Wait(schedule, RunSlowdown(settings.SlowdownFactor.load()));
    });
}

void RunClock() {
    Settings& settings = ProgramSettings();
    const std::string drawn = DrawnText(ClockTimeText());
    const bool trails = settings.LeaveMouseTrails.load() != 0;
    // The time is written where the user is looking: on the monitor holding
    // the cursor now, at that monitor's scale (the height counts pixels at 96
    // DPI). The work area, the cursor and the overlay are physical pixels.
    const MonitorInUse monitor = MonitorAtCursor();
    const ClockLayout layout =
        LayoutOnMonitor(static_cast<std::int32_t>(drawn.size()),
                        RunHeight(settings.MaxPixelHeight.load()), monitor.workArea, monitor.dpi);

    // Esc or the user's hand on the mouse stops the run at any wait.
    RunStop stop;
    // Every wait of the run is on this schedule's precise timer.
    StepSchedule schedule = StartSchedule();
    TrailOverlay overlay;
    if (trails) {
        // Half a second before the photograph, as runs have always paused; it
        // also lets the window that started the run finish repainting first.
        if (!stop.Wait(schedule, kScreenImageWaitMilliseconds)) return;
        overlay = TrailOverlay::Open(layout, monitor.dpi);
    }

    ShowArrowCursor();
    // The first point's wait counts from here, not from before the picture.
    RestartSchedule(schedule);
    for (std::size_t i = 0; i < drawn.size() && !stop.Stopped(); ++i) {
        DrawCharacter(drawn[i], CellOrigin(layout, static_cast<std::int32_t>(i)), layout.Scale,
                      overlay, schedule, stop);
        stop.Wait(schedule, kPauseAfterCharacterMilliseconds);
    }
    overlay.FadeOut(schedule, stop);
}

void ClockRunThread(void*) {
    try {
        RunClock();
    } catch (...) {
        // Out of memory mid-run: the overlay has been destroyed on the way out,
        // and the run just ends.
    }
    g_activeRuns.fetch_sub(1);
}

}  // namespace

void StartClockRun() {
    g_activeRuns.fetch_add(1);
    if (!StartWorkerThread(ClockRunThread, nullptr)) g_activeRuns.fetch_sub(1);
}

int ActiveClockRuns() {
    return g_activeRuns.load();
}
