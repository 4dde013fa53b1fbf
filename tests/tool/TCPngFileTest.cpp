#include "tool/TCPngFile.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/PngDecoder.h"

namespace {

struct Picture {
    const char* name;
    int width;
    int height;
    size_t mostBytes;  // 0: any size
    // 0x00RRGGBB of a pixel, given its place and a random number.
    uint32_t (*pixel)(int x, int y, uint32_t random);
};

// Flat, tiled with a few stray pixels (the matches a map gives: along the row, from the row
// above, up to the window's far end), and noise (no matches at all).
const Picture kPictures[] = {
    {"odd rows", 7, 5, 0, [](int x, int y, uint32_t) { return static_cast<uint32_t>((y * 7 + x) * 0x050A11); }},
    {"one colour", 1040, 1024, 64 * 1024, [](int, int, uint32_t) { return 0x336699u; }},
    {"tiles", 700, 90, 0,
     [](int x, int y, uint32_t random) {
         return random % 97 == 0 ? random & 0xFFFFFF : static_cast<uint32_t>((x % 32) * 0x070301 + (y % 24) * 0x000B05);
     }},
    {"noise", 61, 67, 0, [](int, int, uint32_t random) { return random & 0xFFFFFF; }},
};

}  // namespace

TEST(PngFile, PicturesDecodeBackPixelForPixelWithThePlatformsDecoder)
{
    std::mt19937 random(7);
    for (const Picture& kind : kPictures) {
        std::vector<uint32_t> picture;
        for (int y = 0; y < kind.height; ++y) {
            for (int x = 0; x < kind.width; ++x) {
                picture.push_back(kind.pixel(x, y, random()));
            }
        }
        std::vector<uint32_t> withAlpha = picture;
        for (uint32_t& pixel : withAlpha) {
            pixel |= 0xFF000000u;  // the top byte is not part of the picture
        }
        std::string png;
        std::string error;
        ASSERT_TRUE(TCPngFile::encode(withAlpha.data(), kind.width, kind.height, &png, &error)) << error;
        UINT width = 0;
        UINT height = 0;
        EXPECT_EQ(decodePng(png, &width, &height), picture) << kind.name;
        EXPECT_EQ(width, static_cast<UINT>(kind.width)) << kind.name;
        EXPECT_EQ(height, static_cast<UINT>(kind.height)) << kind.name;
        if (kind.mostBytes != 0) {
            EXPECT_LE(png.size(), kind.mostBytes) << kind.name << " is not compressed";
        }
    }
    std::string png;
    std::string error;
    uint32_t pixel = 0;
    EXPECT_FALSE(TCPngFile::encode(&pixel, 0, 1, &png, &error));
    EXPECT_FALSE(TCPngFile::encode(nullptr, 1, 1, &png, &error));
}
