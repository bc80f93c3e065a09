#include "app/settings_file_text.h"

#include "base/line_reader.h"
#include "base/utf8.h"

std::optional<std::string> DecodeSettingsText(std::string_view stored, const TextCodePages& pages) {
    if (IsAscii(stored)) return std::string(stored);
    const unsigned from = IsUtf8(stored) ? kUtf8CodePage : pages.legacy;
    if (from == pages.program) return std::string(stored);
    return pages.convert(stored, from, pages.program);
}

std::string EncodeSettingsText(std::string_view text, const TextCodePages& pages) {
    if (pages.program == kUtf8CodePage || IsAscii(text)) return std::string(text);
    std::optional<std::string> utf8 = pages.convert(text, pages.program, kUtf8CodePage);
    return utf8 ? std::move(*utf8) : std::string(text);
}

std::string DecodeSettingsFile(std::string bytes, const TextCodePages& pages) {
    if (IsAscii(bytes)) return bytes;
    // The lines as the settings reader will split them, each then ended by
    // CR LF: the reader takes that for the same lines.
    std::string text;
    LineReader reader(bytes);
    std::string_view line;
    while (reader.Next(line)) {
        if (const auto decoded = DecodeSettingsText(line, pages)) {
            text += *decoded;
            text += "\r\n";
        }
    }
    return text;
}

std::string EncodeSettingsFile(std::string text, const TextCodePages& pages) {
    if (pages.program == kUtf8CodePage || IsAscii(text)) return text;
    std::string file;
    const std::string_view all(text);
    std::size_t start = 0;
    while (start < all.size()) {
        const auto end = all.find("\r\n", start);
        const std::size_t next = end == std::string_view::npos ? all.size() : end + 2;
        file += EncodeSettingsText(all.substr(start, next - start), pages);
        start = next;
    }
    return file;
}
