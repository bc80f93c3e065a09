#include "charset/glyph_fields.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace {

using V = std::vector<double>;

TEST(GlyphFields, CountsCommasPlusOne) {
    EXPECT_EQ(FieldCount(""), 1);
    EXPECT_EQ(PointCount(""), 0);
    EXPECT_EQ(FieldCount("107,29, 105,29, 101,29"), 6);
    EXPECT_EQ(PointCount("107,29, 105,29, 101,29"), 3);
    // Two points followed by a comma and a blank.
    EXPECT_EQ(FieldCount("1,2, 3,4, "), 5);
    EXPECT_EQ(PointCount("1,2, 3,4, "), 2);
    EXPECT_EQ(FieldCount(",,,"), 4);
    EXPECT_EQ(FieldCount("   "), 1);
}

TEST(GlyphFields, AQuotedFieldHidesItsCommas) {
    EXPECT_EQ(FieldCount("\"a,b\",5"), 2);
    EXPECT_EQ(GlyphFields("\"a,b\",5"), (V{0, 5}));
    EXPECT_EQ(FieldCount("  \"1,2,3\" ,4"), 2);
    // A quote that is not at a field's start is an ordinary byte.
    EXPECT_EQ(FieldCount("1\"2,3\",4"), 3);
    // An unclosed quote runs to the end of the text.
    EXPECT_EQ(FieldCount("1, \"2,3,4"), 2);
    // Text after the closing quote still belongs to the field.
    EXPECT_EQ(FieldCount("\"x\"y,z,1"), 3);
    // Only blanks are skipped before the quote: after a tab it is an ordinary byte.
    EXPECT_EQ(FieldCount("\t\"a,b\""), 2);
}

TEST(GlyphFields, TheReaderGivesEachFieldFromItsFirstNonBlank) {
    std::vector<std::string> fields;
    GlyphFieldReader reader(" 3, \"4,5\" ,6 ,,\t x");
    for (std::string_view field; reader.NextField(field);) fields.emplace_back(field);
    EXPECT_EQ(fields, (std::vector<std::string>{"3", "\"4,5\" ", "6 ", "", "\t x"}));
    std::string_view after;
    EXPECT_FALSE(reader.NextField(after));
}

TEST(GlyphFields, ReadsNumbersAndZeroForAnythingElse) {
    EXPECT_EQ(GlyphFields("12,34, 13,36"), (V{12, 34, 13, 36}));
    EXPECT_EQ(GlyphFields(" -5 ,\t7,\n8, x9, 1.5e1, &H10"), (V{-5, 7, 8, 0, 15, 16}));
    EXPECT_EQ(GlyphFields("1,"), (V{1, 0}));
    EXPECT_EQ(GlyphFields("NaN,inf,-inf"), (V{0, 0, 0}));
    EXPECT_DOUBLE_EQ(FieldValue("1,2.75,3", 2), 2.75);
}

TEST(GlyphFields, AFieldPastTheEndReadsZero) {
    EXPECT_EQ(FieldValue("7,8,9", 3), 9);
    EXPECT_EQ(FieldValue("7,8,9", 4), 0);
    EXPECT_EQ(FieldValue("7,8,9", 0), 0);
    EXPECT_EQ(FieldValue("7,8,9", -1), 0);
    EXPECT_EQ(FieldValue("", 1), 0);
}

TEST(GlyphFields, TheReaderAndTheRandomAccessRulesAgree) {
    const std::string text = " 3, \"4,5\",6 ,, -7.5,abc,  8";
    const V all = GlyphFields(text);
    ASSERT_EQ(static_cast<std::int64_t>(all.size()), FieldCount(text));
    for (std::size_t k = 0; k < all.size(); ++k)
        EXPECT_EQ(FieldValue(text, static_cast<std::int64_t>(k) + 1), all[k]) << k;
}

TEST(GlyphFields, HugeAndHostileTextsReadInOnePass) {
    std::string many;
    for (int i = 0; i < 200000; ++i) many += "123,45, ";
    EXPECT_EQ(FieldCount(many), 400001);
    EXPECT_EQ(PointCount(many), 200000);
    const std::string digits(100000, '9');
    EXPECT_TRUE(std::isinf(GlyphFields(digits + "," + digits)[1]));
    const std::string binary("\0\xff\x01,\x80", 5);
    EXPECT_EQ(GlyphFields(binary), (V{0, 0}));
}

}  // namespace
