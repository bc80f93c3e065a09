// Recording from the real cursor and showing recordings, in the open Creator.

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "charset/character_set.h"
#include "charset/creator_layout.h"
#include "charset/creator_open_win32.h"
#include "charset/creator_state.h"
#include "charset/glyph_fields.h"
#include "charset/recording_rules.h"
#include "creator_session.h"
#include "platform/handles.h"
#include "platform/precise_timer.h"
#include "test_windows.h"
#include "ui/display_scale_win32.h"
#include "ui/drawing_surface.h"
#include "ui/surface_scale.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

std::vector<RecordedPoint> Points(std::string_view text) {
    const std::vector<double> fields = GlyphFields(text);
    std::vector<RecordedPoint> points;
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2)
        points.push_back({RoundHalfEven(fields[i]), RoundHalfEven(fields[i + 1])});
    return points;
}

std::string TextOf(const std::vector<RecordedPoint>& points) {
    std::string text = SampleText(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) text += ", " + SampleText(points[i]);
    return text;
}

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

class CreatorRecording : public ::testing::Test {
protected:
    CreatorTestState clean_;
    CreatorSession creator_;

    HWND Area() const { return creator_.Control(kDrawingAreaId); }

    // The pixel of the area's bitmap where a sample is drawn.
    POINT DrawnPixel(RecordedPoint sample) const {
        const POINT per1024 = creator_.Per1024();
        const SIZE size = SurfaceBitmapSize(Area());
        const SurfaceScale scale = DialogUnitScale(size.cx, size.cy, 155, 200);
        return {ScaleX(scale, PixelsToDialogUnitsAxis(sample.x, per1024.x)),
                ScaleY(scale, PixelsToDialogUnitsAxis(sample.y, per1024.y))};
    }
    COLORREF DrawnColour(RecordedPoint sample) const {
        const POINT at = DrawnPixel(sample);
        return SurfaceBitmapPixel(Area(), at.x, at.y);
    }
    // Whether a colour lies on the pixel where a sample is drawn or next to
    // it: a line between two samples passes within a pixel of a point of the
    // path that fell between them.
    bool DrawnNear(RecordedPoint sample, COLORREF colour, int pixels = 1) const {
        const POINT at = DrawnPixel(sample);
        for (int dy = -pixels; dy <= pixels; ++dy)
            for (int dx = -pixels; dx <= pixels; ++dx)
                if (SurfaceBitmapPixel(Area(), at.x + dx, at.y + dy) == colour) return true;
        return false;
    }
    int Count(COLORREF colour) const {
        const SIZE size = SurfaceBitmapSize(Area());
        int count = 0;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x) count += SurfaceBitmapPixel(Area(), x, y) == colour;
        return count;
    }

    // Starts recording a slot with its key and waits until the task watches
    // the cursor (it clears the area to white first, then takes the start
    // position: the pause leaves a busy machine time for that).
    void StartRecording(WORD key, int slot) {
        creator_.PressKey(key);
        ASSERT_TRUE(WaitUntil([slot] { return ProgramCreatorState().RecordingSlot == slot; }));
        ASSERT_TRUE(WaitUntil([this] { return SurfaceBitmapPixel(Area(), 1, 1) == kWhite; }));
        Sleep(200);
    }
    // The first movement, held until the recording has stored it: on a busy
    // machine the recording thread may not look for a while, and a cursor
    // that moved on by then would start the recording further along.
    void MoveFirst(RecordedPoint to, int slot) {
        const SharedString before = ProgramCharacterSet().Slot(slot);
        const POINT at = creator_.AreaToScreen(to);
        SetCursorPos(at.x, at.y);
        EXPECT_TRUE(WaitUntil([&] { return ProgramCharacterSet().Slot(slot) != before; }, 2000));
    }
    void StopWithSpace() {
        creator_.PressKey(VK_SPACE);
        ASSERT_TRUE(WaitUntil([] { return ProgramCreatorState().RecordingSlot == -1; }));
    }
    // Puts the cursor somewhere and waits until the system reports it there,
    // and still there a moment later: a pointer warp reaches the X server a
    // moment later, and on a busy machine Wine may yet report a place that an
    // earlier move passed through, learnt late by a window's thread. Then it
    // is put there again.
    void PlaceCursor(RecordedPoint sample) const {
        const POINT at = creator_.AreaToScreen(sample);
        auto there = [&] {
            const POINT now = Cursor();
            return now.x == at.x && now.y == at.y;
        };
        EXPECT_TRUE(WaitUntil([&] {
            SetCursorPos(at.x, at.y);
            if (!WaitUntil(there, 2000)) return false;
            Sleep(100);
            return there();
        }));
    }
    POINT Cursor() const {
        POINT at{};
        GetCursorPos(&at);
        return at;
    }
};

TEST_F(CreatorRecording, SamplesTheRealCursorInOrderInsideTheAreaAboutAHundredTimesASecond) {
    ASSERT_TRUE(creator_.Window());
    // A path of distinct points, with a stretch outside the area on its left.
    std::vector<RecordedPoint> path;
    for (int i = 0; i < 80; ++i) path.push_back({60 + i, 150 + i / 2});
    for (int i = 0; i < 20; ++i) path.push_back({-5 - i, 200 + i});
    for (int i = 0; i < 60; ++i) path.push_back({100 + i, 260 - i / 3});
    PlaceCursor(path[0]);
    StartRecording('7', 7);
    MoveFirst(path[1], 7);

    // The 10 ms periods in which a thread of ours got to run while the cursor
    // was inside the area: as many samples as a recording at a hundred a
    // second can take on this machine, as busy as it is meanwhile.
    std::atomic<bool> inside{true}, moving{true};
    std::atomic<long> periods{0};
    std::thread awake([&] {
        timeBeginPeriod(1);
        for (long long last = -1; moving; Sleep(1)) {
            const auto period = static_cast<long long>(Now() / 10);
            if (inside && period != last) ++periods;
            last = period;
        }
        timeEndPeriod(1);
    });
    MoveCursorAlong(creator_, {path.begin() + 2, path.begin() + 80});
    inside = false;
    MoveCursorAlong(creator_, {path.begin() + 80, path.begin() + 90});
    creator_.PressKey('3');  // during a recording: nothing
    MoveCursorAlong(creator_, {path.begin() + 90, path.begin() + 100});
    inside = true;
    MoveCursorAlong(creator_, {path.begin() + 100, path.end()});
    moving = false;
    awake.join();
    StopWithSpace();

    const std::vector<RecordedPoint> recorded = Points(ProgramCharacterSet().Slot(7));
    ASSERT_GE(recorded.size(), 2u);
    // The first sample is where the motion began.
    EXPECT_EQ(recorded.front(), path[1]);
    // Every later one lies strictly inside, on the path, in the path's order.
    const SIZE size = creator_.AreaSize();
    std::size_t at = 1;
    for (std::size_t i = 1; i < recorded.size(); ++i) {
        EXPECT_TRUE(InsideArea(recorded[i], size.cx, size.cy)) << i;
        const auto found = std::find(path.begin() + static_cast<long>(at), path.end(), recorded[i]);
        ASSERT_NE(found, path.end()) << "sample " << i << " (" << recorded[i].x << "," << recorded[i].y
                                  << ") out of order or off the path";
        at = static_cast<std::size_t>(found - path.begin());
    }
    // About 100 samples a second of motion inside the area (the 20 steps
    // outside are dropped).
    const double expected = static_cast<double>(periods);
    EXPECT_GT(static_cast<double>(recorded.size()), expected * 0.8);
    EXPECT_LT(static_cast<double>(recorded.size()), expected * 1.15 + 5);

    // The live stroke in red under the path, the summary in black.
    int red = 0;
    for (int i = 2; i < 78; ++i) red += DrawnNear(path[i], kRed);
    EXPECT_EQ(red, 76);
    EXPECT_TRUE(AreaShowsSummary(Area(), "Done: " + FormatNumber(recorded.size()) + " points."));
    EXPECT_FALSE(AreaShowsSummary(Area(), "Done: " + FormatNumber(recorded.size() + 1) + " points."));

    // The slot's view button bold 10 pt, its record button plain 8 pt.
    const FontSeen view = ControlFont(creator_.Control(1607));
    EXPECT_EQ(view.face, "MS Sans Serif");
    EXPECT_EQ(view.weight, FW_BOLD);
    EXPECT_EQ(view.height, FontHeightFor(10));
    const FontSeen record = ControlFont(creator_.Control(1507));
    EXPECT_EQ(record.weight, FW_NORMAL);
    EXPECT_EQ(record.height, FontHeightFor(8));
    EXPECT_EQ(ProgramCreatorState().UnsavedCharacters, 1);

    // "3" did nothing: no recording of its slot, its button as it was.
    EXPECT_EQ(ProgramCharacterSet().Slot(3), "");
    EXPECT_EQ(ControlFont(creator_.Control(1503)).height,
              ControlFont(creator_.Window()).height);
}

// scripts/test runs this once more at 150 % (144 DPI).
TEST_F(CreatorRecording, AtTheDisplayScaleAStrokeAcrossTheAreaIsStoredIn96DpiUnits) {
    ASSERT_TRUE(creator_.Window());
    const SIZE size = creator_.AreaSize();
    // The dialog manager's layout, worked out as the program works out the
    // area at 96 DPI, matches the window's at this DPI.
    WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    const SIZE now = DialogSizeAt(155, 200, "MS Sans Serif", 8, dpi);
    EXPECT_EQ(now.cx, size.cx);
    EXPECT_EQ(now.cy, size.cy);
    const SIZE at96 = DialogSizeAt(155, 200, "MS Sans Serif", 8, 96);

    // From corner to corner of the area, one sample a step.
    std::vector<RecordedPoint> path;
    const int steps = 60;
    for (int i = 0; i <= steps; ++i)
        path.push_back({1 + (size.cx - 2) * i / steps, 1 + (size.cy - 2) * i / steps});
    PlaceCursor({1, 0});
    StartRecording('6', 6);
    MoveFirst(path[0], 6);
    MoveCursorAlong(creator_, {path.begin() + 1, path.end()}, 15);
    StopWithSpace();

    const std::vector<RecordedPoint> recorded = Points(ProgramCharacterSet().Slot(6));
    ASSERT_GE(recorded.size(), 10u);
    RecordedPoint low{INT32_MAX, INT32_MAX}, high{INT32_MIN, INT32_MIN};
    for (const RecordedPoint& p : recorded) {
        EXPECT_TRUE(InsideArea(p, at96.cx, at96.cy)) << p.x << "," << p.y;
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    }
    // As large as the same stroke drawn at 100 %, within 2 %.
    EXPECT_NEAR(high.x - low.x, at96.cx - 2, 0.02 * at96.cx);
    EXPECT_NEAR(high.y - low.y, at96.cy - 2, 0.02 * at96.cy);
    // The live stroke, and then the view, lie under the path the cursor took,
    // within a dialog unit: stored units map back to a pixel within one of
    // the sample's, and drawing snaps to dialog units.
    const int unit = (creator_.Per1024().x + 1023) / 1024;
    int red = 0;
    for (int i = 2; i < steps - 1; ++i)
        red += DrawnNear(path[i], kRed, unit);
    EXPECT_EQ(red, steps - 3);
    creator_.Send(1606);
    int blue = 0;
    for (int i = 2; i < steps - 1; ++i)
        blue += DrawnNear(path[i], kBlue, unit);
    EXPECT_EQ(blue, steps - 3);
}

TEST_F(CreatorRecording, StoppingBeforeAnyMovementKeepsTheOldTextAndStillCountsAsUnsaved) {
    ASSERT_TRUE(creator_.Window());
    ProgramCharacterSet().SetSlot(4, "10,20, 30,40");
    PlaceCursor({50, 50});
    StartRecording('4', 4);
    StopWithSpace();
    EXPECT_EQ(ProgramCharacterSet().Slot(4), "10,20, 30,40");
    EXPECT_TRUE(AreaShowsSummary(Area(), "Done: 2 points."));
    EXPECT_EQ(ControlFont(creator_.Control(1604)).weight, FW_BOLD);
    EXPECT_EQ(ProgramCreatorState().UnsavedCharacters, 1);

    // An empty slot reports 0 points and still gets the highlight.
    StartRecording('8', 8);
    StopWithSpace();
    EXPECT_EQ(ProgramCharacterSet().Slot(8), "");
    EXPECT_TRUE(AreaShowsSummary(Area(), "Done: 0 points."));
    EXPECT_EQ(ControlFont(creator_.Control(1608)).weight, FW_BOLD);
}

// Before Windows 10 1803: a recording and an animated view each hold a 1 ms
// timer resolution from their start to their end, and a still view none.
TEST_F(CreatorRecording, OnOlderSystemsARecordingOrAnimatedViewHoldsAFineTimerWhileItRuns) {
    ASSERT_TRUE(creator_.Window());
    AllowHighResolutionTimers(false);
    auto held = [start = CountTimerResolutionRequests()] {
        const TimerResolutionRequests now = CountTimerResolutionRequests();
        return std::make_pair(now.raised - start.raised, now.givenBack - start.givenBack);
    };
    StartRecording('7', 7);
    EXPECT_EQ(held(), std::make_pair(1L, 0L));
    PlaceCursor({60, 60});  // not on a schedule: that would hold one more
    PlaceCursor({62, 64});
    StopWithSpace();
    EXPECT_TRUE(WaitUntil([&] { return held() == std::make_pair(1L, 1L); }));
    creator_.Send(1607);  // still
    EXPECT_EQ(held(), std::make_pair(1L, 1L));
    creator_.Send(1607);  // animated
    EXPECT_EQ(held(), std::make_pair(2L, 2L));
    AllowHighResolutionTimers(true);
}

TEST_F(CreatorRecording, AFirstMovementOutsideTheAreaIsStoredAndTheRestOutsideDropped) {
    ASSERT_TRUE(creator_.Window());
    const SIZE size = creator_.AreaSize();
    // Above the area, still inside the window (a pointer warp off the
    // program's windows is not reliable under Wine).
    PlaceCursor({100, -3});
    StartRecording('A', 11);
    // Moves outside, then along the area's top edge (y 0: outside), then in.
    MoveFirst({100, -4}, 11);
    MoveCursorAlong(creator_, {{100, -2}, {100, 0}, {101, 0}, {101, 1}, {102, 1}});
    MoveCursorAlong(creator_, {{size.cx, 120}, {size.cx - 1, 120}});
    StopWithSpace();
    const std::vector<RecordedPoint> recorded = Points(ProgramCharacterSet().Slot(11));
    ASSERT_GE(recorded.size(), 3u);
    EXPECT_EQ(recorded.front(), (RecordedPoint{100, -4}));
    for (std::size_t i = 1; i < recorded.size(); ++i)
        EXPECT_TRUE(InsideArea(recorded[i], size.cx, size.cy)) << recorded[i].x << "," << recorded[i].y;
    EXPECT_EQ(recorded.back(), (RecordedPoint{size.cx - 1, 120}));
}

TEST_F(CreatorRecording, AViewIsStillThenAnimatedWithTheCursorFollowing) {
    ASSERT_TRUE(creator_.Window());
    std::vector<RecordedPoint> glyph;
    for (int i = 0; i < 30; ++i) glyph.push_back({40 + 3 * i, 80 + 2 * i});
    ProgramCharacterSet().SetSlot(2, TextOf(glyph));
    ProgramCharacterSet().SetSlot(5, "100,100, 120,120, 140,140");
    const POINT parked = creator_.AreaToScreen({5, 300});
    // Where the animated view leaves the cursor: the last point's drawing
    // position, 5 units into the window.
    const POINT per1024 = creator_.Per1024();
    RECT last{0, 0, 5 + PixelsToDialogUnitsAxis(glyph.back().x, per1024.x),
              5 + PixelsToDialogUnitsAxis(glyph.back().y, per1024.y)};
    MapDialogRect(creator_.Window(), &last);
    POINT end{last.right, last.bottom};
    ClientToScreen(creator_.Window(), &end);

    auto view = [&](int slot) {
        PlaceCursor({5, 300});
        creator_.Send(1600 + slot);
        EXPECT_EQ(ProgramCreatorState().LastViewedSlot, slot);
        const POINT cursor = Cursor();
        return cursor.x != parked.x || cursor.y != parked.y;  // animated
    };
    EXPECT_FALSE(view(2));
    // Drawn in blue along the recording, on a white area.
    int blue = 0;
    for (int i = 1; i < 29; ++i) blue += DrawnColour(glyph[i]) == kBlue;
    EXPECT_GE(blue, 25);
    EXPECT_EQ(SurfaceBitmapPixel(Area(), 1, 1), kWhite);

    EXPECT_TRUE(view(2));
    EXPECT_EQ(Cursor().x, end.x);
    EXPECT_EQ(Cursor().y, end.y);
    EXPECT_TRUE(view(2));
    EXPECT_FALSE(view(5));  // another slot: still
    EXPECT_FALSE(view(2));
    EXPECT_TRUE(view(2));

    // After a recording, the first view is still again.
    StartRecording('9', 9);
    StopWithSpace();
    EXPECT_FALSE(view(2));
}

TEST_F(CreatorRecording, ATextOfFourNumbersOrFewerShowsAnEmptyWhiteArea) {
    ASSERT_TRUE(creator_.Window());
    ProgramCharacterSet().SetSlot(0, "40,40, 120,200");
    creator_.Post(1600);
    ASSERT_TRUE(creator_.Flush());
    EXPECT_EQ(ProgramCreatorState().LastViewedSlot, 0);
    const SIZE size = SurfaceBitmapSize(Area());
    EXPECT_EQ(Count(kWhite), size.cx * size.cy);
}

TEST_F(CreatorRecording, AViewDuringARecordingIsIgnored) {
    ASSERT_TRUE(creator_.Window());
    ProgramCharacterSet().SetSlot(2, "40,40, 60,60, 80,80");
    StartRecording('1', 1);
    creator_.Post(1602);
    ASSERT_TRUE(creator_.Flush());
    EXPECT_EQ(ProgramCreatorState().LastViewedSlot, -1);
    EXPECT_EQ(Count(kBlue), 0);
    StopWithSpace();
}

// A finishing recording frees its slot a moment before its task ends; a
// record command in that moment starts the next recording. Hammered: each
// recording is stopped and the next one asked for until it starts, so that it
// starts as close to the last one's end as the window allows. A recording
// that runs is always counted, and closing waits for it.
TEST_F(CreatorRecording, ARecordingStartedAsTheLastOneEndsIsWaitedFor) {
    ASSERT_TRUE(creator_.Window());
    const CreatorWindow* open = OpenCreator();
    ASSERT_NE(open, nullptr);
    CreatorState& state = ProgramCreatorState();
    auto startNext = [&] {
        // Stopped when this returns; asked again and again until it starts.
        creator_.Send(kStopRecordingId);
        const DWORD began = GetTickCount();
        while (state.RecordingActive == 0 && GetTickCount() - began < 5000) {
            creator_.Post(kRecordButtonBase + 1);
            for (int spin = 0; spin < 200 && state.RecordingActive == 0; ++spin)
                Sleep(0);
        }
        return state.RecordingActive != 0;
    };
    int uncounted = 0;
    for (int round = 0; round < 40; ++round) {
        ASSERT_TRUE(startNext()) << round;
        Sleep(1); // time for the last task to end
        // Nothing stops this recording but the next round.
        uncounted += open->recordingTasks.load() == 0;
    }
    EXPECT_EQ(uncounted, 0);
    ASSERT_TRUE(startNext());
    ASSERT_TRUE(creator_.Close());
    EXPECT_EQ(creator_.SlotWhenEnded(), -1);
}

TEST_F(CreatorRecording, QuittingFromAnAnimatedViewStopsItsDrawingAtOnce) {
    ASSERT_TRUE(creator_.Window());
    std::vector<RecordedPoint> glyph;
    for (int i = 0; i < 300; ++i) glyph.push_back({20 + i / 2, 20 + i});
    ProgramCharacterSet().SetSlot(3, TextOf(glyph));
    creator_.Post(1603);
    ASSERT_TRUE(creator_.Flush());
    creator_.Post(1603);  // animated: about three seconds
    Sleep(300);
    creator_.Post(kQuitEditorId);
    ASSERT_TRUE(WaitUntil([&] { return creator_.Ended(); }, 2500));
    const POINT stopped = Cursor();
    Sleep(100);
    EXPECT_EQ(Cursor().x, stopped.x);
    EXPECT_EQ(Cursor().y, stopped.y);
}

}  // namespace
