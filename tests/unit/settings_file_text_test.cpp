#include "state/settings_file_text.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "base/utf8.h"
#include "state/settings_file.h"

namespace {

constexpr unsigned kCp1252 = 1252;

// The system's converter between UTF-8 and code page 1252, whose upper half is
// taken here as Latin-1: "é" converts both ways, "Ω" has no place in 1252.
std::optional<std::string> Convert(std::string_view text, unsigned from, unsigned) {
    std::string converted;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            converted += text[i];
        } else if (from == kCp1252) {
            converted += static_cast<char>(0xC0 | byte >> 6);
            converted += static_cast<char>(0x80 | (byte & 0x3F));
        } else if ((byte == 0xC2 || byte == 0xC3) && i + 1 < text.size()) {
            converted += static_cast<char>((byte & 0x03) << 6 | (text[++i] & 0x3F));
        } else {
            return std::nullopt;
        }
    }
    return converted;
}

constexpr TextCodePages kUtf8Program{kUtf8CodePage, kCp1252, Convert};
constexpr TextCodePages kLegacyProgram{kCp1252, kCp1252, Convert};

SettingsValues Read(std::string_view file, const TextCodePages& pages) {
    SettingsValues v = DefaultSettingsValues();
    ApplySettingsFile(file, v, &pages);
    return v;
}

std::string Written(const SettingsValues& v, const TextCodePages& pages) {
    SettingsNumberTexts numbers;
    std::vector<std::string_view> pieces = SettingsFilePieces(v, numbers);
    std::deque<std::string> converted;
    EncodeSettingsPieces(pieces, converted, pages);
    return JoinPieces(pieces);
}

TEST(SettingsFileText, TellsUtf8FromOtherBytes) {
    for (const char* utf8 :
         {"", "C:\\plain.set", "Caf\xC3\xA9", "\xE6\x97\xA5", "\xF0\x9F\x98\x80"})
        EXPECT_TRUE(IsUtf8(utf8)) << utf8;
    // cp1252, overlong forms, a surrogate, past U+10FFFF, cut short, a stray
    // continuation byte.
    for (const char* other : {"Caf\xE9", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                              "\xF4\x90\x80\x80", "\xE6\x97", "\x80", "\xC3\xA9\xC3"})
        EXPECT_FALSE(IsUtf8(other)) << other;
}

TEST(SettingsFileText, ReadsUtf8AsItIsAndLegacyBytesInTheLegacyCodePage) {
    const struct {
        const TextCodePages& pages;
        const char* stored;
        const char* read;
    } cases[] = {
        {kUtf8Program, "C:\\plain.set", "C:\\plain.set"},
        {kUtf8Program, "C:\\Caf\xC3\xA9.set", "C:\\Caf\xC3\xA9.set"},
        {kUtf8Program, "C:\\Caf\xE9.set", "C:\\Caf\xC3\xA9.set"},
        // Older Windows: the program speaks the legacy code page.
        {kLegacyProgram, "C:\\Caf\xC3\xA9.set", "C:\\Caf\xE9.set"},
        {kLegacyProgram, "C:\\Caf\xE9.set", "C:\\Caf\xE9.set"},
        // A name it cannot hold keeps its bytes.
        {kLegacyProgram, "\xCE\xA9.set", "\xCE\xA9.set"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeSettingsText(c.stored, c.pages), c.read) << c.stored;
}

TEST(SettingsFileText, WritesUtf8AndLeavesAsciiFilesByteForByte) {
    EXPECT_EQ(EncodeSettingsText("C:\\Caf\xC3\xA9.set", kUtf8Program), "C:\\Caf\xC3\xA9.set");
    EXPECT_EQ(EncodeSettingsText("C:\\Caf\xE9.set", kLegacyProgram), "C:\\Caf\xC3\xA9.set");
    EXPECT_EQ(EncodeSettingsText("\xCE\xA9.set", kLegacyProgram), "\xCE\xA9.set");

    const SettingsValues defaults = DefaultSettingsValues();
    const std::string ascii = FormatSettingsFile(defaults);
    for (const TextCodePages* pages : {&kUtf8Program, &kLegacyProgram}) {
        EXPECT_EQ(Written(defaults, *pages), ascii);
        EXPECT_EQ(Read(ascii, *pages), defaults);
    }
}

TEST(SettingsFileText, AnOlderFileKeepsItsSetPathAndNothingIsLost) {
    const SettingsValues v = Read("ClockStyle: HHMM (24hr)\r\n"
                                  "CharacterSet: C:\\Caf\xE9.set\r"
                                  "SlowdownFactor: 9\x1a\xFF",
                                  kUtf8Program);
    EXPECT_EQ(v.ClockStyle, "HHMM (24hr)");
    EXPECT_EQ(v.CharacterSet, "C:\\Caf\xC3\xA9.set");
    EXPECT_EQ(v.SlowdownFactor, 9);

    // Older Windows writes back unchanged what it cannot hold.
    const SettingsValues newer =
        Read("CharacterSet: \xCE\xA9.set\r\nClockStyle: Caf\xC3\xA9\r\n", kLegacyProgram);
    EXPECT_EQ(newer.ClockStyle, "Caf\xE9");
    const std::string written = Written(newer, kLegacyProgram);
    EXPECT_NE(written.find("\r\nCharacterSet: \xCE\xA9.set\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("\r\nClockStyle: Caf\xC3\xA9\r\n"), std::string::npos) << written;
}

} // namespace
