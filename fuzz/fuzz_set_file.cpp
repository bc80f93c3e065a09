// Any bytes as a set file: never undefined behaviour, the figures stay within
// what the texts can hold, every number of every glyph reads as a number, and
// what was read is written back and read again unchanged.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "charset/glyph_fields.h"
#include "charset/set_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const GlyphTexts texts = ParseSetFile(file);
    const SetFigures figures = CountSetFigures(texts);
    if (figures.slots < 0 || figures.slots > kGlyphSlotCount) std::abort();
    if (figures.points < 0 || static_cast<std::size_t>(figures.points) > (size + kGlyphSlotCount) / 2) std::abort();
    for (const std::string& text : texts) {
        GlyphFieldReader fields(text);
        for (double value; fields.Next(value);)
            if (std::isnan(value)) std::abort();
    }
    if (!(ParseSetFile(FormatSetFile(texts)) == texts)) std::abort();
    return 0;
}
