#include "framework/graphics/HPngFile.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/PngDecoder.h"

TEST(PngFile, APictureEncodesAndDecodesBackPixelForPixel)
{
    const int width = 7;  // rows of 21 bytes: padding is needed
    const int height = 5;
    std::vector<uint32_t> picture;
    for (int i = 0; i < width * height; ++i) {
        picture.push_back(0xFF000000u | static_cast<uint32_t>(i * 0x050A11 + (i % 3) * 0x400000));
    }
    std::string png;
    std::string error;
    ASSERT_TRUE(HPngFile::encode(picture.data(), width, height, &png, &error)) << error;
    UINT w = 0;
    UINT h = 0;
    std::vector<uint32_t> back = decodePng(png, &w, &h);
    EXPECT_EQ(w, 7u);
    EXPECT_EQ(h, 5u);
    for (uint32_t& pixel : picture) {
        pixel &= 0xFFFFFF;
    }
    EXPECT_EQ(back, picture);

    EXPECT_FALSE(HPngFile::encode(picture.data(), 0, height, &png, &error));
    EXPECT_FALSE(HPngFile::encode(nullptr, width, height, &png, &error));
}
