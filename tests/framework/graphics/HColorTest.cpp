#include "framework/graphics/HColor.h"

#include <gtest/gtest.h>

TEST(HColor, ClampsEveryChannelAndPacksInThePlatformsThreeOrders)
{
    HColor color(300, -5, 0x34, 0x80);
    EXPECT_EQ(color, HColor(255, 0, 0x34, 0x80));
    EXPECT_EQ(color.getColorRef(), 0x3400FFu);
    EXPECT_EQ(color.getDIBColor(), 0xFF0034u);
    EXPECT_EQ(color.getARGB(), 0x80FF0034u);

    HColor opaque(0x12, 0x34, 0x56);
    EXPECT_EQ(opaque.getAlpha(), 255);
    EXPECT_EQ(opaque.getColorRef(), 0x563412u);
    EXPECT_EQ(opaque.getDIBColor(), 0x123456u);
    EXPECT_EQ(opaque.getARGB(), 0xFF123456u);
    EXPECT_EQ(HColor().getARGB(), 0xFF000000u);
    EXPECT_NE(HColor(1, 2, 3, 4), HColor(1, 2, 3, 5));
}
