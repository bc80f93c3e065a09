#include "charset/creator_state.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

TEST(CreatorState, StartsIdleWithNothingViewedOrUnsaved) {
    const CreatorState state;
    EXPECT_EQ(state.RecordingActive, 0);
    EXPECT_EQ(state.RecordingSlot, -1);
    EXPECT_EQ(state.LastViewedSlot, -1);
    EXPECT_EQ(state.UnsavedCharacters, 0);
}

TEST(CreatorState, ARecordingCycleRefusesASecondStartUntilItEnds) {
    CreatorState state;
    EXPECT_TRUE(BeginRecording(state, 5));
    EXPECT_EQ(state.RecordingActive, 1);
    EXPECT_EQ(state.RecordingSlot, 5);
    // "3" while slot 5 records does nothing.
    EXPECT_FALSE(BeginRecording(state, 3));
    EXPECT_EQ(state.RecordingSlot, 5);
    StopRecording(state);
    EXPECT_EQ(state.RecordingActive, 0);
    // Stopped but not yet finished: still no new recording.
    EXPECT_FALSE(BeginRecording(state, 3));
    EndRecording(state);
    EXPECT_EQ(state.RecordingSlot, -1);
    EXPECT_EQ(state.UnsavedCharacters, 1);
    EXPECT_TRUE(BeginRecording(state, 3));
}

TEST(CreatorState, TheSameSlotAgainAnimatesUntilAnotherSlotOrARecordingIntervenes) {
    CreatorState state;
    auto view = [&state](int slot) {
        const bool animated = ViewIsAnimated(state, slot);
        NoteGlyphShown(state, slot);
        return animated;
    };
    EXPECT_FALSE(view(4));  // still
    EXPECT_TRUE(view(4));   // animated
    EXPECT_TRUE(view(4));   // animated again
    EXPECT_FALSE(view(9));  // another slot: still
    EXPECT_FALSE(view(4));  // and back: still again
    EXPECT_TRUE(view(4));

    // A finished recording makes the next view still, even of the slot viewed last.
    ASSERT_TRUE(BeginRecording(state, 7));
    StopRecording(state);
    EndRecording(state);
    EXPECT_FALSE(view(4));
    EXPECT_TRUE(view(4));
}

TEST(CreatorStateConcurrency, OnlyOneOfManySimultaneousStartsWins) {
    for (int round = 0; round < 50; ++round) {
        CreatorState state;
        std::atomic<int> started{0};
        std::atomic<bool> go{false};
        std::vector<std::thread> threads;
        for (int slot = 0; slot < 8; ++slot)
            threads.emplace_back([&, slot] {
                while (!go) std::this_thread::yield();
                if (BeginRecording(state, slot)) ++started;
            });
        go = true;
        for (auto& t : threads) t.join();
        EXPECT_EQ(started, 1);
        EXPECT_GE(state.RecordingSlot, 0);
        EXPECT_EQ(state.RecordingActive, 1);
    }
}

}  // namespace
