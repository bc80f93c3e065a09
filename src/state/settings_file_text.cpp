#include "state/settings_file_text.h"

#include "base/utf8.h"

std::string DecodeSettingsText(std::string_view stored, const TextCodePages& pages) {
    if (IsAscii(stored)) return std::string(stored);
    const unsigned from = IsUtf8(stored) ? kUtf8CodePage : pages.legacy;
    if (from == pages.program) return std::string(stored);
    // A name that the program's code page cannot hold (UTF-8 on older
    // Windows) cannot be opened either way; its bytes are kept as they are.
    std::optional<std::string> text = pages.convert(stored, from, pages.program);
    return text ? std::move(*text) : std::string(stored);
}

std::string EncodeSettingsText(std::string_view text, const TextCodePages& pages) {
    if (pages.program == kUtf8CodePage || IsAscii(text)) return std::string(text);
    // The file's own bytes, kept by the reader above: back as they were.
    if (IsUtf8(text) && !pages.convert(text, kUtf8CodePage, pages.program))
        return std::string(text);
    std::optional<std::string> utf8 = pages.convert(text, pages.program, kUtf8CodePage);
    return utf8 ? std::move(*utf8) : std::string(text);
}

void EncodeSettingsPieces(std::vector<std::string_view>& pieces, std::deque<std::string>& converted,
                          const TextCodePages& pages) {
    if (pages.program == kUtf8CodePage) return;
    for (std::string_view& piece : pieces) {
        if (IsAscii(piece)) continue;
        converted.push_back(EncodeSettingsText(piece, pages));
        piece = converted.back();
    }
}
