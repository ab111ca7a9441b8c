// The window's growth on dense displays, held to what the desktop can show.
#include "engine/window_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using engine::WindowScale;

TEST(WindowScale, FollowsTheDensityInQuarterStepsWithinTheUsableArea) {
    EXPECT_EQ(WindowScale(96, 1920, 1050, 23), 1.0f);
    EXPECT_EQ(WindowScale(72, 1920, 1050, 23), 1.0f) << "never below the plain size";
    EXPECT_EQ(WindowScale(144, 2560, 1400, 23), 1.5f);
    EXPECT_EQ(WindowScale(130, 2560, 1400, 23), 1.25f) << "1.354 rounds to the nearest quarter";
    EXPECT_EQ(WindowScale(192, 3840, 2120, 23), 2.0f);
    // 4K at 288 dpi would want 3 (1800 + 23 high): the usable 1800 rows take 2.75 (1650 + 23).
    EXPECT_EQ(WindowScale(288, 3840, 1800, 23), 2.75f);
    EXPECT_EQ(WindowScale(192, 1600, 1223, 23), 2.0f) << "exactly fitting counts";
    EXPECT_EQ(WindowScale(192, 1599, 1223, 23), 1.75f);
    EXPECT_EQ(WindowScale(192, 800, 500, 23), 1.0f) << "a tiny desktop keeps the plain size";
    EXPECT_EQ(WindowScale(std::nanf(""), 3840, 2160, 23), 1.0f);
    EXPECT_EQ(WindowScale(-5, 3840, 2160, 23), 1.0f);
}

}  // namespace
