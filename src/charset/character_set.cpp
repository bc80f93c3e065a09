#include "charset/character_set.h"

namespace {
bool IsSlot(GlyphSlot slot) { return slot >= 0 && slot < kGlyphSlotCount; }
}  // namespace

std::string CharacterSet::Slot(GlyphSlot slot) const {
    if (!IsSlot(slot)) return {};
    std::lock_guard lock(mutex_);
    return texts_[slot];
}

GlyphTexts CharacterSet::All() const {
    std::lock_guard lock(mutex_);
    return texts_;
}

void CharacterSet::SetSlot(GlyphSlot slot, std::string text) {
    if (!IsSlot(slot)) return;
    {
        std::lock_guard lock(mutex_);
        texts_[slot].swap(text);
    }
    // The replaced text is freed here, outside the lock.
}

void CharacterSet::AppendSample(GlyphSlot slot, std::string_view pair) {
    if (!IsSlot(slot)) return;
    std::lock_guard lock(mutex_);
    if (!texts_[slot].empty()) texts_[slot].append(", ");
    texts_[slot].append(pair);
}

void CharacterSet::Load(GlyphTexts texts) {
    {
        std::lock_guard lock(mutex_);
        texts_.swap(texts);
    }
}

void CharacterSet::Clear() { Load(GlyphTexts{}); }

CharacterSet& ProgramCharacterSet() {
    static CharacterSet set;
    return set;
}
