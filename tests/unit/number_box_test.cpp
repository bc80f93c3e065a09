#include "app/number_box.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr NumberRange kHeight{50, 800};
constexpr NumberRange kSlowdown{1, 200};
constexpr NumberRange kAcceleration{1, 10};

TEST(NumberBox, ValuesAreRoundedHalfToEvenAndBroughtIntoTheRange) {
    EXPECT_EQ(NumberBoxValue("10", 323, kHeight), 50);
    EXPECT_EQ(NumberBoxValue("9999", 323, kHeight), 800);
    EXPECT_EQ(NumberBoxValue("99999999999", 323, kHeight), 800); // past 32 bits
    EXPECT_EQ(NumberBoxValue("-99999999999", 323, kHeight), 50);
    EXPECT_EQ(NumberBoxValue("1e400", 323, kHeight), 800); // past a double, too
    EXPECT_EQ(NumberBoxValue("400.5", 323, kHeight), 400);
    EXPECT_EQ(NumberBoxValue("401.5", 323, kHeight), 402);
    EXPECT_EQ(NumberBoxValue("  &H1F4", 323, kHeight), 500);
    EXPECT_EQ(NumberBoxValue("350.9abc", 323, kHeight), 351);

    EXPECT_EQ(NumberBoxValue("0", 5, kSlowdown), 1);
    EXPECT_EQ(NumberBoxValue("500", 5, kSlowdown), 200);
    EXPECT_EQ(NumberBoxValue("0", 2, kAcceleration), 1);
    EXPECT_EQ(NumberBoxValue("11", 2, kAcceleration), 10);
    EXPECT_EQ(NumberBoxValue("10", 2, kAcceleration), 10);
}

TEST(NumberBox, TextThatIsNoNumberCountsAsZero) {
    EXPECT_EQ(NumberBoxValue("abc", 323, kHeight), 50);
    EXPECT_EQ(NumberBoxValue("", 323, kHeight), 50);
    EXPECT_EQ(NumberBoxValue("", 5, kSlowdown), 1);
    // ...unless the setting is 0 already (read from a hand-edited file): then
    // nothing changes and nothing is written.
    EXPECT_EQ(NumberBoxValue("abc", 0, kHeight), std::nullopt);
}

TEST(NumberBox, TheCurrentValueChangesNothingHoweverItIsWritten) {
    EXPECT_EQ(NumberBoxValue("323", 323, kHeight), std::nullopt);
    EXPECT_EQ(NumberBoxValue("323.0", 323, kHeight), std::nullopt);
    EXPECT_EQ(NumberBoxValue(" 3.23e2xyz", 323, kHeight), std::nullopt);
    // Compared before rounding: 323.4 is a change, although it rounds to 323.
    EXPECT_EQ(NumberBoxValue("323.4", 323, kHeight), 323);
    // A value outside the range that the file put there stays while unchanged...
    EXPECT_EQ(NumberBoxValue("5000", 5000, kHeight), std::nullopt);
    // ...and is brought into the range as soon as anything else is typed.
    EXPECT_EQ(NumberBoxValue("5001", 5000, kHeight), 800);
}

} // namespace
