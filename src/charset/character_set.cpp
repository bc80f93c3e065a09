#include "charset/character_set.h"

#include <atomic>
#include <utility>

// One slot's text and how many readers hold it. A reader's share is counted
// here rather than read off its shared pointer, whose count is read without
// ordering: a recording appends in place only once every reader has let go,
// and each reader's letting go is ordered before that append.
struct CharacterSet::SlotText {
    std::string text;
    std::atomic<int> readers{0};
};

namespace {
bool IsSlot(GlyphSlot slot) { return slot >= 0 && slot < kGlyphSlotCount; }
}  // namespace

// Called under the lock, so that no share is taken while a text grows.
SharedString CharacterSet::Share(const std::shared_ptr<SlotText>& text) {
    if (!text) return {};
    text->readers.fetch_add(1, std::memory_order_relaxed);
    return SharedString(std::shared_ptr<const std::string>(&text->text, [text](const std::string*) {
        text->readers.fetch_sub(1, std::memory_order_release);
    }));
}

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
    auto replacement = std::make_shared<SlotText>();
    replacement->text = std::move(text);
    {
        std::lock_guard lock(mutex_);
        texts_[slot].swap(replacement);
    }
    // The replaced text is freed here, outside the lock.
}

void CharacterSet::AppendSample(GlyphSlot slot, std::string_view pair) {
    if (!IsSlot(slot)) return;
    std::shared_ptr<SlotText> replaced;  // released outside the lock
    std::lock_guard lock(mutex_);
    std::shared_ptr<SlotText>& text = texts_[slot];
    if (!text || text->readers.load(std::memory_order_acquire) != 0) {
        // A slot never set, or a text someone reads: the recording goes on in
        // a text of its own.
        auto copy = std::make_shared<SlotText>();
        if (text) copy->text = text->text;
        replaced = std::exchange(text, std::move(copy));
    }
    if (!text->text.empty()) text->text.append(", ");
    text->text.append(pair);
}

void CharacterSet::Load(GlyphTexts texts) {
    std::array<std::shared_ptr<SlotText>, kGlyphSlotCount> loaded;
    for (int slot = 0; slot < kGlyphSlotCount; ++slot) {
        loaded[slot] = std::make_shared<SlotText>();
        loaded[slot]->text = std::move(texts[slot]);
    }
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
