#include "framework/graphics/HImage.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/graphics/HDirectX.h"
#include "framework/graphics/HDirectXImage.h"
#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HMemoryImage.h"
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

// Pixel (x, y) of a locked Direct3D or memory image.
uint32_t& at(HImage& image, int x, int y)
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

    // A sprite by pixel takes that pixel's colour; one outside the image, black.
    paint(source, {0x123456, 0x00FF00, kMagenta});
    EXPECT_TRUE(source.setSprite(0, 0));
    EXPECT_EQ(source.getTransparentColor(), HColor(0x12, 0x34, 0x56));
    TestFolder folder;
    LogCapture log({"info"});
    EXPECT_TRUE(source.setSprite(7, 7));
    EXPECT_EQ(source.getTransparentColor(), HColor::BLACK);
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

// Every copy into an image that holds its pixels (Direct3D, memory) from every kind of source,
// against the naive rule: a target pixel inside the w x h window whose source pixel lies inside
// the source takes that pixel. GDI pixels come bottom-up, skip the target's transparent colour
// and get alpha 255; Direct3D and memory pixels are copied unchanged, alpha and all.
TEST_F(HImageDirectX, CopiesBetweenKindsClipAtEveryEdgeAndNeverWriteOutsideTheTarget)
{
    const int kW = 5;
    const int kH = 4;
    const uint32_t kTransparent = 0x123456;
    // Numbered colours, one of them the targets' transparent colour and one black, which is a
    // colour like any other here; the other kinds' pixels carry an alpha each as well.
    std::vector<uint32_t> colors;
    std::vector<uint32_t> argb;
    for (int i = 0; i < kW * kH; ++i) {
        colors.push_back(i == 5 ? kTransparent : i == 6 ? 0 : 0x010101u * (i + 1) + 0x400000);
        argb.push_back(colors.back() | static_cast<uint32_t>(i * 12) << 24);
    }
    HImage gdiSource(kW, kH, nullptr);
    paint(gdiSource, colors);
    HDirectXImage d3dSource(kW, kH, DirectXSession::window());
    HMemoryImage memorySource(kW, kH);
    for (int i = 0; i < kW * kH; ++i) {
        at(d3dSource, i % kW, i / kW) = argb[static_cast<size_t>(i)];
        at(memorySource, i % kW, i / kW) = argb[static_cast<size_t>(i)];
    }

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
    HImage* const sources[] = {&gdiSource, &d3dSource, &memorySource};
    for (int targetKind = 0; targetKind < 2; ++targetKind) {
        for (HImage* source : sources) {
            if (targetKind == 1 && source == &d3dSource) {
                continue;  // Direct3D images draw onto Direct3D images only
            }
            for (const Case& c : cases) {
                std::unique_ptr<HImage> target;
                if (targetKind == 0) {
                    target.reset(new HDirectXImage(6, 5, DirectXSession::window()));
                } else {
                    target.reset(new HMemoryImage(6, 5));
                }
                ASSERT_TRUE(target->fill(HColor(0, 0, 0, 0x5A)));
                target->setSprite(HColor(0x12, 0x34, 0x56));
                EXPECT_TRUE(source->draw(target.get(), c.x, c.y, c.w, c.h, c.sx, c.sy));
                ASSERT_NE(target->getPixels(), nullptr);
                int rowLength = target->getStride() / 4;
                for (int y = 0; y < 5; ++y) {
                    for (int x = 0; x < rowLength; ++x) {
                        int64_t px = int64_t{x} - c.x + c.sx;
                        int64_t py = int64_t{y} - c.y + c.sy;
                        bool inside = x < 6 && x >= c.x && int64_t{x} < int64_t{c.x} + c.w
                                      && y >= c.y && int64_t{y} < int64_t{c.y} + c.h && px >= 0
                                      && px < kW && py >= 0 && py < kH;
                        uint32_t expected = kBackground;
                        size_t i = static_cast<size_t>(py * kW + px);
                        if (inside && source != &gdiSource) {
                            expected = argb[i];
                        } else if (inside && colors[i] != kTransparent) {
                            expected = 0xFF000000 | colors[i];
                        }
                        ASSERT_EQ(at(*target, x, y), expected)
                            << source->getClassName() << " onto " << target->getClassName() << " "
                            << c.x << " " << c.y << " " << c.w << " " << c.h << " " << c.sx << " "
                            << c.sy << " at " << x << "," << y;
                    }
                }
            }
        }
    }

    // Within one image, overlapping areas move as a whole: everything one row down.
    HImage* const selves[] = {&d3dSource, &memorySource};
    for (HImage* image : selves) {
        EXPECT_TRUE(image->draw(image, 0, 1, kW, kH, 0, 0));
        for (int i = 0; i < kW * kH; ++i) {
            size_t from = static_cast<size_t>(i < kW ? i : i - kW);
            EXPECT_EQ(at(*image, i % kW, i / kW), argb[from]) << image->getClassName() << " " << i;
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
    HMemoryImage memory(2, 2);
    memory.fill(HColor(0, 0, 255));
    EXPECT_FALSE(memory.draw(&target, 0, 0, 2, 2, 0, 0));
    EXPECT_FALSE(source.draw(&memory, 0, 0, 2, 2, 0, 0));
    EXPECT_EQ(at(memory, 1, 1), 0xFF0000FFu);
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
    EXPECT_EQ(at(image, 39, 29), 0xFF010203u);
    image.releasePixels();
    EXPECT_EQ(image.getStride(), 0);
    EXPECT_TRUE(image.setSprite(HColor::RED));
    EXPECT_EQ(image.getTransparentColor(), HColor::RED);
}

