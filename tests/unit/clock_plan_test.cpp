#include "clock/clock_plan.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "clock/time_text.h"

namespace {

using Points = std::vector<ScreenPoint>;

std::string Slots(std::string_view drawn) {
    std::string slots;
    for (char c : drawn)
        slots += std::to_string(SlotForCharacter(c)) + " ";
    return slots;
}

TEST(ClockPlan, DrawnTextDropsBlanksAndM) {
    EXPECT_EQ(DrawnText("12:05 PM"), "12:05P");
    EXPECT_EQ(DrawnText("105 AM"), "105A");
    EXPECT_EQ(DrawnText(""), "");
    const std::string style = kClockStyles[0];  // "HH:MM AM (12hr)"
    EXPECT_EQ(DrawnText(FormatClockTime(style, 12, 0)), "12:00P");
    EXPECT_EQ(DrawnText(FormatClockTime(style, 0, 0)), "12:00A");
    EXPECT_EQ(Slots(DrawnText(FormatClockTime(style, 12, 0))), "1 2 10 0 0 12 ");
    EXPECT_EQ(Slots(DrawnText(FormatClockTime(style, 0, 0))), "1 2 10 0 0 11 ");
}

TEST(ClockPlan, CharactersMapToTheirSlots) {
    for (char digit = '0'; digit <= '9'; ++digit)
        EXPECT_EQ(SlotForCharacter(digit), digit - '0');
    EXPECT_EQ(SlotForCharacter(':'), 10);
    EXPECT_EQ(SlotForCharacter('A'), 11);
    EXPECT_EQ(SlotForCharacter('P'), 12);
    EXPECT_EQ(SlotForCharacter('M'), -1);
    EXPECT_EQ(SlotForCharacter('a'), -1);
    EXPECT_EQ(SlotForCharacter(' '), -1);
}

TEST(ClockPlan, LayoutScalesTheCellToTheChosenHeight) {
    const ClockLayout unit = ComputeClockLayout(4, 323, 1920, 1040);
    EXPECT_EQ(unit.Scale, 1.0);
    EXPECT_EQ(unit.CellWidth, 230);
    EXPECT_EQ(unit.CellHeight, 323);
    EXPECT_EQ(unit.TotalHeight, 323);

    EXPECT_EQ(ComputeClockLayout(1, 100, 0, 0).CellWidth, 71);   // 71.21
    EXPECT_EQ(ComputeClockLayout(1, 50, 0, 0).CellWidth, 36);    // 35.60
    EXPECT_EQ(ComputeClockLayout(1, 800, 0, 0).CellWidth, 570);  // 569.66
    EXPECT_DOUBLE_EQ(ComputeClockLayout(1, 100, 0, 0).Scale, 100.0 / 323);
}

TEST(ClockPlan, LayoutCentresTheRowWithTruncatingHalves) {
    // 9:05 in the morning, default style: 9 : 0 5.
    const ClockLayout nineOFive = ComputeClockLayout(4, 323, 1920, 1040);
    EXPECT_EQ(nineOFive.TotalWidth, 920);
    EXPECT_EQ(nineOFive.Left, 500);
    EXPECT_EQ(nineOFive.Top, 359);  // 520 - 161
    EXPECT_EQ(CellOrigin(nineOFive, 0), (ScreenPoint{500, 359}));
    EXPECT_EQ(CellOrigin(nineOFive, 3), (ScreenPoint{1190, 359}));

    // 5 cells of 71: 355, whose half 177 is truncated.
    const ClockLayout odd = ComputeClockLayout(5, 100, 1024, 768);
    EXPECT_EQ(odd.TotalWidth, 355);
    EXPECT_EQ(odd.Left, 335);

    // Nothing is clamped: a row wider than the work area starts left of the screen.
    const ClockLayout wide = ComputeClockLayout(6, 800, 1024, 768);
    EXPECT_EQ(wide.TotalWidth, 3420);
    EXPECT_EQ(wide.Left, 512 - 1710);
    EXPECT_EQ(wide.Top, 384 - 400);

    EXPECT_EQ(ComputeClockLayout(0, 323, 1920, 1040).TotalWidth, 0);
    EXPECT_EQ(ComputeClockLayout(0, 323, 1920, 1040).Left, 960);
}

TEST(ClockPlan, RecordedPointsMapToRoundedScreenPoints) {
    // Height 100: 335 + 107 x 0.3096 = 368.127 and 359 + 29 x 0.3096 = 367.978.
    const double scale = 100.0 / 323;
    EXPECT_EQ(GlyphPoints("107,29", {335, 359}, scale, 1), (Points{{368, 368}}));
    // Scale 1 is the recording plus the cell origin; fractions round half to even.
    EXPECT_EQ(GlyphPoints("10,20, 0.5,1.5, -2.5,3.5", {100, 200}, 1.0, 1),
              (Points{{110, 220}, {100, 202}, {98, 204}}));
}

TEST(ClockPlan, AccelerationStepsOverRecordedPoints) {
    const std::string five = "0,0, 1,1, 2,2, 3,3, 4,4";
    EXPECT_EQ(GlyphPoints(five, {}, 1.0, 1), (Points{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    // The last point (index 4) is a multiple of 2 and of 4, but not of 3.
    EXPECT_EQ(GlyphPoints(five, {}, 1.0, 2), (Points{{0, 0}, {2, 2}, {4, 4}}));
    EXPECT_EQ(GlyphPoints(five, {}, 1.0, 3), (Points{{0, 0}, {3, 3}}));
    EXPECT_EQ(GlyphPoints(five, {}, 1.0, 4), (Points{{0, 0}, {4, 4}}));
    // A step past the end visits only the first point.
    EXPECT_EQ(GlyphPoints(five, {}, 1.0, 5), (Points{{0, 0}}));
    EXPECT_EQ(GlyphPoints(five, {}, 1.0, INT32_MAX), (Points{{0, 0}}));
    // Below 1 the step would never move on.
    EXPECT_EQ(GlyphPoints(five, {}, 1.0, 0), GlyphPoints(five, {}, 1.0, 1));
    EXPECT_EQ(GlyphPoints(five, {}, 1.0, INT32_MIN), GlyphPoints(five, {}, 1.0, 1));
}

TEST(ClockPlan, MissingFieldsReadZero) {
    // An empty recording visits the cell's top-left corner once.
    EXPECT_EQ(GlyphPoints("", {50, 60}, 2.0, 2), (Points{{50, 60}}));
    // An odd field count: the last x has no y, which reads 0 (the cell's top).
    EXPECT_EQ(GlyphPoints("1,2, 3,4, 5", {10, 20}, 1.0, 1), (Points{{11, 22}, {13, 24}, {15, 20}}));
    // A trailing comma makes an empty x field, which is visited as 0.
    EXPECT_EQ(GlyphPoints("1,2,", {10, 20}, 1.0, 1), (Points{{11, 22}, {10, 20}}));
    // Text that is not a number reads 0.
    EXPECT_EQ(GlyphPoints("x,7", {0, 0}, 1.0, 1), (Points{{0, 7}}));
}

TEST(ClockPlan, UnrepresentableValuesSaturate) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(GlyphPoints("1e300,-1e300", {0, 0}, 1.0, 1), (Points{{kMax, kMin}}));
    EXPECT_EQ(GlyphPoints("1e999,-1e999", {0, 0}, 1.0, 1), (Points{{kMax, kMin}}));
    // Infinity times a scale of 0 is not a number; it lands on the origin.
    EXPECT_EQ(GlyphPoints("1e999,5", {7, 8}, 0.0, 1), (Points{{7, 8}}));
    EXPECT_EQ(OverlayPoint({.Left = -100, .Top = 10}, {kMax, kMin}), (ScreenPoint{kMax, kMin}));
    EXPECT_EQ(OverlayPoint({.Left = 500, .Top = 359}, {510, 360}), (ScreenPoint{10, 1}));
    EXPECT_EQ(ComputeClockLayout(kMax, 800, 1920, 1080).TotalWidth, kMax);
    EXPECT_EQ(CellOrigin(ComputeClockLayout(1, 800, 0, 0), kMax).x, kMax);
}

TEST(ClockPlan, VisitingReadsTheRecordingOnceInOrder) {
    // A long recording is planned in one pass; a rescan per field would make
    // these 200,000 points quadratic and the test crawl.
    std::string recording;
    for (int i = 0; i < 200000; ++i)
        recording += std::to_string(i % 300) + ",5, ";
    std::int64_t visited = 0;
    ScreenPoint last;
    VisitGlyphPoints(recording, {0, 0}, 1.0, 1, [&](ScreenPoint p) {
        ++visited;
        last = p;
    });
    // The trailing ", " leaves one empty field: a last visit at (0, 0).
    EXPECT_EQ(visited, 200001);
    EXPECT_EQ(last, (ScreenPoint{0, 0}));
}

TEST(ClockPlan, OutOfRangeSettingsAreBroughtIntoTheWindowsRanges) {
    EXPECT_EQ(RunAcceleration(0), 1);
    EXPECT_EQ(RunAcceleration(-5), 1);
    EXPECT_EQ(RunAcceleration(2), 2);
    EXPECT_EQ(RunAcceleration(1000), 10);
    EXPECT_EQ(RunSlowdown(0), 1);
    EXPECT_EQ(RunSlowdown(INT32_MIN), 1);
    EXPECT_EQ(RunSlowdown(5), 5);
    EXPECT_EQ(RunSlowdown(INT32_MAX), 200);
    EXPECT_EQ(RunHeight(0), 50);
    EXPECT_EQ(RunHeight(323), 323);
    EXPECT_EQ(RunHeight(100000), 800);
}

}  // namespace
