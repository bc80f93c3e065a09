#include "charset/recording_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "charset/character_set.h"
#include "charset/glyph_fields.h"

namespace {

TEST(RecordingText, SamplesArePairsWithOneBlankBetweenThem) {
    CharacterSet set;
    set.AppendSample(4, SampleText({12, 34}));
    EXPECT_EQ(set.Slot(4), "12,34");
    set.AppendSample(4, SampleText({13, 36}));
    EXPECT_EQ(set.Slot(4), "12,34, 13,36");
    // A first sample may lie anywhere, outside the area included.
    EXPECT_EQ(SampleText({-5, 0}), "-5,0");
    EXPECT_EQ(SampleText({0, -120}), "0,-120");
}

TEST(RecordingText, ARecordingReadsBackAsItsSamples) {
    const std::vector<RecordedPoint> samples{{7, 300}, {8, 301}, {8, 301}, {100, 2}};
    CharacterSet set;
    for (const RecordedPoint& sample : samples) set.AppendSample(0, SampleText(sample));
    const SharedString text = set.Slot(0);
    EXPECT_EQ(PointCount(text), 4);
    EXPECT_EQ(GlyphFields(text), (std::vector<double>{7, 300, 8, 301, 8, 301, 100, 2}));
}

TEST(RecordingArea, TheEdgesAreOutside) {
    EXPECT_TRUE(InsideArea({1, 1}, 233, 325));
    EXPECT_TRUE(InsideArea({232, 324}, 233, 325));
    EXPECT_FALSE(InsideArea({0, 10}, 233, 325));
    EXPECT_FALSE(InsideArea({10, 0}, 233, 325));
    EXPECT_FALSE(InsideArea({233, 10}, 233, 325));
    EXPECT_FALSE(InsideArea({10, 325}, 233, 325));
    EXPECT_FALSE(InsideArea({-4, 10}, 233, 325));
    EXPECT_FALSE(InsideArea({1, 1}, 0, 0));
}

TEST(PixelsToDialogUnits, PositivePixelsRoundToNearestWithHalvesUp) {
    // 2048 pixels per 1024 units: two pixels a unit.
    EXPECT_EQ(PixelsToDialogUnitsAxis(0, 2048), 0);
    EXPECT_EQ(PixelsToDialogUnitsAxis(1, 2048), 1);  // 0.5
    EXPECT_EQ(PixelsToDialogUnitsAxis(2, 2048), 1);
    EXPECT_EQ(PixelsToDialogUnitsAxis(3, 2048), 2);  // 1.5
    EXPECT_EQ(PixelsToDialogUnitsAxis(5, 2048), 3);  // 2.5: up, not to even
    // 1536 pixels per 1024 units: 1.5 pixels a unit.
    EXPECT_EQ(PixelsToDialogUnitsAxis(1, 1536), 1);  // 0.67
    EXPECT_EQ(PixelsToDialogUnitsAxis(2, 1536), 1);  // 1.33
    EXPECT_EQ(PixelsToDialogUnitsAxis(3, 1536), 2);
    EXPECT_EQ(PixelsToDialogUnitsAxis(310, 1536), 207);  // 206.67
}

TEST(PixelsToDialogUnits, NegativePixelsRoundDownUnlessExact) {
    EXPECT_EQ(PixelsToDialogUnitsAxis(-1, 2048), -1);  // -0.5
    EXPECT_EQ(PixelsToDialogUnitsAxis(-2, 2048), -1);  // exact
    EXPECT_EQ(PixelsToDialogUnitsAxis(-3, 2048), -2);  // -1.5
    EXPECT_EQ(PixelsToDialogUnitsAxis(-1, 1536), -1);  // -0.67
    EXPECT_EQ(PixelsToDialogUnitsAxis(-2, 1536), -2);  // -1.33: down, not to nearest
    EXPECT_EQ(PixelsToDialogUnitsAxis(-3, 1536), -2);  // exact
}

TEST(PixelsToDialogUnits, DegenerateMeasuresAndHugeValuesStayDefined) {
    EXPECT_EQ(PixelsToDialogUnitsAxis(100, 0), 0);
    EXPECT_EQ(PixelsToDialogUnitsAxis(100, -5), 0);
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(PixelsToDialogUnitsAxis(kMax, 1), kMax);
    EXPECT_EQ(PixelsToDialogUnitsAxis(kMin, 1), kMin);
    EXPECT_EQ(PixelsToDialogUnitsAxis(kMax, kMax), 1024);
}

std::vector<RecordedPoint> Shown(const std::string& text, bool* drawable = nullptr) {
    ShownGlyphPoints points(text);
    if (drawable) *drawable = points.Drawable();
    std::vector<RecordedPoint> all;
    for (RecordedPoint p; points.Next(p);) all.push_back(p);
    return all;
}

using Points = std::vector<RecordedPoint>;

TEST(ShownGlyphPoints, FourFieldsOrFewerDrawNothing) {
    bool drawable = true;
    EXPECT_TRUE(Shown("", &drawable).empty());
    EXPECT_FALSE(drawable);
    EXPECT_TRUE(Shown("1,2, 3,4", &drawable).empty());
    EXPECT_FALSE(drawable);
    EXPECT_TRUE(Shown("1,2, 3,", &drawable).empty());
    EXPECT_EQ(Shown("1,2, 3,4, 5,6", &drawable), (Points{{1, 2}, {3, 4}, {5, 6}}));
    EXPECT_TRUE(drawable);
}

TEST(ShownGlyphPoints, AMissingLastYReadsZero) {
    // An odd number of fields ends with the last x and a y of 0.
    EXPECT_EQ(Shown("1,2, 3,4, 5"), (Points{{1, 2}, {3, 4}, {5, 0}}));
    // A text ending with a comma ends at (0, 0).
    EXPECT_EQ(Shown("1,2, 3,4, 5,6,"), (Points{{1, 2}, {3, 4}, {5, 6}, {0, 0}}));
}

TEST(ShownGlyphPoints, NumbersRoundHalfToEven) {
    EXPECT_EQ(Shown("2.5,3.5, 0.5,-1.5, 7, x"), (Points{{2, 4}, {0, -2}, {7, 0}}));
}

}  // namespace
