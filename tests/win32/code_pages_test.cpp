#include "platform/code_pages.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(CodePages, ConvertExactlyOrNotAtAll) {
    const struct {
        const char* text;
        unsigned from, to;
        std::optional<std::string> converted;
    } cases[] = {
        {"C:\\Caf\xE9.set", 1252, CP_UTF8, "C:\\Caf\xC3\xA9.set"},
        {"C:\\Caf\xC3\xA9.set", CP_UTF8, 1252, "C:\\Caf\xE9.set"},
        {"\xE6\x97\xA5\xE6\x9C\xAC", CP_UTF8, 932, "\x93\xFA\x96\x7B"},
        {"", CP_UTF8, 1252, ""},
        // No look-alike stands in: "Ω" is not "O", nor a full-width backslash "\".
        {"\xCE\xA9", CP_UTF8, 1252, std::nullopt},
        {"a\xEF\xBC\xBC"
         "b",
         CP_UTF8, 1252, std::nullopt},
        // Not UTF-8 at all.
        {"Caf\xE9", CP_UTF8, 1252, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertCodePage(c.text, c.from, c.to), c.converted) << c.text << " " << c.to;
}

} // namespace
