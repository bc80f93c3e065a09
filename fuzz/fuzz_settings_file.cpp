// Any bytes as a settings file: never undefined behaviour, and whatever was
// read is written back and read again unchanged, also through the conversion
// between the file's UTF-8 and the program's code page, UTF-8 or legacy.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/text.h"
#include "base/utf8.h"
#include "state/settings_file.h"
#include "state/settings_file_text.h"

namespace {

constexpr unsigned kLatin1 = 28591;

// Stands in for the system's converter, with Latin-1 as the legacy code page.
std::optional<std::string> Convert(std::string_view text, unsigned from, unsigned) {
    if (from == kUtf8CodePage && !IsUtf8(text)) return std::nullopt;
    std::string converted;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            converted += text[i];
        } else if (from == kLatin1) {
            converted += static_cast<char>(0xC0 | byte >> 6);
            converted += static_cast<char>(0x80 | (byte & 0x3F));
        } else if (byte == 0xC2 || byte == 0xC3) {
            converted += static_cast<char>((byte & 0x03) << 6 | (text[++i] & 0x3F));
        } else {
            return std::nullopt;
        }
    }
    return converted;
}

void ReadWriteRead(std::string_view file, const TextCodePages& pages) {
    SettingsValues read = DefaultSettingsValues();
    ApplySettingsFile(file, read, &pages);
    SettingsNumberTexts numbers;
    std::vector<std::string_view> pieces = SettingsFilePieces(read, numbers);
    std::deque<std::string> converted;
    EncodeSettingsPieces(pieces, converted, pages);
    SettingsValues again = DefaultSettingsValues();
    ApplySettingsFile(JoinPieces(pieces), again, &pages);
    if (!(again == read)) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    SettingsValues read = DefaultSettingsValues();
    ApplySettingsFile(file, read);
    SettingsValues again = DefaultSettingsValues();
    ApplySettingsFile(FormatSettingsFile(read), again);
    if (!(again == read)) std::abort();

    ReadWriteRead(file, {kUtf8CodePage, kLatin1, Convert});
    ReadWriteRead(file, {kLatin1, kLatin1, Convert});
    return 0;
}
