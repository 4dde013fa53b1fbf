#include "framework/HImage.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/HDirectX.h"
#include "framework/HDirectXImage.h"
#include "framework/HGraphics.h"
#include "tests/support/DirectXSession.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

namespace {

const uint32_t kMagenta = 0xFF00FF;

// Reads pixel (x, y), y from the top, of a GDI image afresh from its bitmap.
uint32_t gdiPixel(HImage& image, int x, int y)
{
    image.lockPixels();
    return image.getPixels()[static_cast<size_t>(image.getHeight() - 1 - y) * image.getWidth() + x]
           & 0xFFFFFF;
}

// Writes a picture (top row first, 0x00RRGGBB) into a GDI image through its pixel copy.
void paint(HImage& image, const std::vector<uint32_t>& colors)
{
    uint32_t* pixels = image.getPixels();
    for (int y = 0; y < image.getHeight(); ++y) {
        for (int x = 0; x < image.getWidth(); ++x) {
            pixels[static_cast<size_t>(image.getHeight() - 1 - y) * image.getWidth() + x] =
                colors[static_cast<size_t>(y) * image.getWidth() + x];
        }
    }
    ASSERT_TRUE(image.commitPixels());
    image.releasePixels();
}

// Pixel (x, y) of a locked Direct3D image.
uint32_t& d3dPixel(HImage& image, int x, int y)
{
    return image.getPixels()[static_cast<size_t>(y) * (image.getStride() / 4) + x];
}

class HImageDirectX : public ::testing::Test {
protected:
    void SetUp() override
    {
        directX = DirectXSession::device();
        ASSERT_NE(directX, nullptr) << "Direct3D 9 is not available";
    }
    HDirectX* directX = nullptr;
};

// A 4 x 3 GDI picture with a black pixel, numbered colours elsewhere.
std::vector<uint32_t> numbered(int width, int height)
{
    std::vector<uint32_t> colors;
    for (int i = 0; i < width * height; ++i) {
        colors.push_back(static_cast<uint32_t>(0x010101 * (i + 1) + 0x400000));
    }
    colors[5] = 0;
    return colors;
}

}  // namespace

TEST(HImageGdi, ASpriteLeavesTheTargetUnderItsTransparentColour)
{
    HImage source(3, 1, nullptr);
    paint(source, {kMagenta, 0x102030, kMagenta});
    ASSERT_TRUE(source.setSprite(HColor(255, 0, 255)));
    EXPECT_EQ(gdiPixel(source, 0, 0), 0u);  // transparent pixels of the image became black

    HImage target(5, 2, nullptr);
    target.fill(HColor(0, 0, 255));
    EXPECT_TRUE(source.draw(&target, 1, 1));
    EXPECT_EQ(gdiPixel(target, 1, 1), 0x0000FFu);
    EXPECT_EQ(gdiPixel(target, 2, 1), 0x102030u);
    EXPECT_EQ(gdiPixel(target, 3, 1), 0x0000FFu);
    EXPECT_EQ(gdiPixel(target, 2, 0), 0x0000FFu);

    // fill drops the mask: the whole image is copied again.
    source.fill(HColor(9, 9, 9));
    EXPECT_TRUE(source.draw(&target, 0, 0));
    EXPECT_EQ(gdiPixel(target, 0, 0), 0x090909u);
    EXPECT_EQ(gdiPixel(target, 2, 0), 0x090909u);

    // A sprite by pixel takes that pixel's colour.
    paint(source, {0x123456, 0x00FF00, kMagenta});
    EXPECT_TRUE(source.setSprite(0, 0));
    EXPECT_EQ(source.getTransparentColor(), HColor(0x12, 0x34, 0x56));

    TestFolder folder;
    LogCapture log({"info"});
    HImage blackSprite(2, 1, nullptr);
    paint(blackSprite, {0x000000, 0x00FF00});
    EXPECT_TRUE(blackSprite.setSprite(7, 7));
    EXPECT_EQ(blackSprite.getTransparentColor(), HColor::BLACK);
    HImage under(2, 1, nullptr);
    under.fill(HColor(255, 0, 0));
    blackSprite.draw(&under, 0, 0);
    EXPECT_EQ(gdiPixel(under, 0, 0), 0xFF0000u);
    EXPECT_EQ(gdiPixel(under, 1, 0), 0x00FF00u);
    EXPECT_TRUE(log.contains("setSprite:範囲外の色指定"));
}

TEST(HImageGdi, PixelCopyIsWrittenBackOnlyByCommitAndImagesResizeAndStretch)
{
    HImage image(2, 2, nullptr);
    image.fill(HColor(1, 1, 1));
    EXPECT_EQ(image.lockPixels(), 2);
    image.getPixels()[0] = 0x00ABCDEF;  // the bottom-left pixel
    image.releasePixels();
    EXPECT_EQ(gdiPixel(image, 0, 1), 0x010101u);
    image.getPixels()[0] = 0x00ABCDEF;
    EXPECT_TRUE(image.commitPixels());
    EXPECT_EQ(gdiPixel(image, 0, 1), 0xABCDEFu);
    EXPECT_EQ(image.getStride(), 8);

    HImage source(2, 1, nullptr);
    ASSERT_TRUE(source.resize(2, 1));
    paint(source, {0xFF0000, 0x0000FF});
    HImage target(4, 2, nullptr);
    EXPECT_TRUE(source.stretchDraw(&target));
    EXPECT_EQ(gdiPixel(target, 0, 0), 0xFF0000u);
    EXPECT_EQ(gdiPixel(target, 1, 1), 0xFF0000u);
    EXPECT_EQ(gdiPixel(target, 2, 0), 0x0000FFu);
    EXPECT_EQ(gdiPixel(target, 3, 1), 0x0000FFu);
    EXPECT_FALSE(source.stretchDraw(nullptr));

    ASSERT_TRUE(target.resize(7, 5));
    EXPECT_EQ(target.getWidth(), 7);
    EXPECT_EQ(target.lockPixels(), 5);
}

TEST_F(HImageDirectX, GdiToDirect3DSkipsTheTransparentColourAndForcesAlphaDirect3DCopiesEveryPixel)
{
    HImage source(4, 3, nullptr);
    std::vector<uint32_t> colors = numbered(4, 3);
    paint(source, colors);
    HDirectXImage target(6, 5, DirectXSession::window());
    ASSERT_NE(target.getTexture(), nullptr);
    ASSERT_TRUE(target.fill(HColor(0x22, 0x33, 0x44, 0x11)));
    EXPECT_TRUE(source.draw(&target, 1, 1, 4, 3, 0, 0));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            uint32_t expected = 0x11223344;
            if (x >= 1 && x < 5 && y >= 1 && y < 4) {
                uint32_t color = colors[static_cast<size_t>(y - 1) * 4 + (x - 1)];
                if (color != 0) {
                    expected = 0xFF000000 | color;
                }
            }
            EXPECT_EQ(d3dPixel(target, x, y), expected) << x << "," << y;
        }
    }
    EXPECT_TRUE(target.commitPixels());

    // Direct3D to Direct3D copies every pixel unchanged.
    HDirectXImage d3dSource(2, 2, DirectXSession::window());
    d3dSource.fill(HColor(0, 0, 0, 0));
    d3dPixel(d3dSource, 1, 0) = 0x80FF0000;
    d3dPixel(d3dSource, 0, 1) = 0x00000000;
    d3dPixel(d3dSource, 1, 1) = 0x12345678;
    HDirectXImage d3dTarget(3, 3, DirectXSession::window());
    d3dTarget.fill(HColor(1, 1, 1));
    d3dTarget.setSprite(HColor::BLACK);
    EXPECT_TRUE(d3dSource.draw(&d3dTarget, 1, 1));
    EXPECT_EQ(d3dPixel(d3dTarget, 0, 0), 0xFF010101u);
    EXPECT_EQ(d3dPixel(d3dTarget, 1, 1), 0x00000000u);
    EXPECT_EQ(d3dPixel(d3dTarget, 2, 1), 0x80FF0000u);
    EXPECT_EQ(d3dPixel(d3dTarget, 2, 2), 0x12345678u);

    // Within one image, overlapping areas move as a whole.
    EXPECT_TRUE(d3dTarget.draw(&d3dTarget, 0, 1, 3, 2, 0, 0));
    EXPECT_EQ(d3dPixel(d3dTarget, 1, 2), 0x00000000u);
    EXPECT_EQ(d3dPixel(d3dTarget, 1, 1), 0xFF010101u);
}

TEST_F(HImageDirectX, CopiesClipAtEveryEdgeAndNeverWriteOutsideTheTarget)
{
    const int kW = 5;
    const int kH = 4;
    HImage gdiSource(kW, kH, nullptr);
    std::vector<uint32_t> colors = numbered(kW, kH);
    colors[5] = 0x777777;  // no transparent pixel in this picture
    paint(gdiSource, colors);
    HDirectXImage d3dSource(kW, kH, DirectXSession::window());
    ASSERT_TRUE(gdiSource.draw(&d3dSource, 0, 0));

    struct Case {
        int x, y, w, h, sx, sy;
    };
    const Case cases[] = {
        {0, 0, 5, 4, 0, 0},    {-2, 0, 5, 4, 0, 0},   {0, -3, 5, 4, 0, 0},   {4, 3, 5, 4, 0, 0},
        {-1, -1, 9, 9, 0, 0},  {2, 2, 9, 9, 1, 1},    {0, 0, 5, 4, -2, -1},  {1, 1, 2, 2, 4, 3},
        {0, 0, 5, 4, 5, 0},    {0, 0, 5, 4, 0, 4},    {-100, -100, 200, 200, -50, 60},
        {5, 0, 3, 3, 0, 0},    {0, 5, 3, 3, 0, 0},    {0, 0, 0, 3, 0, 0},    {0, 0, 3, -2, 0, 0},
        {2147483600, 0, 100, 3, 0, 0},                {0, 0, 2147483647, 2147483647, -2147483647, 0},
    };
    const uint32_t kBackground = 0x5A000000;
    for (int kind = 0; kind < 2; ++kind) {
        HImage& source = kind == 0 ? gdiSource : static_cast<HImage&>(d3dSource);
        for (const Case& c : cases) {
            HDirectXImage target(6, 5, DirectXSession::window());
            ASSERT_TRUE(target.fill(HColor(0, 0, 0, 0x5A)));
            EXPECT_TRUE(source.draw(&target, c.x, c.y, c.w, c.h, c.sx, c.sy));
            ASSERT_NE(target.getPixels(), nullptr);
            int rowLength = target.getStride() / 4;
            for (int y = 0; y < 5; ++y) {
                for (int x = 0; x < rowLength; ++x) {
                    // The naive rule: a target pixel inside the w x h window whose source pixel
                    // lies inside the source.
                    int64_t px = int64_t{x} - c.x + c.sx;
                    int64_t py = int64_t{y} - c.y + c.sy;
                    bool inside = x < 6 && x >= c.x && int64_t{x} < int64_t{c.x} + c.w && y >= c.y
                                  && int64_t{y} < int64_t{c.y} + c.h && px >= 0 && px < kW && py >= 0
                                  && py < kH;
                    uint32_t expected = inside ? 0xFF000000 | colors[static_cast<size_t>(py * kW + px)]
                                               : kBackground;
                    ASSERT_EQ(d3dPixel(target, x, y), expected)
                        << (kind == 0 ? "GDI " : "Direct3D ") << c.x << " " << c.y << " " << c.w
                        << " " << c.h << " " << c.sx << " " << c.sy << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(HImageDirectX, Direct3DOntoGdiCopiesNothingAndLockFillResizeAndRelease)
{
    HDirectXImage source(2, 2, DirectXSession::window());
    source.fill(HColor(255, 0, 0));
    HImage target(2, 2, nullptr);
    target.fill(HColor(0, 255, 0));
    EXPECT_FALSE(source.draw(&target, 0, 0));
    EXPECT_FALSE(source.draw(&target, 0, 0, 2, 2, 0, 0));
    EXPECT_EQ(gdiPixel(target, 0, 0), 0x00FF00u);
    EXPECT_FALSE(source.drawToDC(target.getDC(), 0, 0, 2, 2, 0, 0));
    EXPECT_FALSE(source.stretchDraw(&target));

    HDirectXImage image(3, 2, DirectXSession::window());
    EXPECT_EQ(image.getStride(), 0);
    EXPECT_EQ(image.lockPixels(), 2);
    EXPECT_GE(image.getStride(), 12);
    EXPECT_TRUE(image.commitPixels());
    EXPECT_EQ(image.getStride(), 0);
    EXPECT_TRUE(image.commitPixels());  // not locked: nothing to do
    ASSERT_TRUE(image.resize(40, 30));
    ASSERT_TRUE(image.fill(HColor(1, 2, 3)));
    EXPECT_EQ(d3dPixel(image, 39, 29), 0xFF010203u);
    image.releasePixels();
    EXPECT_EQ(image.getStride(), 0);
    EXPECT_TRUE(image.setSprite(HColor::RED));
    EXPECT_EQ(image.getTransparentColor(), HColor::RED);
}

