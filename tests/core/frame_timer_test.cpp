// FrameScale from the performance counter, with its clamp for stalls and still counters.
#include <gtest/gtest.h>

#include "core/frame_timer.h"
#include "platform/platform.h"

TEST(FrameTimer, ClampDropsStallsAndStillCounters) {
    EXPECT_EQ(FrameTimer::ClampFrameSeconds(1.0001L), 0);
    EXPECT_EQ(FrameTimer::ClampFrameSeconds(-1.5L), 0);
    EXPECT_EQ(FrameTimer::ClampFrameSeconds(0.0000009L), 0);
    EXPECT_EQ(FrameTimer::ClampFrameSeconds(1.0L), 1.0L);
    EXPECT_EQ(FrameTimer::ClampFrameSeconds(0.000001L), 0.000001L);
    EXPECT_EQ(FrameTimer::ClampFrameSeconds(-0.5L), -0.5L);
}

TEST(FrameTimer, MeasuresFramesInUnitsOfThirteenMilliseconds) {
    platform::UseManualClock(0);
    FrameTimer timer;
    timer.Start();
    platform::AdvanceClock(0.026);
    EXPECT_NEAR(static_cast<double>(timer.Measure()), 2.0, 1e-6);
    EXPECT_NEAR(static_cast<double>(FrameScale), 2.0, 1e-6);

    // A frame after a long load is a still frame.
    platform::Sleep(1500);
    EXPECT_EQ(timer.Measure(), 0);
    // So is a frame in which the counter did not move.
    EXPECT_EQ(timer.Measure(), 0);

    platform::AdvanceClock(0.013);
    EXPECT_NEAR(static_cast<double>(timer.Measure()), 1.0, 1e-6);
}
