#include "app/settings_file_text.h"

#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "base/utf8.h"

namespace {

constexpr unsigned kCp1252 = 1252;

// The system's converter, for the letters below: ASCII and "é" convert between
// code page 1252 and UTF-8; "Ω" has no place in code page 1252.
std::optional<std::string> Convert(std::string_view text, unsigned from, unsigned to) {
    const std::string_view e = from == kCp1252 ? "\xE9" : "\xC3\xA9";
    const std::string_view eTo = to == kCp1252 ? "\xE9" : "\xC3\xA9";
    std::string converted;
    while (!text.empty()) {
        if (text.starts_with(e)) {
            converted += eTo;
            text.remove_prefix(e.size());
        } else if (static_cast<unsigned char>(text[0]) < 0x80) {
            converted += text[0];
            text.remove_prefix(1);
        } else {
            return std::nullopt;
        }
    }
    return converted;
}

constexpr TextCodePages kUtf8Program{kUtf8CodePage, kCp1252, Convert};
constexpr TextCodePages kLegacyProgram{kCp1252, kCp1252, Convert};

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
        std::optional<std::string> read;
    } cases[] = {
        {kUtf8Program, "C:\\plain.set", "C:\\plain.set"},
        {kUtf8Program, "C:\\Caf\xC3\xA9.set", "C:\\Caf\xC3\xA9.set"},
        {kUtf8Program, "C:\\Caf\xE9.set", "C:\\Caf\xC3\xA9.set"},
        // Older Windows: the program speaks the legacy code page.
        {kLegacyProgram, "C:\\Caf\xC3\xA9.set", "C:\\Caf\xE9.set"},
        {kLegacyProgram, "C:\\Caf\xE9.set", "C:\\Caf\xE9.set"},
        {kLegacyProgram, "\xCE\xA9", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeSettingsText(c.stored, c.pages), c.read) << c.stored;
}

TEST(SettingsFileText, WritesUtf8AndLeavesAsciiFilesByteForByte) {
    EXPECT_EQ(EncodeSettingsText("C:\\Caf\xC3\xA9.set", kUtf8Program), "C:\\Caf\xC3\xA9.set");
    EXPECT_EQ(EncodeSettingsText("C:\\Caf\xE9.set", kLegacyProgram), "C:\\Caf\xC3\xA9.set");

    const std::string ascii = FormatSettingsFile(DefaultSettingsValues());
    for (const TextCodePages* pages : {&kUtf8Program, &kLegacyProgram}) {
        EXPECT_EQ(EncodeSettingsFile(ascii, *pages), ascii);
        EXPECT_EQ(DecodeSettingsFile(ascii, *pages), ascii);
    }
}

TEST(SettingsFileText, AnOlderFileKeepsItsSetPathAndLosesOnlyWhatCannotBeHeld) {
    SettingsValues v = DefaultSettingsValues();
    ApplySettingsFile(DecodeSettingsFile("ClockStyle: HHMM (24hr)\r\n"
                                         "CharacterSet: C:\\Caf\xE9.set\r"
                                         "SlowdownFactor: 9\x1a\xFF",
                                         kUtf8Program),
                      v);
    EXPECT_EQ(v.ClockStyle, "HHMM (24hr)");
    EXPECT_EQ(v.CharacterSet, "C:\\Caf\xC3\xA9.set");
    EXPECT_EQ(v.SlowdownFactor, 9);

    v = DefaultSettingsValues();
    ApplySettingsFile(
        DecodeSettingsFile("CharacterSet: \xCE\xA9.set\r\nSlowdownFactor: 9\r\n", kLegacyProgram),
        v);
    EXPECT_EQ(v.CharacterSet, "Default.set");
    EXPECT_EQ(v.SlowdownFactor, 9);
}

} // namespace
