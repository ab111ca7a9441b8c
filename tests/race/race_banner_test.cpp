// The banner rule: growth, two pulse periods, the complete banner's wait, the shrink.
#include <gtest/gtest.h>

#include <cmath>

#include "race/race_banner.h"

namespace {

constexpr long double kFourPi = 4 * 3.14159265358979323846L;

// Frames until the banner is done, advancing with the given steps.
int FramesUntilDone(RaceBanner& banner, long double growth, long double phaseStep) {
    int frames = 0;
    while (banner.Shown() && frames < 10000) {
        banner.Advance(growth, phaseStep);
        ++frames;
    }
    return frames;
}

TEST(RaceBanner, StartsSmallAndTransparent) {
    RaceBanner banner;
    EXPECT_FALSE(banner.Shown());
    banner.Start();
    EXPECT_TRUE(banner.Shown());
    EXPECT_EQ(banner.Visible, 2.0L);
    EXPECT_EQ(banner.Scale, 0);
    EXPECT_EQ(banner.Alpha, 0);
    EXPECT_TRUE(banner.Pulsing);
}

TEST(RaceBanner, GrowsThenPulsesTwoPeriodsThenShrinksAway) {
    RaceBanner banner;
    banner.Start();
    for (int i = 0; i < 4; ++i) banner.Advance(0.25L, 0.1L);
    EXPECT_EQ(banner.Scale, 1);
    EXPECT_EQ(banner.Alpha, 1);
    banner.Advance(0.25L, 0.1L);  // first pulse frame: cos 0 x 0.4 + 0.6
    EXPECT_NEAR(double(banner.Alpha), 1.0, 1e-12);
    EXPECT_NEAR(double(banner.Phase), 0.1, 1e-12);
    banner.Advance(0.05L, 0.1L);
    EXPECT_NEAR(double(banner.Alpha), std::cos(0.1) * 0.4 + 0.6, 1e-12);
    while (banner.Phase < kFourPi) banner.Advance(0.05L, 0.1L);
    EXPECT_TRUE(banner.Pulsing);
    banner.Advance(0.05L, 0.1L);
    EXPECT_FALSE(banner.Pulsing);
    const long double scale = banner.Scale;
    banner.Advance(0.05L, 0.1L);
    EXPECT_NEAR(double(scale - banner.Scale), 0.05, 1e-12);
    // About 20 shrink frames of 0.05 (the sum of 0.05s may land a hair above 0), then done.
    const int frames = FramesUntilDone(banner, 0.05L, 0.1L);
    EXPECT_GE(frames, 20);
    EXPECT_LE(frames, 21);
    EXPECT_EQ(banner.Visible, -1);
}

TEST(RaceBanner, KeepsPulsingUntilAllowedToStop) {
    RaceBanner banner;
    banner.Start();
    banner.Scale = 1;
    banner.Phase = kFourPi;
    for (int i = 0; i < 50; ++i) banner.Advance(0.05L, 0.1L, false);
    EXPECT_TRUE(banner.Pulsing);
    EXPECT_EQ(banner.Scale, 1);
    banner.Advance(0.05L, 0.1L, true);
    EXPECT_FALSE(banner.Pulsing);
}

}  // namespace
