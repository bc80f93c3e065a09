#pragma once
// The character set in use: one recording text for each of the 13 glyph
// slots, shared by the whole program. The clock run and the Character
// Creator's window read it while a recording appends to one slot or a load
// replaces all of them, so every access takes a short lock; nobody holds the
// lock while drawing or waiting. Readers share the text they read, which
// never changes under them: a recording appends in place only to a text
// nobody else holds, and otherwise to a fresh copy.

#include <array>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "base/shared_string.h"

// Slots 0-9 are the digits, 10 the colon, 11 "A" (AM), 12 "P" (PM).
using GlyphSlot = int;
inline constexpr int kGlyphSlotCount = 13;
inline constexpr GlyphSlot kColonSlot = 10;
inline constexpr GlyphSlot kAmSlot = 11;
inline constexpr GlyphSlot kPmSlot = 12;

using GlyphTexts = std::array<std::string, kGlyphSlotCount>;

class CharacterSet {
public:
    // One slot's text, shared; empty for a slot outside 0..12.
    SharedString Slot(GlyphSlot slot) const;
    // All 13 texts, shared, as they were at one moment.
    std::array<SharedString, kGlyphSlotCount> Shared() const;
    // All 13 texts copied.
    GlyphTexts All() const;

    // Slots outside 0..12 are ignored.
    void SetSlot(GlyphSlot slot, std::string text);
    // Adds one recorded "x,y" pair, after ", " unless the slot is empty: a
    // recording that goes on after its slot was emptied (a new set started
    // meanwhile) begins a well-formed text rather than one whose pairs are
    // shifted by a leading empty field.
    void AppendSample(GlyphSlot slot, std::string_view pair);
    void Load(GlyphTexts texts);
    void Clear();

private:
    struct SlotText;
    static SharedString Share(const std::shared_ptr<SlotText>& text);

    mutable std::mutex mutex_;
    std::array<std::shared_ptr<SlotText>, kGlyphSlotCount> texts_;
};

// The one set the program draws with; empty at start.
CharacterSet& ProgramCharacterSet();
