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

std::string FormatSetFile(const GlyphTexts& texts) {
    std::size_t size = 0;
    for (const std::string& text : texts)
        size += text.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& text : texts) {
        bytes += text;
        bytes += "\r\n";
    }
    return bytes;
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
