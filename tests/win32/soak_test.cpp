// A long session in one process: many clock runs with ink, one after another,
// must give back every handle they took and leave the program's state as it
// was. Wine's own resource counters are stubs, so the owners' counts are the
// measure.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "charset/character_set.h"
#include "clock/clock_run.h"
#include "platform/files.h"
#include "platform/handles.h"
#include "state/settings.h"
#include "temp_folder.h"
#include "test_windows.h"

namespace {

constexpr int kRuns = 50;

// Short strokes in every slot so that each run is quick but still draws ink.
GlyphTexts ShortRecordings() {
    GlyphTexts texts;
    for (GlyphSlot slot = 0; slot < kGlyphSlotCount; ++slot)
        texts[slot] = std::to_string(20 + slot) + ",40, 60,40, 60,90, 30,120, 30,121";
    return texts;
}

TEST(Soak, FiftyRunsWithInkGiveBackEveryHandleAndLeaveStateAlone) {
    SetDefaultSettings();
    Settings& s = ProgramSettings();
    s.ClockStyle.Set("HH:MM (24hr)");
    s.LeaveMouseTrails = 1;
    s.TrailsColor = static_cast<std::int32_t>(RGB(200, 0, 0));
    s.SlowdownFactor = 1;
    s.AccelerationFactor = 10;
    ProgramCharacterSet().Load(ShortRecordings());

    const std::string settingsPath = ProgramFolder() + "spindrift-clock.ini";
    const bool settingsExisted = FileExists(settingsPath);
    const std::string settingsBefore = settingsExisted ? ReadBytes(settingsPath) : std::string();
    const SettingsValues settingsInMemory = s.Snapshot();
    const GlyphTexts setBefore = ProgramCharacterSet().All();
    const std::vector<long> handlesBefore = LiveHandleCounts();

    for (int run = 0; run < kRuns; ++run) {
        StartClockRun();
        ASSERT_TRUE(WaitUntil(
            [] {
                PumpMessages();
                return ActiveClockRuns() == 0;
            },
            30000))
            << "run " << run << " did not end";
    }

    EXPECT_EQ(LiveHandleCounts(), handlesBefore);
    EXPECT_EQ(s.Snapshot(), settingsInMemory);
    EXPECT_EQ(ProgramCharacterSet().All(), setBefore);
    EXPECT_EQ(FileExists(settingsPath), settingsExisted);
    if (settingsExisted) {
        EXPECT_EQ(ReadBytes(settingsPath), settingsBefore);
    }

    // The cursor is still the user's: shown, and it goes where it is sent.
    CURSORINFO cursor{};
    cursor.cbSize = sizeof cursor;
    ASSERT_TRUE(GetCursorInfo(&cursor));
    EXPECT_EQ(cursor.flags & CURSOR_SHOWING, static_cast<DWORD>(CURSOR_SHOWING));
    ASSERT_TRUE(SetCursorPos(321, 234));
    POINT where{};
    GetCursorPos(&where);
    EXPECT_EQ(where.x, 321);
    EXPECT_EQ(where.y, 234);

    ProgramCharacterSet().Clear();
    SetDefaultSettings();
}

}  // namespace
