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

// A part of the picture lands where it is asked to from the rows it is asked for, whichever
// rows and columns those are.
TEST(HMemoryImage, CopiesAPartOntoADeviceContextRowForRow)
{
    HMemoryImage source(4, 6);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 4; ++x) {
            at(source, x, y) = 0xFF000000u | static_cast<uint32_t>(y * 16 + x);
        }
    }
    const struct {
        int x, y, w, h, sx, sy;
    } parts[] = {{0, 0, 4, 6, 0, 0}, {1, 2, 2, 3, 1, 1}, {0, 0, 3, 2, 1, 4}, {2, 3, 2, 2, 0, 4}};
    for (const auto& part : parts) {
        HImage target(4, 6, nullptr);
        target.fill(HColor(0, 0, 0xEE));
        ASSERT_TRUE(source.drawToDC(target.getDC(), part.x, part.y, part.w, part.h, part.sx, part.sy));
        target.lockPixels();
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 4; ++x) {
                bool inside = x >= part.x && x < part.x + part.w && y >= part.y && y < part.y + part.h;
                uint32_t expected = inside ? static_cast<uint32_t>((y - part.y + part.sy) * 16 + x - part.x + part.sx)
                                           : 0xEEu;
                // The GDI image's pixel copy runs bottom row first.
                EXPECT_EQ(target.getPixels()[(5 - y) * 4 + x] & 0xFFFFFF, expected)
                    << x << "," << y << " of part " << part.x << "," << part.y;
            }
        }
    }
}

}  // namespace
