#include "base/line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(std::string_view bytes) {
    std::vector<std::string> lines;
    LineReader reader(bytes);
    std::string_view line;
    while (reader.Next(line)) lines.emplace_back(line);
    return lines;
}

using V = std::vector<std::string>;

TEST(LineReader, SplitsAtCrAndTakesTheLfAfterIt) {
    EXPECT_EQ(Lines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(Lines("a\rb\r"), (V{"a", "b"}));
    EXPECT_EQ(Lines("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(Lines("\r\n"), (V{""}));
    EXPECT_EQ(Lines("a\r\r\nb"), (V{"a", "", "b"}));
}

TEST(LineReader, KeepsALoneLfInTheText) {
    EXPECT_EQ(Lines("a\nb\nc\n"), (V{"a\nb\nc\n"}));
    EXPECT_EQ(Lines("a\n\rb"), (V{"a\n", "b"}));
    EXPECT_EQ(Lines("\n"), (V{"\n"}));
}

TEST(LineReader, CountsALastLineWithoutCr) {
    EXPECT_EQ(Lines("only"), (V{"only"}));
    EXPECT_EQ(Lines("a\r\nlast"), (V{"a", "last"}));
    EXPECT_EQ(Lines(""), V{});
}

TEST(LineReader, StopsAtCtrlZ) {
    EXPECT_EQ(Lines(std::string("a\r\nb\x1a\r\nc\r\n")), (V{"a", "b"}));
    EXPECT_EQ(Lines(std::string("\x1a" "abc")), V{});
    EXPECT_EQ(Lines(std::string("a\r\n\x1a")), (V{"a"}));
}

TEST(LineReader, KeepsEveryOtherByte) {
    const std::string binary("\0\t\xff\x80 ", 5);
    EXPECT_EQ(Lines(binary + "\r\n" + binary), (V{binary, binary}));
}

}  // namespace
