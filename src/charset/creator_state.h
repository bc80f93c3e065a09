#pragma once
// The Character Creator's state. It outlives the window (a set with unsaved
// recordings is still unsaved when the window is opened again) and is shared
// by the window's thread and the recording thread, so every value is a whole
// 32-bit atomic.

#include <atomic>
#include <cstdint>

struct CreatorState {
    std::atomic<std::int32_t> RecordingActive{0};    // nonzero while a recording runs
    std::atomic<std::int32_t> RecordingSlot{-1};     // slot being recorded, -1 none
    std::atomic<std::int32_t> LastViewedSlot{-1};    // slot last shown, -1 none
    std::atomic<std::int32_t> UnsavedCharacters{0};  // nonzero after a recording
};

CreatorState& ProgramCreatorState();
