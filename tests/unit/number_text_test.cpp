#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(NumberText, ReadsWholeNumbersTheWaySettingsAreStored) {
    const struct {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {"2.5", 2},      {"3.5", 4},        {"-2.5", -2},     {"-3.5", -4},   {"0.5", 0},
        {"1.5", 2},      {"350.9abc", 351}, {"&H1F4", 500},   {"&h1f4", 500}, {"3e2", 300},
        {"3E2", 300},    {"3d2", 300},      {"3D+2", 300},    {"25e-1", 2},   {"abc", 0},
        {"", 0},         {"-", 0},          {".", 0},         {"-.", 0},      {"+7", 7},
        {".5", 0},       {".51", 1},        {"5.", 5},        {"0", 0},       {"-0", 0},
        {"-7", -7},      {"5000", 5000},    {"&B101", 5},     {"&O17", 15},   {"&Q17", 15},
        {"&17", 15},     {"&18", 1},        {"&", 0},         {"&H", 0},      {"&Hxyz", 0},
        {"1e", 1},       {"1e+", 1},        {"1ex", 1},       {"1.2.3", 1},   {"12 34", 12},
        {"- 5", 0},      {"+-5", 0},        {"007", 7},       {"0.0049e3", 5}, {"1,5", 1},
        {" \t\n 42", 42}, {"\r42", 0},      {"\v42", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseWholeNumber(c.text), c.expected) << c.text;
}

TEST(NumberText, KeepsTheFractionWhenAskedWithoutRounding) {
    EXPECT_DOUBLE_EQ(ParseNumber("400.5"), 400.5);
    EXPECT_DOUBLE_EQ(ParseNumber("323.0"), 323.0);
    EXPECT_DOUBLE_EQ(ParseNumber("-0.125x"), -0.125);
    EXPECT_DOUBLE_EQ(ParseNumber("1.25e1"), 12.5);
    EXPECT_DOUBLE_EQ(ParseNumber("0.000000000000000000000000000001234e30"), 1.234);
}

TEST(NumberText, SaturatesValuesBeyondThirtyTwoBits) {
    EXPECT_EQ(ParseWholeNumber("2147483647"), kMax);
    EXPECT_EQ(ParseWholeNumber("2147483648"), kMax);
    EXPECT_EQ(ParseWholeNumber("99999999999"), kMax);
    EXPECT_EQ(ParseWholeNumber("-2147483648"), kMin);
    EXPECT_EQ(ParseWholeNumber("-99999999999"), kMin);
    EXPECT_EQ(ParseWholeNumber("&HFFFFFFFFFF"), kMax);
    EXPECT_EQ(ParseWholeNumber("1e400"), kMax);
    EXPECT_EQ(ParseWholeNumber("-1e400"), kMin);
    EXPECT_EQ(ParseWholeNumber("1e-400"), 0);
    EXPECT_EQ(ParseWholeNumber("1e99999999999999999999"), kMax);
    EXPECT_EQ(ParseWholeNumber(std::string(400, '9')), kMax);
    EXPECT_EQ(ParseWholeNumber("-" + std::string(400, '9')), kMin);
    EXPECT_EQ(ParseWholeNumber("&H" + std::string(400, 'F')), kMax);
    EXPECT_TRUE(std::isinf(ParseNumber(std::string(400, '9'))));
}

TEST(NumberText, ReadsLongDigitStringsExactlyWhereADoubleCan) {
    // Many leading zeros and trailing digits do not shift the value.
    EXPECT_EQ(ParseWholeNumber(std::string(1000, '0') + "42"), 42);
    EXPECT_DOUBLE_EQ(ParseNumber("12." + std::string(1000, '0') + "1"), 12.0);
    EXPECT_DOUBLE_EQ(ParseNumber("0." + std::string(300, '0') + "5e301"), 5.0);
    EXPECT_EQ(ParseWholeNumber("1" + std::string(30, '0') + "e-30"), 1);
}

TEST(NumberText, RoundsHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999999), 2);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3);
    EXPECT_EQ(RoundHalfEven(368.127), 368);
    EXPECT_EQ(RoundHalfEven(367.978), 368);
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
    EXPECT_EQ(RoundHalfEven(2147483646.5), 2147483646);
    EXPECT_EQ(RoundHalfEven(2147483647.4), kMax);
    EXPECT_EQ(RoundHalfEven(-2147483648.4), kMin);
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::infinity()), kMax);
}

TEST(NumberText, FormatsPlainDecimal) {
    EXPECT_EQ(FormatNumber(0), "0");
    EXPECT_EQ(FormatNumber(50), "50");
    EXPECT_EQ(FormatNumber(-1), "-1");
    EXPECT_EQ(FormatNumber(kMin), "-2147483648");
}

}  // namespace
