#include "framework/graphics/HFPSCounter.h"

#include <gtest/gtest.h>

TEST(HFPSCounter, CountsTheTicksOfEachIntervalAtItsFirstTickAfterItAcrossAClockWrap)
{
    HFPSCounter counter;
    counter.start(5000);
    for (int i = 1; i < 60; ++i) {
        counter.tick(5000 + 16 * i);
    }
    EXPECT_EQ(counter.getFPS(), 0);  // 59 frames, 944 ms: the interval is still running
    counter.tick(6000);
    EXPECT_EQ(counter.getFPS(), 60);
    // The next interval starts at that tick.
    for (int i = 1; i <= 30; ++i) {
        counter.tick(6000 + 33 * i);
    }
    EXPECT_EQ(counter.getFPS(), 60);
    counter.tick(7000);
    EXPECT_EQ(counter.getFPS(), 31);

    // Zero means one second, and the clock may wrap.
    HFPSCounter wrapping(0);
    wrapping.start(0xFFFFFE00u);
    wrapping.tick(0xFFFFFFF0u);
    wrapping.tick(0x000001E7u);  // 999 ms after the start, across the wrap
    EXPECT_EQ(wrapping.getFPS(), 0);
    wrapping.tick(0x000001E8u);
    EXPECT_EQ(wrapping.getFPS(), 3);

    HFPSCounter quarter(250);
    quarter.start(0);
    quarter.tick(250);
    EXPECT_EQ(quarter.getFPS(), 1);
}

