#include "resources/RSPngFile.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/PngDecoder.h"

namespace {

using Pixels = std::vector<uint32_t>;

Pixels noise(int count, std::mt19937* random)
{
    Pixels pixels;
    for (int i = 0; i < count; ++i) {
        pixels.push_back(static_cast<uint32_t>((*random)()));
    }
    return pixels;
}

// One row of noise over and over: matches at the distance of one row.
Pixels repeatedRows(int width, int height, std::mt19937* random)
{
    Pixels row = noise(width, random);
    Pixels pixels;
    for (int y = 0; y < height; ++y) {
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    return pixels;
}

struct Case {
    const char* name;
    int width;
    int height;
    Pixels (*make)(int width, int height, std::mt19937* random);
    // The largest share of the raw size the PNG file may take, so that a compressor that
    // stops finding matches is seen (noise cannot shrink).
    double largestShare;
};

const Case kCases[] = {
    {"noise", 61, 17, [](int w, int h, std::mt19937* r) { return noise(w * h, r); }, 1.1},
    {"one colour", 300, 200, [](int w, int h, std::mt19937*) { return Pixels(w * h, 0x80336699u); }, 0.01},
    {"one pixel", 1, 1, [](int, int, std::mt19937*) { return Pixels{0xFF102030u}; }, 60.0},
    {"one column", 1, 300,
     [](int, int h, std::mt19937*) {
         Pixels pixels;
         for (int y = 0; y < h; ++y) pixels.push_back(0xFF000000u | (y % 7) * 0x10101u);
         return pixels;
     }, 0.6},
    {"stripes", 8, 64,
     [](int w, int h, std::mt19937*) {
         Pixels pixels;
         for (int i = 0; i < w * h; ++i) pixels.push_back(0xFF000000u | (i / w % 2) * 0xFFFFFFu);
         return pixels;
     }, 0.2},
    // Rows of 801 and of 32001 bytes: short distances and nearly the whole window.
    {"repeated noise rows, near", 200, 40, repeatedRows, 0.1},
    {"repeated noise rows, far", 8000, 4, repeatedRows, 0.4},
    // Runs of random colours and lengths: every length code and many distance codes.
    {"runs", 257, 93,
     [](int w, int h, std::mt19937* r) {
         Pixels pixels;
         while (pixels.size() < static_cast<size_t>(w * h)) {
             uint32_t colour = static_cast<uint32_t>((*r)()) & 0xFF0F0F0F;
             pixels.insert(pixels.end(), (*r)() % 300, colour);
         }
         pixels.resize(w * h);
         return pixels;
     }, 0.5},
};

}  // namespace

TEST(PngFile, EveryKindOfPictureDecodesBackPixelForPixelAndCompressesWhereItCan)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::mt19937 random(7);
        Pixels pixels = c.make(c.width, c.height, &random);
        std::string png = RSPngFile::encode(pixels, c.width, c.height);
        UINT width = 0;
        UINT height = 0;
        std::vector<uint32_t> back = decodePng(png, &width, &height, true);
        EXPECT_EQ(width, static_cast<UINT>(c.width));
        EXPECT_EQ(height, static_cast<UINT>(c.height));
        EXPECT_TRUE(back == pixels);
        EXPECT_LE(png.size(), c.largestShare * pixels.size() * 4);
    }
}

TEST(PngFile, AWrongSizeGivesNoFile)
{
    std::vector<uint32_t> pixels(12, 0xFF000000u);
    EXPECT_EQ(RSPngFile::encode(pixels, 4, 3).substr(1, 3), "PNG");
    EXPECT_EQ(RSPngFile::encode(pixels, 4, 4), "");
    EXPECT_EQ(RSPngFile::encode(pixels, 0, 3), "");
    EXPECT_EQ(RSPngFile::encode(pixels, -4, -3), "");
}
