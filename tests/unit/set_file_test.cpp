#include "charset/set_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "charset/glyph_fields.h"

namespace {

std::string Lines(int count, std::string_view end = "\r\n") {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += "1," + std::to_string(i) + std::string(end);
    return bytes;
}

TEST(SetFile, ReadsTheFirstThirteenLinesAndEmptiesMissingOnes) {
    const GlyphTexts five = ParseSetFile(Lines(5));
    for (int s = 0; s < 5; ++s)
        EXPECT_EQ(five[s], "1," + std::to_string(s));
    for (int s = 5; s < kGlyphSlotCount; ++s)
        EXPECT_EQ(five[s], "") << s;

    const GlyphTexts twenty = ParseSetFile(Lines(20));
    EXPECT_EQ(twenty[12], "1,12");
    EXPECT_EQ(FormatSetFile(twenty), Lines(13));

    EXPECT_EQ(ParseSetFile(""), GlyphTexts{});
    // A last line without its line end still counts.
    EXPECT_EQ(ParseSetFile("1,2\r\n3,4")[1], "3,4");
}

TEST(SetFile, FollowsTheLineRulesOfTheProgram) {
    // LF alone does not end a line: the whole content lands in slot 0.
    const std::string lfOnly = Lines(13, "\n");
    const GlyphTexts lf = ParseSetFile(lfOnly);
    EXPECT_EQ(lf[0], lfOnly);
    EXPECT_EQ(std::count(lf.begin(), lf.end(), ""), 12);

    // CR alone does end one.
    EXPECT_EQ(ParseSetFile(Lines(13, "\r")), ParseSetFile(Lines(13)));

    // Ctrl-Z ends the file, even in the middle of a line.
    const GlyphTexts z = ParseSetFile("1,2\r\n3,\x1a"
                                      "4\r\n5,6\r\n");
    EXPECT_EQ(z[0], "1,2");
    EXPECT_EQ(z[1], "3,");
    EXPECT_EQ(z[2], "");
}

TEST(SetFile, KeepsEveryTextByteForByte) {
    const std::string odd("  7 ,\t8,, \"a,b\" ,\0\xff\x80 ", 20);
    const GlyphTexts texts = ParseSetFile(odd + "\r\n   \r\n");
    EXPECT_EQ(texts[0], odd);
    EXPECT_EQ(texts[1], "   ");
    EXPECT_EQ(ParseSetFile(FormatSetFile(texts)), texts);
}

TEST(SetFile, WritesThirteenLinesEachWithCrLf) {
    std::string emptySet;
    for (int i = 0; i < 13; ++i)
        emptySet += "\r\n";
    EXPECT_EQ(FormatSetFile(GlyphTexts{}), emptySet); // 26 bytes
    EXPECT_EQ(ParseSetFile(emptySet), GlyphTexts{});

    GlyphTexts texts;
    texts[0] = "107,29, 105,29, 101,29";
    texts[7] = "1,2";
    texts[12] = "-3,4";
    const std::string bytes = FormatSetFile(texts);
    EXPECT_EQ(bytes,
              "107,29, 105,29, 101,29\r\n\r\n\r\n\r\n\r\n\r\n\r\n1,2\r\n\r\n\r\n\r\n\r\n-3,4\r\n");
    EXPECT_EQ(ParseSetFile(bytes), texts);
}

TEST(SetFile, CountsLoadedSlotsAndPoints) {
    GlyphTexts texts;
    EXPECT_EQ(CountSetFigures(texts).slots, 0);
    texts[0] = "1,2, 3,4, "; // a trailing comma: five fields, two points
    texts[1] = "   ";        // blanks only: kept, but not a loaded slot
    texts[2] = "\t";         // a tab is not a blank: loaded, with no point
    texts[3] = "5,6,7";      // a dangling x is no point
    texts[12] = std::string(1000, ',');
    const SetFigures figures = CountSetFigures(texts);
    EXPECT_EQ(figures.slots, 4);
    EXPECT_EQ(figures.points, 2 + 0 + 1 + 500);
}

TEST(SetFile, HostileContentReadsInLinearTime) {
    // Megabyte lines, no CR at all, binary bytes, endless numbers: all of it is
    // read, none of it rejected, and a quadratic reader would not finish here.
    std::string huge;
    for (int i = 0; i < 1'000'000; ++i)
        huge += "12,34, ";
    huge += std::string(300, '9') + "," + std::string(1'000'000, '"') + "\x01\xfe\n,NaN,&H";
    const GlyphTexts texts = ParseSetFile(huge);
    EXPECT_EQ(texts[0], huge);
    const SetFigures figures = CountSetFigures(texts);
    EXPECT_EQ(figures.slots, 1);
    EXPECT_EQ(figures.points, PointCount(huge));
    EXPECT_GT(figures.points, 1'000'000);
}

// A set file as committed: its bytes and its texts.
struct SetOnDisk {
    std::string bytes;
    GlyphTexts texts;
};

SetOnDisk ReadSet(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    SetOnDisk s{{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}, {}};
    s.texts = ParseSetFile(s.bytes);
    return s;
}

const SetOnDisk& ReadBuiltInSet() {
    static const SetOnDisk set = ReadSet(SPINDRIFT_SOURCE_DIR "/resources/default.set");
    return set;
}

// Where a set's points lie, and how many repeat the point before them (pauses).
struct SetExtent {
    int repeats = 0;
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
};

SetExtent MeasureSet(const GlyphTexts& texts) {
    SetExtent e;
    for (int s = 0; s < kGlyphSlotCount; ++s) {
        GlyphFieldReader fields(texts[s]);
        double x = 0, y = 0, lastX = 0, lastY = 0;
        for (int j = 0; fields.Next(x) && fields.Next(y); ++j) {
            if (j > 0 && x == lastX && y == lastY) ++e.repeats;
            lastX = x;
            lastY = y;
            e.minX = std::min(e.minX, x);
            e.maxX = std::max(e.maxX, x);
            e.minY = std::min(e.minY, y);
            e.maxY = std::max(e.maxY, y);
        }
    }
    return e;
}

// "x,y" pairs joined by ", ": plain decimal, no plus sign, no leading zeros.
bool InWriterSyntax(std::string_view line) {
    auto number = [&](std::size_t& i) {
        if (i < line.size() && line[i] == '-') ++i;
        const std::size_t first = i;
        while (i < line.size() && line[i] >= '0' && line[i] <= '9')
            ++i;
        return i > first && (line[first] != '0' || i == first + 1);
    };
    std::size_t i = 0;
    for (;;) {
        if (!number(i) || i >= line.size() || line[i++] != ',' || !number(i)) return false;
        if (i == line.size()) return true;
        if (line.substr(i, 2) != ", ") return false;
        i += 2;
    }
}

TEST(BuiltInSet, IsACompleteSetFileInTheWritersSyntax) {
    const SetOnDisk& set = ReadBuiltInSet();
    ASSERT_EQ(set.bytes.size(), 8766u);
    EXPECT_EQ(FormatSetFile(set.texts), set.bytes); // 13 lines, CR LF each, nothing after
    for (int s = 0; s < kGlyphSlotCount; ++s)
        EXPECT_TRUE(InWriterSyntax(set.texts[s])) << "slot " << s;
}

TEST(BuiltInSet, HasTheShapeOfTheHandwriting) {
    const GlyphTexts& texts = ReadBuiltInSet().texts;
    const SetFigures figures = CountSetFigures(texts);
    EXPECT_EQ(figures.slots, 13);
    EXPECT_EQ(figures.points, 1049);

    const std::int64_t perSlot[kGlyphSlotCount] = {95, 39, 61, 67, 78,  73, 60,
                                                   37, 84, 80, 92, 141, 142};
    for (int s = 0; s < kGlyphSlotCount; ++s)
        EXPECT_EQ(PointCount(texts[s]), perSlot[s]) << "slot " << s;
    const SetExtent e = MeasureSet(texts);
    EXPECT_EQ(e.repeats, 213);
    // Inside the 230 x 323 cell, within the margins the clock expects.
    EXPECT_GE(e.minX, 11);
    EXPECT_LE(e.maxX, 204);
    EXPECT_GE(e.minY, 25);
    EXPECT_LE(e.maxY, 308);
}

// The hands shipped beside the program, read as "Browse" reads them: each a
// complete set in the writer's syntax, inside the cell, with a hand's pauses.
TEST(ShippedSets, AreCompleteHandsInsideTheCell) {
    const struct {
        const char* name;
        std::int32_t points;
        int repeats;
    } hands[] = {
        {"quick.set", 577, 65},
        {"round.set", 1304, 211},
        {"narrow.set", 883, 136},
        {"writer3-broad.set", 976, 206},
        {"writer4-rounded.set", 917, 131},
        {"writer7-upright.set", 1122, 181},
    };
    for (const auto& hand : hands) {
        const SetOnDisk set = ReadSet(std::string(SPINDRIFT_SOURCE_DIR "/sets/") + hand.name);
        EXPECT_EQ(FormatSetFile(set.texts), set.bytes) << hand.name;
        for (int s = 0; s < kGlyphSlotCount; ++s)
            EXPECT_TRUE(InWriterSyntax(set.texts[s])) << hand.name << " slot " << s;
        const SetFigures figures = CountSetFigures(set.texts);
        EXPECT_EQ(figures.slots, 13) << hand.name;
        EXPECT_EQ(figures.points, hand.points) << hand.name;
        const SetExtent e = MeasureSet(set.texts);
        EXPECT_EQ(e.repeats, hand.repeats) << hand.name;
        EXPECT_GE(e.minX, 0) << hand.name;
        EXPECT_LE(e.maxX, 229) << hand.name;
        EXPECT_GE(e.minY, 0) << hand.name;
        EXPECT_LE(e.maxY, 322) << hand.name;
    }
}

} // namespace
