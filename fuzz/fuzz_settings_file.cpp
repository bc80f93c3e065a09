// Any bytes as a settings file: never undefined behaviour, and whatever was
// read is written back and read again unchanged, also through the conversion
// of older files' legacy-code-page texts to UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/settings_file.h"
#include "app/settings_file_text.h"

namespace {

// Stands in for the system's converter with Latin-1 as the legacy code page.
std::optional<std::string> Latin1ToUtf8(std::string_view text, unsigned from, unsigned to) {
    if (from == to) return std::string(text);
    if (from == kUtf8CodePage) return std::nullopt;
    std::string utf8;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

constexpr TextCodePages kPages{kUtf8CodePage, 28591, Latin1ToUtf8};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    SettingsValues read = DefaultSettingsValues();
    ApplySettingsFile(file, read);
    SettingsValues again = DefaultSettingsValues();
    ApplySettingsFile(FormatSettingsFile(read), again);
    if (!(again == read)) std::abort();

    SettingsValues decoded = DefaultSettingsValues();
    ApplySettingsFile(DecodeSettingsFile(std::string(file), kPages), decoded);
    SettingsValues reread = DefaultSettingsValues();
    ApplySettingsFile(
        DecodeSettingsFile(EncodeSettingsFile(FormatSettingsFile(decoded), kPages), kPages),
        reread);
    if (!(reread == decoded)) std::abort();
    return 0;
}
