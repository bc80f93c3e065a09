#include "ui/surface_scale.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(SurfaceScale, DialogUnitsScaleByClientPixelsOverUnitsPlusOne) {
    // 155 x 200 dialog units shown in a client area of 310 x 400 pixels.
    const SurfaceScale scale = DialogUnitScale(310, 400, 155, 200);
    EXPECT_FLOAT_EQ(scale.x, 310.0f / 156);
    EXPECT_FLOAT_EQ(scale.y, 400.0f / 201);
    EXPECT_EQ(ScaleX(scale, 155), 308);
    EXPECT_EQ(ScaleY(scale, 200), 398);
    EXPECT_EQ(ScaleX(scale, 5), 10);
    EXPECT_EQ(ScaleY(scale, 5), 10);
    EXPECT_EQ(ScaleX(scale, 0), 0);
    EXPECT_EQ(ScaleX(scale, -5), -10);
}

TEST(SurfaceScale, PixelsAreExactForEveryCoordinate) {
    const SurfaceScale scale = PixelScale();
    // A float scale of 1 would round 16,777,217 to 16,777,216.
    EXPECT_EQ(ScaleX(scale, 16777217), 16777217);
    EXPECT_EQ(ScaleY(scale, INT_MIN), INT_MIN);
}

TEST(SurfaceScale, ExtremesSaturateAndEmptyControlsDoNotDivideByZero) {
    const SurfaceScale big = DialogUnitScale(4000, 4000, 1, 1);
    EXPECT_EQ(ScaleX(big, INT_MAX), INT_MAX);
    EXPECT_EQ(ScaleY(big, INT_MIN), INT_MIN);
    const SurfaceScale empty = DialogUnitScale(0, 0, -1, -1);
    EXPECT_EQ(ScaleX(empty, 100), 0);
}

}  // namespace
