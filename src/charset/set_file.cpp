#include "charset/set_file.h"

#include <algorithm>
#include <limits>

#include "base/line_reader.h"
#include "base/text.h"
#include "charset/glyph_fields.h"

GlyphTexts ParseSetFile(std::string_view bytes) {
    GlyphTexts texts;
    LineReader lines(bytes);
    std::string_view line;
    for (std::string& text : texts) {
        if (!lines.Next(line)) break;
        text.assign(line);
    }
    return texts;
}

std::vector<std::string_view>
SetFilePieces(std::span<const std::string_view, kGlyphSlotCount> texts) {
    std::vector<std::string_view> pieces;
    pieces.reserve(2 * kGlyphSlotCount);
    for (const std::string_view text : texts) {
        pieces.push_back(text);
        pieces.emplace_back("\r\n");
    }
    return pieces;
}

std::string FormatSetFile(const GlyphTexts& texts) {
    std::array<std::string_view, kGlyphSlotCount> views;
    for (int slot = 0; slot < kGlyphSlotCount; ++slot)
        views[slot] = texts[slot];
    return JoinPieces(SetFilePieces(views));
}

SetFigures CountSetFigures(const GlyphTexts& texts) {
    std::int64_t slots = 0;
    std::int64_t points = 0;
    for (const std::string& text : texts) {
        if (TrimBlanks(text).empty()) continue;
        ++slots;
        points += PointCount(text);
    }
    // A file of at most a few gigabytes holds fewer points than int64 can count;
    // the figures are reported as 32-bit numbers, so they saturate.
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    return {static_cast<std::int32_t>(slots), static_cast<std::int32_t>(std::min(points, kMax))};
}
