#include "clock/time_text.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeText, FormatsEveryStyleAcrossTheDay) {
    const struct {
        int hour, minute;
        const char* expected[6];  // in the order of kClockStyles
    } rows[] = {
        {0, 5, {"12:05 AM", "12:05", "1205 AM", "1205", "0:05", "005"}},
        {9, 5, {"9:05 AM", "9:05", "905 AM", "905", "9:05", "905"}},
        {12, 30, {"12:30 PM", "12:30", "1230 PM", "1230", "12:30", "1230"}},
        {13, 5, {"1:05 PM", "1:05", "105 PM", "105", "13:05", "1305"}},
        {23, 59, {"11:59 PM", "11:59", "1159 PM", "1159", "23:59", "2359"}},
        {12, 0, {"12:00 PM", "12:00", "1200 PM", "1200", "12:00", "1200"}},
        {0, 0, {"12:00 AM", "12:00", "1200 AM", "1200", "0:00", "000"}},
        {11, 10, {"11:10 AM", "11:10", "1110 AM", "1110", "11:10", "1110"}},
    };
    for (const auto& row : rows)
        for (int s = 0; s < 6; ++s)
            EXPECT_EQ(FormatClockTime(kClockStyles[s], row.hour, row.minute), row.expected[s])
                << kClockStyles[s] << " at " << row.hour << ":" << row.minute;
}

TEST(TimeText, AnUnknownStyleGivesNothing) {
    EXPECT_EQ(FormatClockTime("hh:mm (12hr)", 9, 5), "");
    EXPECT_EQ(FormatClockTime("HH:MM  (12hr)", 9, 5), "");
    EXPECT_EQ(FormatClockTime("HH:MM (12hr) ", 9, 5), "");
    EXPECT_EQ(FormatClockTime("", 9, 5), "");
}

}  // namespace
