#include "state/settings_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

SettingsValues Read(std::string_view file) {
    SettingsValues v = DefaultSettingsValues();
    ApplySettingsFile(file, v);
    return v;
}

TEST(SettingsFile, WritesTheDefaultsByteForByte) {
    EXPECT_EQ(FormatSettingsFile(DefaultSettingsValues()),
              "TrailsColor: 0\r\n"
              "ClockStyle: HH:MM (12hr)\r\n"
              "ShortcutKeyModifiers: Ctrl\r\n"
              "ShortcutKey: T\r\n"
              "CharacterSet: Default.set\r\n"
              "MaxPixelHeight: 323\r\n"
              "LeaveMouseTrails: 0\r\n"
              "SlowdownFactor: 5\r\n"
              "AccelerationFactor: 2\r\n");
}

TEST(SettingsFile, WritesNumbersWithoutPaddingAndTextsUnchanged) {
    SettingsValues v = DefaultSettingsValues();
    v.MaxPixelHeight = 50;
    v.TrailsColor = -1;
    v.ClockStyle = " odd:text\twith bytes \xe9 ";
    const std::string file = FormatSettingsFile(v);
    EXPECT_NE(file.find("\r\nMaxPixelHeight: 50\r\n"), std::string::npos);
    EXPECT_EQ(file.rfind("TrailsColor: -1\r\n", 0), 0u);
    EXPECT_NE(file.find("\r\nClockStyle:  odd:text\twith bytes \xe9 \r\n"), std::string::npos);
}

TEST(SettingsFile, RoundTripsEveryValue) {
    SettingsValues v;
    v.TrailsColor = 0x00FF8040;
    v.ClockStyle = "HHMM (24hr)";
    v.ShortcutKeyModifiers = "Ctrl+Alt";
    v.ShortcutKey = "F12";
    v.CharacterSet = "C:\\Sets\\my:odd.set";
    v.MaxPixelHeight = -7;
    v.LeaveMouseTrails = 7;
    v.SlowdownFactor = 200;
    v.AccelerationFactor = 10;
    EXPECT_EQ(Read(FormatSettingsFile(v)), v);
    // Text values keep inner blanks; outer blanks do not survive trimming.
    v.ClockStyle = "a  b";
    EXPECT_EQ(Read(FormatSettingsFile(v)).ClockStyle, "a  b");
}

TEST(SettingsFile, MissingLinesKeepWhatWasThere) {
    EXPECT_EQ(Read(""), DefaultSettingsValues());
    SettingsValues expected = DefaultSettingsValues();
    expected.SlowdownFactor = 12;
    EXPECT_EQ(Read("SlowdownFactor: 12"), expected);
}

TEST(SettingsFile, MatchesKeysWhateverTheirCaseAndBlanks) {
    EXPECT_EQ(Read("  CLOCKSTYLE :HH:MM (24hr)  \r\n").ClockStyle, "HH:MM (24hr)");
    EXPECT_EQ(Read("\tclockstyle: HH:MM (24hr)\r\n").ClockStyle, "HH:MM (12hr)");
    EXPECT_EQ(Read("clock style: x\r\n").ClockStyle, "HH:MM (12hr)");
    EXPECT_EQ(Read("sHoRtCuTkEy: Q1\r\n").ShortcutKey, "Q1");
}

TEST(SettingsFile, SkipsLinesWithAnEmptyValue) {
    EXPECT_EQ(Read("ClockStyle:\r\n").ClockStyle, "HH:MM (12hr)");
    EXPECT_EQ(Read("ClockStyle:    \r\n").ClockStyle, "HH:MM (12hr)");
    EXPECT_EQ(Read("MaxPixelHeight: \r\n").MaxPixelHeight, 323);
}

TEST(SettingsFile, ALineWithoutAColonIsBothKeyAndValue) {
    EXPECT_EQ(Read("clockstyle").ClockStyle, "clockstyle");
    EXPECT_EQ(Read("CharacterSet: C:\\Sets\\my:odd.set").CharacterSet, "C:\\Sets\\my:odd.set");
}

TEST(SettingsFile, ReadsNumbersWithoutRangeChecks) {
    const struct {
        const char* value;
        int expected;
    } cases[] = {{"0", 0},     {"-7", -7},   {"5000", 5000}, {"2.5", 2},  {"3.5", 4},
                 {"350.9abc", 351}, {"&H1F4", 500}, {"3e2", 300}, {"abc", 0},
                 {"99999999999", 2147483647}};
    for (const auto& c : cases)
        EXPECT_EQ(Read(std::string("MaxPixelHeight: ") + c.value).MaxPixelHeight, c.expected)
            << c.value;
    EXPECT_EQ(Read("TrailsColor: -1").TrailsColor, -1);
    EXPECT_EQ(Read("LeaveMouseTrails: 7").LeaveMouseTrails, 7);
}

TEST(SettingsFile, TheLaterOfTwoLinesWins) {
    EXPECT_EQ(Read("ShortcutKey: A\r\nShortcutKey: B\r\n").ShortcutKey, "B");
    EXPECT_EQ(Read("slowdownfactor: 9\r\nSLOWDOWNFACTOR: 3").SlowdownFactor, 3);
}

TEST(SettingsFile, ReadsAnLfOnlyFileAsOneLine) {
    const SettingsValues v = Read("MaxPixelHeight: 100\nSlowdownFactor: 9\nClockStyle: x\n");
    EXPECT_EQ(v.MaxPixelHeight, 100);  // the number stops at the first LF
    EXPECT_EQ(v.SlowdownFactor, 5);
    EXPECT_EQ(v.ClockStyle, "HH:MM (12hr)");
    const SettingsValues text = Read("ClockStyle: HHMM (24hr)\nShortcutKey: A\n");
    EXPECT_EQ(text.ClockStyle, "HHMM (24hr)\nShortcutKey: A\n");
}

TEST(SettingsFile, StopsAtCtrlZAndIgnoresGarbage) {
    EXPECT_EQ(Read(std::string("SlowdownFactor: 7\r\n\x1aSlowdownFactor: 8\r\n")).SlowdownFactor, 7);
    const std::string garbage("\0\xff\r\n:::\r\n:\r\n\x80\x81: 5\r\n", 17);
    EXPECT_EQ(Read(garbage), DefaultSettingsValues());
}

}  // namespace
