// Recording a glyph from live mouse motion, and showing a recorded one.

#include "charset/recording_win32.h"

#include <optional>

#include "base/number_text.h"
#include "charset/character_set.h"
#include "charset/creator_fonts_win32.h"
#include "charset/creator_layout.h"
#include "charset/creator_open_win32.h"
#include "charset/creator_scale_win32.h"
#include "charset/creator_state.h"
#include "charset/glyph_fields.h"
#include "platform/threads.h"
#include "platform/time.h"
#include "ui/drawing_surface.h"
#include "ui/own_cursor_win32.h"

namespace {

constexpr int kWhite = RGB(255, 255, 255);
constexpr int kRed = RGB(255, 0, 0);
constexpr int kBlue = RGB(0, 0, 255);
constexpr int kBlack = RGB(0, 0, 0);
constexpr int kTransparentText = -2;
constexpr int kSampleMilliseconds = 10;
constexpr std::int64_t kMovementPollMicroseconds = 1000;

// The cursor in pixels relative to the drawing area's top-left corner.
RecordedPoint TakeSample(const CreatorWindow& creator, const AreaGeometry& area) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(creator.window, &cursor);
    return {cursor.x - area.origin.x, cursor.y - area.origin.y};
}

void LineBetween(RecordedPoint from, RecordedPoint to, int colour) {
    SurfaceMoveTo(from.x, from.y);
    SurfaceLine(to.x, to.y, colour);
}

// Waits for the cursor to leave its start position and stores that first
// sample wherever it lies. False when the recording was stopped first.
bool WaitForMovement(const CreatorWindow& creator, int slot, RecordedPoint& drawnAt,
                     PreciseTimer& timer) {
    CreatorState& state = ProgramCreatorState();
    const RecordedPoint start = TakeSample(creator, AreaNow(creator));
    while (state.RecordingActive) {
        const AreaGeometry area = AreaNow(creator);
        const RecordedPoint sample = TakeSample(creator, area);
        if (sample != start) {
            // Inside the area, its units lie inside too, as every later sample's do.
            const bool inside = InsideArea(sample, area.scale.width, area.scale.height);
            const RecordedPoint units = PixelsToRecordingUnits(area.scale, sample, inside);
            ProgramCharacterSet().SetSlot(slot, SampleText(units));
            drawnAt = DrawingPosition(area, units);
            return true;
        }
        // A millisecond's pause catches the first movement well within one
        // sample period without spinning a core while the user gets ready.
        timer.WaitUntil(MonotonicMicroseconds() + kMovementPollMicroseconds);
    }
    return false;
}

// One sample every 10 ms on a schedule that starts at the first movement, so
// the work of a pass does not slow the rate; a late sample never brings the
// next one within half a period, where it would find the cursor where it was
// and store a pause the hand never made. A sample outside the area is
// dropped. A stop that arrives during a wait still lets the sample after that
// wait be stored.
void Sample(const CreatorWindow& creator, int slot, RecordedPoint drawnAt, StepSchedule& schedule) {
    CreatorState& state = ProgramCreatorState();
    RestartSchedule(schedule);
    while (state.RecordingActive) {
        WaitNextSample(schedule, kSampleMilliseconds);
        const AreaGeometry area = AreaNow(creator);
        const RecordedPoint sample = TakeSample(creator, area);
        if (!InsideArea(sample, area.scale.width, area.scale.height)) continue;
        const RecordedPoint units = PixelsToRecordingUnits(area.scale, sample, true);
        ProgramCharacterSet().AppendSample(slot, SampleText(units));
        const RecordedPoint at = DrawingPosition(area, units);
        LineBetween(drawnAt, at, kRed);  // unbuffered: on the screen before it returns
        drawnAt = at;
    }
}

void Finish(CreatorWindow& creator, int slot) {
    SetButtonFont(creator, kViewButtonBase + slot, ButtonFont::Highlight);
    SurfaceForeground(kBlack);
    SurfaceBackground(kTransparentText);
    SurfaceMoveTo(5, 5);
    SurfacePrint("Done: " + FormatNumber(PointCount(ProgramCharacterSet().Slot(slot).View())) +
                 " points.");
    SurfaceRefresh();
    SetButtonFont(creator, kRecordButtonBase + slot, ButtonFont::Plain);
    EndRecording(ProgramCreatorState());
}

// The recording thread. The window waits for it before it goes away, so the
// window and everything in `creator` outlive it.
void RecordingTask(void* parameter) {
    CreatorWindow& creator = *static_cast<CreatorWindow*>(parameter);
    const int slot = ProgramCreatorState().RecordingSlot;
    try {
        // The recording's one timer, for its polls and its samples.
        StepSchedule schedule = StartSchedule();
        SurfaceAttach(creator.window, kDrawingAreaId, false);
        SurfaceClear(kWhite);
        RecordedPoint drawnAt;
        if (WaitForMovement(creator, slot, drawnAt, schedule.timer))
            Sample(creator, slot, drawnAt, schedule);
    } catch (...) {
        // Out of memory for the text: the recording stops with what it has
        // and ends as any other does.
        ProgramCreatorState().RecordingActive = 0;
    }
    try {
        Finish(creator, slot);
    } catch (...) {
        EndRecording(ProgramCreatorState());
    }
    SurfaceDetach();
    --creator.recordingTasks; // the last touch of `creator`
}

// Whether an animated view must stop: the window is closing, or a recording
// started from one of its messages (and now owns the area).
bool ViewCutOff(const CreatorWindow& creator) {
    return creator.closing || creator.destroyed || ProgramCreatorState().RecordingSlot != -1;
}

// Handles the window's messages until the view's next segment is due, each as
// it comes, so that no message waits for the animation. False when one of
// them cut the view off.
bool AnswerMessagesUntilNextSegment(CreatorWindow& creator, StepSchedule& schedule) {
    const std::int64_t due = BeginNextStep(schedule, kSampleMilliseconds);
    for (;;) {
        MSG message;
        const bool taken = PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != FALSE;
        if (taken && message.message == WM_QUIT) {
            // The program is ending: leave the quit for the loops outside.
            PostQuitMessage(static_cast<int>(message.wParam));
            creator.closing = true;
            return false;
        }
        if (taken) DispatchCreatorMessage(creator, message);
        // Messages sent from other threads are handled inside PeekMessageA.
        if (ViewCutOff(creator)) return false;
        // A busy queue still leaves the segment its turn.
        if (taken ? MonotonicMicroseconds() >= due : schedule.timer.WaitUntilOrMessage(due)) break;
    }
    NoteStepTaken(schedule);
    return true;
}

void MoveCursorToDrawn(const CreatorWindow& creator, RecordedPoint at) {
    // The area lies 5 units into the window, so the cursor stands at the end of
    // the line just drawn; moved along with the area where the dialog manager
    // placed it away from those 5 units.
    const POINT unitsOrigin =
        DialogUnitsToPixels(creator.window, kDrawingAreaRect.x, kDrawingAreaRect.y);
    const POINT origin = AreaNow(creator).origin;
    POINT cursor = DialogUnitsToPixels(creator.window, kDrawingAreaRect.x + at.x,
                                       kDrawingAreaRect.y + at.y);
    cursor.x += origin.x - unitsOrigin.x;
    cursor.y += origin.y - unitsOrigin.y;
    ClientToScreen(creator.window, &cursor);
    // The program's own move: a clock run under way (the shortcut key works
    // while the Creator is open) does not take it for the user's hand.
    MoveCursorAsOwn({cursor.x, cursor.y});
}

// Draws every segment of a recording; animated, one per 10 ms with the
// window's messages handled in between and the cursor following. False when
// the animation was cut off.
bool DrawSegments(CreatorWindow& creator, std::string_view text, bool animated) {
    ShownGlyphPoints points(text);
    RecordedPoint point;
    if (!points.Next(point)) return true;
    RecordedPoint drawnAt = DrawingPosition(AreaNow(creator), point);
    std::optional<StepSchedule> schedule;  // an animation's timer, only for an animation
    if (animated) schedule.emplace(StartSchedule());
    while (points.Next(point)) {
        // Read afresh: a message step may have scaled the window.
        const RecordedPoint at = DrawingPosition(AreaNow(creator), point);
        LineBetween(drawnAt, at, kBlue);
        drawnAt = at;
        if (!animated) continue;
        if (!AnswerMessagesUntilNextSegment(creator, *schedule)) return false;
        // A view run from one of the messages may have left this thread's target.
        SurfaceAttach(creator.window, kDrawingAreaId, true);
        SurfaceRefresh();
        MoveCursorToDrawn(creator, at);
    }
    return true;
}

}  // namespace

RecordedPoint PixelsToDialogUnits(const AreaGeometry& area, RecordedPoint pixels) {
    return {PixelsToDialogUnitsAxis(pixels.x, area.per1024.x),
            PixelsToDialogUnitsAxis(pixels.y, area.per1024.y)};
}

RecordedPoint DrawingPosition(const AreaGeometry& area, RecordedPoint units) {
    return PixelsToDialogUnits(area, RecordingUnitsToPixels(area.scale, units));
}

POINT DialogUnitsToPixels(HWND window, int u, int v) {
    RECT rect{0, 0, u, v};
    MapDialogRect(window, &rect);
    return {rect.right, rect.bottom};
}

void StartRecording(CreatorWindow& creator, int slot) {
    if (creator.closing) return;
    CreatorState& state = ProgramCreatorState();
    // Counted before the slot is taken and uncounted after it is freed, so
    // that a recording slot in use always has its task counted.
    ++creator.recordingTasks;
    if (!BeginRecording(state, slot)) {
        --creator.recordingTasks;
        return;
    }
    SetButtonFont(creator, kRecordButtonBase + slot, ButtonFont::Highlight);
    if (StartWorkerThread(RecordingTask, &creator)) return;
    // No thread: nothing records, and the next record command must work.
    StopRecording(state);
    state.RecordingSlot = -1;
    --creator.recordingTasks;
    SetButtonFont(creator, kRecordButtonBase + slot, ButtonFont::Plain);
}

void WaitForRecordingTask(CreatorWindow& creator) {
    // The task sends the window's buttons their fonts at its end, so messages
    // sent to this thread are handled while waiting; nothing posted is.
    while (creator.recordingTasks > 0) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        Sleep(1);
    }
}

void ShowGlyph(CreatorWindow& creator, int slot) {
    CreatorState& state = ProgramCreatorState();
    // A view would draw over the live stroke of a recording.
    if (creator.closing || creator.destroyed || state.RecordingSlot != -1) return;
    const SharedString text = ProgramCharacterSet().Slot(slot);
    const bool animated = ViewIsAnimated(state, slot);
    SurfaceAttach(creator.window, kDrawingAreaId, true);
    SurfaceClear(kWhite);
    if (DrawSegments(creator, text.View(), animated)) {
        NoteGlyphShown(state, slot);
        SurfaceRefresh();
    }
    SurfaceDetach();
}
