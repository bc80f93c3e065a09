#include "ui/display_scale.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "charset/recording_rules.h"
#include "clock/clock_plan.h"

namespace {

// One display scale: the fonts, the clock's cell at the default height of
// 323, and the Creator's drawing area as the dialog manager lays it out there
// (measured under Wine; the 96-DPI area is 233 x 300).
struct Scale {
    int dpi;
    int font8, font10, dialogFont8;
    int cellHeight, cellWidth;
    int areaWidth, areaHeight;
};
constexpr Scale kScales[] = {
    {96, -10, -13, -11, 323, 230, 233, 300},  {120, -13, -16, -13, 404, 288, 310, 375},
    {144, -16, -20, -16, 485, 345, 349, 425}, {192, -21, -26, -21, 646, 460, 465, 575},
    {240, -26, -33, -27, 808, 575, 620, 750},
};
constexpr int kWidth96 = 233;
constexpr int kHeight96 = 300;

TEST(DisplayScale, FontsAndClockCellsFollowTheDpi) {
    for (const Scale& s : kScales) {
        SCOPED_TRACE(s.dpi);
        EXPECT_EQ(FontHeightAt(8, s.dpi), s.font8);
        EXPECT_EQ(FontHeightAt(10, s.dpi), s.font10);
        EXPECT_EQ(DialogFontHeightAt(8, s.dpi), s.dialogFont8);
        const ClockLayout layout = ComputeClockLayout(4, PixelsAtDpi(323, s.dpi), 1920, 1040);
        EXPECT_EQ(layout.CellHeight, s.cellHeight);
        EXPECT_EQ(layout.CellWidth, s.cellWidth);
    }
    // At 96 DPI the height is the setting, so a run is exactly what it was.
    EXPECT_EQ(ComputeClockLayout(4, PixelsAtDpi(100, 96), 1920, 1040).Scale, 100.0 / 323);
    EXPECT_EQ(PixelsAtDpi(323, 0), 323);
}

TEST(DisplayScale, DialogUnitsConvertAsTheDialogManagerDoes) {
    // MS Sans Serif 8 pt under Wine: the 52 letters measure 334 pixels at 96
    // DPI (base units 6 x 12) and 491 at 144 (9 x 17).
    EXPECT_EQ(DialogBaseUnitX(334), 6);
    EXPECT_EQ(DialogBaseUnitX(491), 9);
    EXPECT_EQ(DialogUnitsToPixelsX(155, 6), 233); // 232.5: halves away from zero
    EXPECT_EQ(DialogUnitsToPixelsY(200, 12), 300);
    EXPECT_EQ(DialogUnitsToPixelsX(155, 9), 349); // 348.75
    EXPECT_EQ(DialogUnitsToPixelsY(200, 17), 425);
    EXPECT_EQ(MulDivRounded(-3, 1, 2), -2);
    EXPECT_EQ(MulDivRounded(3, -1, 2), -2);
    EXPECT_EQ(MulDivRounded(1, 1, 0), -1);
    EXPECT_EQ(MulDivRounded(INT_MAX, INT_MAX, 1), INT_MAX);
    EXPECT_EQ(MulDivRounded(INT_MIN, INT_MAX, 1), INT_MIN);
}

TEST(RecordingUnits, AreThePixelsOfTheAreaAt96Dpi) {
    for (const Scale& s : kScales) {
        SCOPED_TRACE(s.dpi);
        const AreaScale area{s.areaWidth, s.areaHeight, kWidth96, kHeight96};
        // A stroke from corner to corner of the area is stored as one drawn
        // across the 96-DPI area, within a unit.
        const RecordedPoint first = PixelsToRecordingUnits(area, {1, 1}, true);
        const RecordedPoint last =
            PixelsToRecordingUnits(area, {s.areaWidth - 1, s.areaHeight - 1}, true);
        EXPECT_EQ(first, (RecordedPoint{1, 1})); // at 250 % pixel 1 rounds onto the edge
        EXPECT_EQ(last, (RecordedPoint{kWidth96 - 1, kHeight96 - 1}));
        // Every kept sample stays strictly inside, edges included.
        for (int x = 1; x < s.areaWidth; ++x)
            ASSERT_TRUE(
                InsideArea(PixelsToRecordingUnits(area, {x, 150}, true), kWidth96, kHeight96))
                << x;
        // A first sample keeps its place outside, scaled the same way.
        EXPECT_EQ(PixelsToRecordingUnits(area, {s.areaWidth, -s.areaHeight}),
                  (RecordedPoint{kWidth96, -kHeight96}));
        // A stored point maps back onto the area as it is now and reads back
        // as itself: the view draws it where the cursor was.
        for (int u = 1; u < kWidth96; ++u) {
            const RecordedPoint back = RecordingUnitsToPixels(area, {u, u});
            ASSERT_EQ(PixelsToRecordingUnits(area, back, true), (RecordedPoint{u, u})) << u;
            ASSERT_LE(std::abs(back.x - u * s.areaWidth / double{kWidth96}), 0.5) << u;
        }
    }
}

TEST(RecordingUnits, At96DpiAreThePixelsThemselves) {
    const AreaScale area{233, 300, 233, 300};
    for (const RecordedPoint p : {RecordedPoint{0, 0}, RecordedPoint{-7, 412},
                                  RecordedPoint{INT_MIN, INT_MAX}, RecordedPoint{232, 299}}) {
        EXPECT_EQ(PixelsToRecordingUnits(area, p), p);
        EXPECT_EQ(RecordingUnitsToPixels(area, p), p);
    }
    // No 96-DPI size known: no scaling at all.
    EXPECT_EQ(PixelsToRecordingUnits({349, 425, 0, 0}, {100, 100}), (RecordedPoint{100, 100}));
    // Halves go to the even unit: twice the pixels of the 96-DPI area.
    const AreaScale twice{466, 600, 233, 300};
    EXPECT_EQ(PixelsToRecordingUnits(twice, {1, 3}), (RecordedPoint{0, 2}));
    EXPECT_EQ(PixelsToRecordingUnits(twice, {5, -5}), (RecordedPoint{2, -2}));
}

} // namespace
