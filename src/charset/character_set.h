#pragma once
// The character set in use: one recording text for each of the 13 glyph
// slots, shared by the whole program. The clock run and the Character
// Creator's window read it while a recording appends to one slot or a load
// replaces all of them, so every access takes a short lock, and readers get
// copies; nobody holds the lock while drawing or waiting.

#include <array>
#include <mutex>
#include <string>
#include <string_view>

// Slots 0-9 are the digits, 10 the colon, 11 "A" (AM), 12 "P" (PM).
using GlyphSlot = int;
inline constexpr int kGlyphSlotCount = 13;
inline constexpr GlyphSlot kColonSlot = 10;
inline constexpr GlyphSlot kAmSlot = 11;
inline constexpr GlyphSlot kPmSlot = 12;

using GlyphTexts = std::array<std::string, kGlyphSlotCount>;

class CharacterSet {
public:
    // A copy of one slot's text; empty for a slot outside 0..12.
    std::string Slot(GlyphSlot slot) const;
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
    mutable std::mutex mutex_;
    GlyphTexts texts_;
};

// The one set the program draws with; empty at start.
CharacterSet& ProgramCharacterSet();
