#include "charset/character_set.h"

#include <utility>

namespace {
bool IsSlot(GlyphSlot slot) { return slot >= 0 && slot < kGlyphSlotCount; }

SharedString Share(const std::shared_ptr<std::string>& text) {
    return text ? SharedString(std::shared_ptr<const std::string>(text)) : SharedString();
}
}  // namespace

SharedString CharacterSet::Slot(GlyphSlot slot) const {
    if (!IsSlot(slot)) return {};
    std::lock_guard lock(mutex_);
    return Share(texts_[slot]);
}

std::array<SharedString, kGlyphSlotCount> CharacterSet::Shared() const {
    std::array<SharedString, kGlyphSlotCount> shared;
    std::lock_guard lock(mutex_);
    for (int slot = 0; slot < kGlyphSlotCount; ++slot)
        shared[slot] = Share(texts_[slot]);
    return shared;
}

GlyphTexts CharacterSet::All() const {
    const auto shared = Shared();
    GlyphTexts texts;
    for (int slot = 0; slot < kGlyphSlotCount; ++slot)
        texts[slot] = shared[slot].Str();
    return texts;
}

void CharacterSet::SetSlot(GlyphSlot slot, std::string text) {
    if (!IsSlot(slot)) return;
    auto replacement = std::make_shared<std::string>(std::move(text));
    {
        std::lock_guard lock(mutex_);
        texts_[slot].swap(replacement);
    }
    // The replaced text is freed here, outside the lock.
}

void CharacterSet::AppendSample(GlyphSlot slot, std::string_view pair) {
    if (!IsSlot(slot)) return;
    std::shared_ptr<std::string> shared;  // released outside the lock
    std::lock_guard lock(mutex_);
    std::shared_ptr<std::string>& text = texts_[slot];
    // Under the lock nobody can take a new share, so a text held by the set
    // alone stays so while it grows.
    if (!text) {
        text = std::make_shared<std::string>();
    } else if (text.use_count() > 1) {
        shared = text;
        text = std::make_shared<std::string>(*shared);
    }
    if (!text->empty()) text->append(", ");
    text->append(pair);
}

void CharacterSet::Load(GlyphTexts texts) {
    std::array<std::shared_ptr<std::string>, kGlyphSlotCount> loaded;
    for (int slot = 0; slot < kGlyphSlotCount; ++slot)
        loaded[slot] = std::make_shared<std::string>(std::move(texts[slot]));
    {
        std::lock_guard lock(mutex_);
        texts_.swap(loaded);
    }
}

void CharacterSet::Clear() { Load(GlyphTexts{}); }

CharacterSet& ProgramCharacterSet() {
    static CharacterSet set;
    return set;
}
