#include <gtest/gtest.h>

#include "Clock.h"

TEST(ClockTest, VirtualClockMovesOnlyWhenSleptOnAndIsInstalledForAScope) {
    VirtualClock virt(5000);
    {
        ScopedClock scope(virt);
        EXPECT_TRUE(Clock::Get().IsVirtual());
        std::uint64_t before = Clock::Get().NowMs();
        Clock::Get().SleepMs(3000);
        EXPECT_EQ(Clock::Get().NowMs(), before + 3000);
        virt.Advance(10);
        EXPECT_EQ(virt.NowMs(), 8010u);
        EXPECT_EQ(virt.SleptMs(), 3000u);
    }
    EXPECT_FALSE(Clock::Get().IsVirtual());
    // The real clock counts milliseconds of real time and a sleep takes at least as long.
    std::uint64_t before = Clock::Get().NowMs();
    Clock::Get().SleepMs(20);
    EXPECT_GE(Clock::Get().NowMs() - before, 20u);
}
