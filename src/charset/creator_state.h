#pragma once
// The Character Creator's state. It outlives the window (a set with unsaved
// recordings is still unsaved when the window is opened again) and is shared
// by the window's thread and the recording thread, so every value is a whole
// 32-bit atomic.
//
// The functions below are the only ways the state moves, so the rules of a
// recording's cycle and of the view mode live in one place.

#include <atomic>
#include <cstdint>

struct CreatorState {
    std::atomic<std::int32_t> RecordingActive{0};    // nonzero while a recording runs
    std::atomic<std::int32_t> RecordingSlot{-1};     // slot being recorded, -1 none
    std::atomic<std::int32_t> LastViewedSlot{-1};    // slot last shown, -1 none
    std::atomic<std::int32_t> UnsavedCharacters{0};  // nonzero after a recording
};

CreatorState& ProgramCreatorState();

// Starts recording `slot` unless a recording runs (RecordingSlot is not -1):
// true when this call started it. At most one recording exists at a time.
bool BeginRecording(CreatorState& state, std::int32_t slot);

// Asks the running recording to stop; its task notices on its next pass.
void StopRecording(CreatorState& state);

// What the recording task does last: no recording, no slot counts as viewed
// (so the next view of any slot is still), and the set has unsaved work.
void EndRecording(CreatorState& state);

// Whether showing `slot` now animates it: the same slot was shown last, with
// no other slot shown and no recording finished since.
bool ViewIsAnimated(const CreatorState& state, std::int32_t slot);
void NoteGlyphShown(CreatorState& state, std::int32_t slot);
