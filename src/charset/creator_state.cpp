#include "charset/creator_state.h"

CreatorState& ProgramCreatorState() {
    static CreatorState state;
    return state;
}
