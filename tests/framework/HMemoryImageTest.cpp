#include "framework/HMemoryImage.h"

#include <gtest/gtest.h>

#include "framework/HDirectXImage.h"
#include "tests/support/DirectXSession.h"

namespace {

uint32_t& at(HImage& image, int x, int y)
{
    return image.getPixels()[static_cast<size_t>(y) * (image.getStride() / 4) + x];
}

// One colour channel of a source-over blend, rounded.
uint32_t mixed(uint32_t source, uint32_t target, uint32_t alpha)
{
    return (source * alpha + target * (255 - alpha) + 127) / 255;
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
    uint32_t expected = 0xFF000000 | mixed(200, 10, 128) << 16 | mixed(100, 20, 128) << 8 | mixed(50, 30, 128);
    EXPECT_EQ(at(target, 0, 0), expected);
    EXPECT_EQ(at(target, 1, 0), HColor(10, 20, 30, 255).getARGB()) << "alpha 0 leaves the target";
    EXPECT_EQ(at(target, 2, 0), HColor(200, 100, 50, 255).getARGB());
    EXPECT_TRUE(source.blend(&target, 2, 0, 5, 5, 0, 0)) << "clipped, not refused";
}

// The chip bitmaps are GDI images: their bottom-up rows land the right way up, and the
// target's transparent colour is skipped.
TEST(HMemoryImage, TakesGdiPicturesTheRightWayUpWithoutTheTransparentColour)
{
    HImage gdi(2, 2, nullptr);
    uint32_t* rows = gdi.getPixels();  // bottom row first
    rows[0] = 0x000000;
    rows[1] = 0x112233;
    rows[2] = 0x445566;
    rows[3] = 0x778899;
    ASSERT_TRUE(gdi.commitPixels());
    gdi.releasePixels();
    HMemoryImage memory(2, 2);
    ASSERT_TRUE(gdi.draw(&memory, 0, 0, 2, 2, 0, 0));
    EXPECT_EQ(at(memory, 0, 0), 0xFF445566u);
    EXPECT_EQ(at(memory, 1, 1), 0xFF112233u);
    EXPECT_EQ(at(memory, 0, 1), 0u) << "black is transparent";
    EXPECT_FALSE(memory.draw(&gdi, 0, 0, 2, 2, 0, 0)) << "no pixel copy onto a GDI image";
}

TEST(HMemoryImage, CopiesIntoADirect3DImageUnchanged)
{
    if (DirectXSession::device() == nullptr) {
        GTEST_SKIP() << "Direct3D 9 is not available";
    }
    HMemoryImage memory(4, 3);
    for (int i = 0; i < 12; ++i) {
        at(memory, i % 4, i / 4) = 0x10000000u * (i % 16) + 0x010203u * i;
    }
    HDirectXImage texture(4, 3, DirectXSession::window());
    ASSERT_TRUE(memory.draw(&texture, 1, 1, 2, 2, 1, 1));
    for (int y = 1; y < 3; ++y) {
        for (int x = 1; x < 3; ++x) {
            EXPECT_EQ(at(texture, x, y), at(memory, x, y)) << x << "," << y;
        }
    }
}

}  // namespace
