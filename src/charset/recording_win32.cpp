// Recording a glyph from live mouse motion, and showing a recorded one.

#include "base/number_text.h"
#include "charset/character_set.h"
#include "charset/creator_layout.h"
#include "charset/creator_state.h"
#include "charset/creator_window_win32.h"
#include "charset/glyph_fields.h"
#include "platform/threads.h"
#include "platform/time.h"
#include "ui/drawing_surface.h"

namespace {

constexpr int kWhite = RGB(255, 255, 255);
constexpr int kRed = RGB(255, 0, 0);
constexpr int kBlue = RGB(0, 0, 255);
constexpr int kBlack = RGB(0, 0, 0);
constexpr int kTransparentText = -2;
constexpr int kSampleMilliseconds = 10;

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
bool WaitForMovement(const CreatorWindow& creator, int slot, RecordedPoint& drawnAt) {
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
        Sleep(1);
    }
    return false;
}

// One sample every 10 ms on a schedule, so the work of a pass does not slow
// the rate; a sample outside the area is dropped. A stop that arrives during
// a wait still lets the sample after that wait be stored.
void Sample(const CreatorWindow& creator, int slot, RecordedPoint drawnAt) {
    CreatorState& state = ProgramCreatorState();
    StepSchedule schedule = StartSchedule();
    while (state.RecordingActive) {
        WaitNextStep(schedule, kSampleMilliseconds);
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
    SurfacePrint("Done: " + FormatNumber(PointCount(ProgramCharacterSet().Slot(slot))) +
                 " points.");
    SurfaceRefresh();
    SetButtonFont(creator, kRecordButtonBase + slot, ButtonFont::Plain);
    EndRecording(ProgramCreatorState());
}

// The recording thread. The window waits for it before it goes away, so the
// window and everything in `creator` outlive it.
void RecordingTask(void* parameter) {
    CreatorWindow& creator = *static_cast<CreatorWindow*>(parameter);
    try {
        const int slot = ProgramCreatorState().RecordingSlot;
        SurfaceAttach(creator.window, kDrawingAreaId, false);
        SurfaceClear(kWhite);
        RecordedPoint drawnAt;
        if (WaitForMovement(creator, slot, drawnAt)) Sample(creator, slot, drawnAt);
        Finish(creator, slot);
        SurfaceDetach();
    } catch (...) {
        // Out of memory for the text: the recording ends with what it has.
        ProgramCreatorState().RecordingActive = 0;
        EndRecording(ProgramCreatorState());
    }
    creator.recordingThread = false;  // the last touch of `creator`
}

// One step of the window's messages while a view is animated.
void RunOneMessageStep(CreatorWindow& creator) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        Sleep(1);
        return;
    }
    if (message.message == WM_QUIT) {
        // The program is ending: leave the quit for the loops outside.
        PostQuitMessage(static_cast<int>(message.wParam));
        creator.closing = true;
        return;
    }
    DispatchCreatorMessage(creator, message);
}

void MoveCursorToDrawn(const CreatorWindow& creator, RecordedPoint at) {
    // The area lies 5 units into the window, so the cursor stands at the end of
    // the line just drawn.
    POINT cursor = DialogUnitsToPixels(creator.window, kDrawingAreaRect.x + at.x,
                                       kDrawingAreaRect.y + at.y);
    ClientToScreen(creator.window, &cursor);
    SetCursorPos(cursor.x, cursor.y);
}

// Draws every segment of a recording; animated, one per 10 ms with the
// window's messages handled in between and the cursor following. False when
// the animation was cut off: the window is closing, or a recording started
// from one of its message steps (which now owns the area).
bool DrawSegments(CreatorWindow& creator, const std::string& text, bool animated) {
    ShownGlyphPoints points(text);
    RecordedPoint point;
    if (!points.Next(point)) return true;
    RecordedPoint drawnAt = DrawingPosition(AreaNow(creator), point);
    StepSchedule schedule = StartSchedule();
    while (points.Next(point)) {
        // Read afresh: a message step may have scaled the window.
        const RecordedPoint at = DrawingPosition(AreaNow(creator), point);
        LineBetween(drawnAt, at, kBlue);
        drawnAt = at;
        if (!animated) continue;
        RunOneMessageStep(creator);
        if (creator.closing || creator.destroyed || ProgramCreatorState().RecordingSlot != -1)
            return false;
        // A view run from the message step may have left this thread's target.
        SurfaceAttach(creator.window, kDrawingAreaId, true);
        WaitNextStep(schedule, kSampleMilliseconds);
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
    if (!BeginRecording(state, slot)) return;
    SetButtonFont(creator, kRecordButtonBase + slot, ButtonFont::Highlight);
    creator.recordingThread = true;
    if (StartWorkerThread(RecordingTask, &creator)) return;
    // No thread: nothing records, and the next record command must work.
    creator.recordingThread = false;
    StopRecording(state);
    state.RecordingSlot = -1;
    SetButtonFont(creator, kRecordButtonBase + slot, ButtonFont::Plain);
}

void WaitForRecordingTask(CreatorWindow& creator) {
    // The task sends the window's buttons their fonts at its end, so messages
    // sent to this thread are handled while waiting; nothing posted is.
    while (creator.recordingThread) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        Sleep(1);
    }
}

void ShowGlyph(CreatorWindow& creator, int slot) {
    CreatorState& state = ProgramCreatorState();
    // A view would draw over the live stroke of a recording.
    if (creator.closing || creator.destroyed || state.RecordingSlot != -1) return;
    const std::string text = ProgramCharacterSet().Slot(slot);
    const bool animated = ViewIsAnimated(state, slot);
    SurfaceAttach(creator.window, kDrawingAreaId, true);
    SurfaceClear(kWhite);
    if (DrawSegments(creator, text, animated)) {
        NoteGlyphShown(state, slot);
        SurfaceRefresh();
    }
    SurfaceDetach();
}
