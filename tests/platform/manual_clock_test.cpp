// The hand-driven clock: start tick, AdvanceClock, instant Sleep, counter and frequency agreeing.
#include <gtest/gtest.h>

#include "platform/platform.h"

namespace {

double SecondsBetween(uint64_t from, uint64_t to)
{
    return static_cast<double>(to - from) / static_cast<double>(platform::PerformanceFrequency());
}

TEST(ManualClockTest, TickStartsAtTheGivenValueAndFollowsAdvance)
{
    platform::UseManualClock(123456);
    ASSERT_TRUE(platform::ManualClockActive());
    EXPECT_EQ(platform::TickCount(), 123456u);
    const uint64_t before = platform::PerformanceCounter();
    platform::AdvanceClock(1.5);
    EXPECT_EQ(platform::TickCount(), 123456u + 1500u);
    EXPECT_DOUBLE_EQ(SecondsBetween(before, platform::PerformanceCounter()), 1.5);
    // Without an advance nothing moves, however long the test takes.
    EXPECT_EQ(platform::PerformanceCounter(), platform::PerformanceCounter());
}

TEST(ManualClockTest, SleepAdvancesTheClockByItsMilliseconds)
{
    platform::UseManualClock(0);
    const uint64_t before = platform::PerformanceCounter();
    platform::Sleep(500);
    platform::Sleep(500);
    EXPECT_EQ(platform::TickCount(), 1000u);
    EXPECT_DOUBLE_EQ(SecondsBetween(before, platform::PerformanceCounter()), 1.0);
}

TEST(ManualClockTest, SmallStepsAddUpAndBackwardStepsAreIgnored)
{
    platform::UseManualClock(10);
    for (int i = 0; i < 100; ++i) {
        platform::AdvanceClock(0.013);
    }
    EXPECT_EQ(platform::TickCount(), 10u + 1300u);
    platform::AdvanceClock(-5.0);
    EXPECT_EQ(platform::TickCount(), 1310u);
}

TEST(ManualClockTest, RestartingResetsTheTickAndItWrapsLikeADesktopTick)
{
    platform::UseManualClock(50);
    platform::AdvanceClock(2.0);
    platform::UseManualClock(0xFFFFFF00u);
    EXPECT_EQ(platform::TickCount(), 0xFFFFFF00u);
    platform::AdvanceClock(1.0);
    EXPECT_EQ(platform::TickCount(), 0xFFFFFF00u + 1000u);  // wrapped past zero
    EXPECT_LT(platform::TickCount(), 1000u);
}

}  // namespace
