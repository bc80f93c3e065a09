#pragma once
// The character set file: 13 lines, line n holding the recording of slot n-1,
// each line followed by CR LF. A file is read by the program's line rules
// (LineReader) and validated in nothing: the first 13 lines become the slot
// texts byte for byte, missing lines leave their slots empty, and lines after
// the 13th are ignored. What a text means is left to the field rules
// (glyph_fields.h), so a hand-edited or damaged file only ever gives other
// numbers, never an error.
//
// Everything here is linear in the size of the file, whatever it holds.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "charset/character_set.h"

// The 13 slot texts of a set file's bytes.
GlyphTexts ParseSetFile(std::string_view bytes);

// The bytes of a set file as the pieces they are made of: each text unchanged,
// followed by CR LF. The pieces point into the texts, which must outlive them.
std::vector<std::string_view>
SetFilePieces(std::span<const std::string_view, kGlyphSlotCount> texts);

// The same pieces joined.
std::string FormatSetFile(const GlyphTexts& texts);

// The two figures shown after a set is loaded.
struct SetFigures {
    std::int32_t slots = 0;  // slots whose text is not empty after trimming blanks
    std::int32_t points = 0; // the sum of their PointCount, saturated at the int32 limit
};

SetFigures CountSetFigures(const GlyphTexts& texts);
