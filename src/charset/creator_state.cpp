#include "charset/creator_state.h"

CreatorState& ProgramCreatorState() {
    static CreatorState state;
    return state;
}

bool BeginRecording(CreatorState& state, std::int32_t slot) {
    std::int32_t none = -1;
    if (!state.RecordingSlot.compare_exchange_strong(none, slot)) return false;
    state.RecordingActive = 1;
    return true;
}

void StopRecording(CreatorState& state) {
    state.RecordingActive = 0;
}

void EndRecording(CreatorState& state) {
    state.RecordingSlot = -1;
    state.LastViewedSlot = -1;
    state.UnsavedCharacters = 1;
}

bool ViewIsAnimated(const CreatorState& state, std::int32_t slot) {
    return state.LastViewedSlot.load() == slot;
}

void NoteGlyphShown(CreatorState& state, std::int32_t slot) {
    state.LastViewedSlot = slot;
}
