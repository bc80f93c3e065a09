#include "app/settings_file_text.h"

#include "base/line_reader.h"
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

std::string DecodeSettingsFile(std::string bytes, const TextCodePages& pages) {
    if (IsAscii(bytes)) return bytes;
    // The lines as the settings reader will split them, each then ended by
    // CR LF: the reader takes that for the same lines.
    std::string text;
    LineReader reader(bytes);
    std::string_view line;
    while (reader.Next(line)) {
        text += DecodeSettingsText(line, pages);
        text += "\r\n";
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
