#include "framework/graphics/HMemoryImage.h"

#include <gtest/gtest.h>

namespace {

uint32_t& at(HImage& image, int x, int y)
{
    return image.getPixels()[static_cast<size_t>(y) * (image.getStride() / 4) + x];
}

TEST(HMemoryImage, BlendsLikeAlphaBlendingAndKeepsTheTargetsAlpha)
{
    HMemoryImage source(3, 1);
    HMemoryImage target(3, 1);
    target.fill(HColor(10, 20, 30, 255));
    at(source, 0, 0) = HColor(200, 100, 50, 128).getARGB();
    at(source, 1, 0) = HColor(200, 100, 50, 0).getARGB();
    at(source, 2, 0) = HColor(200, 100, 50, 255).getARGB();
    ASSERT_TRUE(source.blend(&target, 0, 0, 3, 1, 0, 0));
    // Each channel (source x 128 + target x 127) / 255, rounded: 105.4, 60.2, 40.04.
    EXPECT_EQ(at(target, 0, 0), 0xFF693C28u);
    EXPECT_EQ(at(target, 1, 0), HColor(10, 20, 30, 255).getARGB()) << "alpha 0 leaves the target";
    EXPECT_EQ(at(target, 2, 0), HColor(200, 100, 50, 255).getARGB());
    EXPECT_TRUE(source.blend(&target, 2, 0, 5, 5, 0, 0)) << "clipped, not refused";
}

}  // namespace
