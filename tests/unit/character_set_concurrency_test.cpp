#include "charset/character_set.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(CharacterSet, IgnoresSlotsOutsideTheThirteen) {
    CharacterSet set;
    set.SetSlot(-1, "x");
    set.SetSlot(13, "x");
    set.AppendSample(13, "x");
    EXPECT_EQ(set.Slot(13), "");
    EXPECT_EQ(set.All(), GlyphTexts{});
    set.SetSlot(12, "1,2");
    set.AppendSample(12, "3,4");
    EXPECT_EQ(set.Slot(12), "1,2, 3,4");
    set.Clear();
    EXPECT_EQ(set.Slot(12), "");
}

// A recording whose slot is emptied under it (a new set started meanwhile)
// goes on with a text that reads as pairs again, not one shifted by a
// leading empty field.
TEST(CharacterSet, ASampleAppendedToAnEmptiedSlotStartsAWellFormedText) {
    CharacterSet set;
    set.SetSlot(7, "1,2");
    set.AppendSample(7, "3,4");
    set.Clear();
    set.AppendSample(7, "5,6");
    set.AppendSample(7, "7,8");
    EXPECT_EQ(set.Slot(7), "5,6, 7,8");
}

// A reader keeps the text it took while a recording goes on appending: the
// text is shared, never changed under its reader.
TEST(CharacterSet, ATextTakenByAReaderDoesNotChangeUnderIt) {
    CharacterSet set;
    set.SetSlot(3, "1,2");
    const SharedString taken = set.Slot(3);
    set.AppendSample(3, "3,4");
    set.AppendSample(3, "5,6");
    EXPECT_EQ(taken, "1,2");
    EXPECT_EQ(set.Slot(3), "1,2, 3,4, 5,6");
}

// A clock run copies slots while a recording appends to one and the window
// loads whole sets: every copy must be a text that really was in the slot.
TEST(CharacterSetConcurrency, ReadersSeeWholeTextsWhileWritersChangeThem) {
    CharacterSet set;
    GlyphTexts a, b;
    for (int s = 0; s < kGlyphSlotCount; ++s) {
        a[s] = std::string(100 + s, 'a');
        b[s] = std::string(5000 + s, 'b');
    }
    set.Load(a);
    std::atomic<bool> stop{false};
    std::atomic<int> bad{0};
    auto reader = [&] {
        while (!stop.load()) {
            for (int s = 1; s < kGlyphSlotCount; ++s) {
                const SharedString seen = set.Slot(s);
                if (seen != a[s] && seen != b[s]) ++bad;
            }
            const SharedString recording = set.Slot(0);
            if (recording.View().find_first_not_of("ab, ") != std::string_view::npos) ++bad;
        }
    };
    std::thread r1(reader), r2(reader);
    std::thread recorder([&] {
        for (int i = 0; i < 20000; ++i) set.AppendSample(0, ",");
    });
    for (int i = 0; i < 2000; ++i) set.Load(i % 2 ? a : b);
    recorder.join();
    stop = true;
    r1.join();
    r2.join();
    EXPECT_EQ(bad.load(), 0);
}

}  // namespace
