#include "resources/RSIconFile.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/base/HWin32.h"
#include "resources/RSIconPainter.h"
#include "tests/support/TestFolder.h"

namespace {

using Pixels = std::vector<uint32_t>;
const int kSizes[] = {16, 32, 48, 256};

// An icon's pixels as the platform made them, 0xAARRGGBB, top row first.
Pixels iconPixels(HICON icon, int size)
{
    Pixels pixels;
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) {
        return pixels;
    }
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = size;
    format.bmiHeader.biHeight = -size;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    pixels.resize(static_cast<size_t>(size) * size);
    HDC screen = GetDC(nullptr);
    if (GetDIBits(screen, info.hbmColor, 0, size, pixels.data(), &format, DIB_RGB_COLORS) != size) {
        pixels.clear();
    }
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return pixels;
}

std::vector<RSIconFile::Picture> painted()
{
    std::vector<RSIconFile::Picture> pictures;
    for (int size : kSizes) {
        pictures.push_back({size, RSIconPainter::paint(size)});
    }
    return pictures;
}

}  // namespace

TEST(IconFile, EverySizeLoadsAsItsOwnPicturePixelForPixel)
{
    TestFolder folder;
    std::vector<RSIconFile::Picture> pictures = painted();
    TestFolder::write("Tessel.ico", RSIconFile::build(pictures));
    std::string path = folder.path() + "\\Tessel.ico";
    for (const RSIconFile::Picture& picture : pictures) {
        SCOPED_TRACE(picture.size);
        HICON icon = static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, picture.size,
                                                   picture.size, LR_LOADFROMFILE));
        ASSERT_NE(icon, nullptr);
        // A size without its own picture would be scaled from another one and differ.
        EXPECT_TRUE(iconPixels(icon, picture.size) == picture.pixels);
        DestroyIcon(icon);
    }
}

TEST(IconFile, TheSmallPicturesCarryAMaskForReadersWithoutAlpha)
{
    for (const RSIconFile::Picture& picture : painted()) {
        if (picture.size > RSIconFile::LARGEST_DIB) {
            EXPECT_EQ(RSIconFile::pictureData(picture).substr(1, 3), "PNG");
            continue;
        }
        SCOPED_TRACE(picture.size);
        std::string data = RSIconFile::pictureData(picture);
        const int stride = (picture.size + 31) / 32 * 4;
        const size_t maskStart = 40 + picture.pixels.size() * 4;
        ASSERT_EQ(data.size(), maskStart + static_cast<size_t>(stride) * picture.size);
        for (int y = 0; y < picture.size; ++y) {
            for (int x = 0; x < picture.size; ++x) {
                // Mask rows are stored bottom-up, like the colours.
                uint8_t bits = static_cast<uint8_t>(data[maskStart + (picture.size - 1 - y) * stride + x / 8]);
                bool masked = (bits & (0x80 >> (x % 8))) != 0;
                bool transparent = (picture.pixels[y * picture.size + x] >> 24) == 0;
                ASSERT_EQ(masked, transparent) << x << "," << y;
            }
        }
    }
}

TEST(IconFile, PicturesThatAreNotSquareOrTooLargeGiveNoFile)
{
    std::vector<RSIconFile::Picture> pictures = painted();
    EXPECT_FALSE(RSIconFile::build(pictures).empty());
    pictures[1].pixels.pop_back();
    EXPECT_EQ(RSIconFile::build(pictures), "");
    EXPECT_EQ(RSIconFile::build({{512, Pixels(512 * 512, 0xFF000000u)}}), "");
    EXPECT_EQ(RSIconFile::build({{0, Pixels()}}), "");
}

TEST(IconPainter, EverySizeIsCellsOnATransparentGround)
{
    for (int size : {1, 16, 31, 32, 47, 48, 256}) {
        SCOPED_TRACE(size);
        Pixels pixels = RSIconPainter::paint(size);
        ASSERT_EQ(pixels.size(), static_cast<size_t>(size) * size);
        if (size < 16) {
            continue;
        }
        // The corners lie outside every hexagon; the middle is inside a cell.
        EXPECT_EQ(pixels[0] >> 24, 0u);
        EXPECT_EQ(pixels[size - 1] >> 24, 0u);
        EXPECT_EQ(pixels[(size - 1) * size] >> 24, 0u);
        EXPECT_EQ(pixels.back() >> 24, 0u);
        EXPECT_EQ(pixels[size / 2 * size + size / 2] >> 24, 0xFFu);
        int opaque = 0;
        for (uint32_t pixel : pixels) {
            opaque += (pixel >> 24) == 0xFF;
        }
        // The cells fill most of the square, as an icon should.
        EXPECT_GT(opaque, size * size * 2 / 5);
    }
    EXPECT_TRUE(RSIconPainter::paint(0).empty());
    EXPECT_TRUE(RSIconPainter::paint(1025).empty());
}
