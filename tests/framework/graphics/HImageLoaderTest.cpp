#include "framework/graphics/HImageLoader.h"

#include <gtest/gtest.h>

#include "framework/graphics/HFont.h"
#include "framework/graphics/HImage.h"
#include "tests/support/BitmapFile.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

namespace {

// Pixel (x, y) of a GDI image, y counted from the top, read afresh from its bitmap.
uint32_t pixel(HImage& image, int x, int y)
{
    image.lockPixels();
    return image.getPixels()[static_cast<size_t>(image.getHeight() - 1 - y) * image.getWidth() + x]
           & 0xFFFFFF;
}

std::vector<uint32_t> picture(HImage& image)
{
    std::vector<uint32_t> colors;
    for (int y = 0; y < image.getHeight(); ++y) {
        for (int x = 0; x < image.getWidth(); ++x) {
            colors.push_back(pixel(image, x, y));
        }
    }
    return colors;
}

int load(const std::string& bytes, HImage* image, bool resize = true)
{
    TestFolder::write("chips.bmp", bytes);
    return HImageLoader::loadImageFile(HFile("chips.bmp"), image, resize);
}

}  // namespace

TEST(HImageLoaderLoad, EveryDepthRowOrderAndHeaderSizeGivesTheSamePicture)
{
    TestFolder folder;
    struct Case {
        uint16_t bitCount;
        uint32_t headerSize;
        uint32_t compression;
        bool topDown;
    };
    const Case cases[] = {
        {1, 40, 0, false},  {1, 40, 0, true},    {4, 40, 0, false},   {4, 40, 0, true},
        {8, 40, 0, false},  {8, 40, 0, true},    {16, 40, 3, false},  {24, 40, 0, false},
        {24, 40, 0, true},  {32, 40, 0, false},  {32, 40, 0, true},   {24, 108, 0, false},
        {24, 124, 0, true}, {8, 108, 0, false},  {16, 124, 3, true},
    };
    for (const Case& c : cases) {
        BitmapFile file = BitmapFile::sample(c.bitCount);
        file.headerSize = c.headerSize;
        file.compression = c.compression;
        file.topDown = c.topDown;
        HImage image;
        ASSERT_EQ(load(file.build(), &image), HImageLoader::LOAD_OK)
            << c.bitCount << " bits, header " << c.headerSize << (c.topDown ? " top-down" : "");
        EXPECT_EQ(image.getWidth(), 3);
        EXPECT_EQ(image.getHeight(), 2);
        EXPECT_EQ(picture(image), file.picture)
            << c.bitCount << " bits, header " << c.headerSize << (c.topDown ? " top-down" : "");
    }
}

// Without resizing, the image keeps its size, the picture lands in its top-left corner and
// the rest stays black. (How each depth and compression becomes pixels is the platform's.)
TEST(HImageLoaderLoad, WithoutResizeTheImageKeepsItsSize)
{
    TestFolder folder;
    HImage fixed(5, 4, nullptr);
    ASSERT_EQ(load(BitmapFile::sample(24).build(), &fixed, false), HImageLoader::LOAD_OK);
    EXPECT_EQ(fixed.getWidth(), 5);
    EXPECT_EQ(fixed.getHeight(), 4);
    EXPECT_EQ(pixel(fixed, 0, 0), 0xFF0000u);
    EXPECT_EQ(pixel(fixed, 2, 1), 0xFFFF00u);
    EXPECT_EQ(pixel(fixed, 4, 3), 0u);
}

TEST(HImageLoaderLoad, MissingOrUnreadableFilesAndAMissingImageAreReported)
{
    TestFolder folder;
    LogCapture log({"info"});
    HImage image;
    EXPECT_EQ(HImageLoader::loadImageFile(HFile("none.bmp"), &image, true), HImageLoader::LOAD_NO_FILE);
    EXPECT_EQ(HImageLoader::loadImageFile(HFile("none.bmp"), nullptr, true), HImageLoader::LOAD_NO_FILE);
    TestFolder::write("chips.bmp", BitmapFile::sample(24).build());
    EXPECT_EQ(HImageLoader::loadImageFile(HFile("chips.bmp"), nullptr, true), HImageLoader::LOAD_NO_IMAGE);
    TestFolder::makeFolder("folder.bmp");
    EXPECT_EQ(HImageLoader::loadImageFile(HFile("folder.bmp"), &image, true), HImageLoader::LOAD_ERROR);
    EXPECT_EQ(log.missing({"loadImageFile:file does not exist", "loadImageFile:image is null",
                           "loadImageFile:read file error"}),
              "");
}

TEST(HImageLoaderLoad, BadHeadersFailNamingTheFieldAndLeaveTheImageAlone)
{
    TestFolder folder;
    LogCapture log({"info"});
    const std::string good = BitmapFile::sample(8).build();  // 86 bytes, bits at 78
    struct Case {
        size_t offset;
        int size;
        uint32_t value;
        const char* message;
    };
    const Case cases[] = {
        {BitmapFile::OFFSET_HEADER_SIZE, 4, 12, "loadImageFile:not supported bitmap(os2 dib)"},
        {BitmapFile::OFFSET_HEADER_SIZE, 4, 20, "loadImageFile:not supported bitmap(unknown)"},
        {BitmapFile::OFFSET_HEADER_SIZE, 4, 0xFFFFFFF0, "loadImageFile:invalid header size"},
        {BitmapFile::OFFSET_WIDTH, 4, 0, "loadImageFile:invalid width"},
        {BitmapFile::OFFSET_HEIGHT, 4, 0, "loadImageFile:invalid height"},
        {BitmapFile::OFFSET_PLANES, 2, 3, "loadImageFile:invalid planes"},
        {BitmapFile::OFFSET_BIT_COUNT, 2, 2, "loadImageFile:invalid bit count"},
        {BitmapFile::OFFSET_COMPRESSION, 4, 5, "loadImageFile:invalid compression"},
        {BitmapFile::OFFSET_COLORS_USED, 4, 0x40000000, "loadImageFile:invalid palette"},
        {BitmapFile::OFFSET_BIT_OFFSET, 4, 86, "loadImageFile:invalid bit offset"},
        {BitmapFile::OFFSET_BIT_OFFSET, 4, 84, "loadImageFile:invalid image size"},
    };
    for (const Case& c : cases) {
        std::string bytes = good;
        if (c.size == 2) {
            BitmapFile::put16(&bytes, c.offset, static_cast<uint16_t>(c.value));
        } else {
            BitmapFile::put32(&bytes, c.offset, c.value);
        }
        HImage image(4, 4, nullptr);
        image.fill(HColor(1, 2, 3));
        EXPECT_EQ(load(bytes, &image), HImageLoader::LOAD_ERROR) << c.message;
        EXPECT_EQ(image.getWidth(), 4) << c.message;
        EXPECT_EQ(pixel(image, 0, 0), 0x010203u) << c.message;
    }
    HImage image;
    std::string foreign = good;
    foreign[1] = 'A';
    EXPECT_EQ(load(foreign, &image), HImageLoader::LOAD_ERROR);
    EXPECT_EQ(load(good.substr(0, 10), &image), HImageLoader::LOAD_ERROR);
    EXPECT_EQ(load("", &image), HImageLoader::LOAD_ERROR);

    std::string text = log.text();
    for (const Case& c : cases) {
        EXPECT_NE(text.find(c.message), std::string::npos) << c.message;
    }
    EXPECT_EQ(log.missing({"loadImageFile:header error", "loadImageFile:not a bitmap file",
                           "loadImageFile:invalid file header"}),
              "");
}

namespace {

// A GDI image of the given size whose pixel copy is all zero, addressed in buffer order.
struct Canvas {
    Canvas(int width, int height) : image(width, height, nullptr)
    {
        image.lockPixels();
    }
    uint32_t at(int x, int row) { return image.getPixels()[static_cast<size_t>(row) * image.getWidth() + x]; }
    int count(uint32_t color)
    {
        int n = 0;
        for (int i = 0; i < image.getWidth() * image.getHeight(); ++i) {
            n += image.getPixels()[i] == color ? 1 : 0;
        }
        return n;
    }
    // The buffer as text rows, '#' for the colour, '.' otherwise.
    std::string rows(uint32_t color)
    {
        std::string text;
        for (int row = 0; row < image.getHeight(); ++row) {
            for (int x = 0; x < image.getWidth(); ++x) {
                text += at(x, row) == color ? '#' : '.';
            }
            text += '\n';
        }
        return text;
    }
    HImage image;
};

const uint32_t kRed = 0xFFFF0000;

}  // namespace

TEST(HImageLoaderPixels, FrameAndRectangleClipToTheBuffer)
{
    struct Case {
        int x, y, w, h;
        const char* frame;
        const char* filled;
    };
    const Case cases[] = {
        {1, 1, 3, 3, ".....\n.###.\n.#.#.\n.###.\n", ".....\n.###.\n.###.\n.###.\n"},
        {1, 0, 1, 4, ".#...\n.#...\n.#...\n.#...\n", ".#...\n.#...\n.#...\n.#...\n"},
        {0, 2, 5, 1, ".....\n.....\n#####\n.....\n", ".....\n.....\n#####\n.....\n"},
        {-2, -2, 4, 4, ".#...\n##...\n.....\n.....\n", "##...\n##...\n.....\n.....\n"},
        {3, 2, 9, 9, ".....\n.....\n...##\n...#.\n", ".....\n.....\n...##\n...##\n"},
        {-1, 1, 7, 2, ".....\n#####\n#####\n.....\n", ".....\n#####\n#####\n.....\n"},
        {-5, -5, 3, 3, ".....\n.....\n.....\n.....\n", ".....\n.....\n.....\n.....\n"},
        {5, 0, 2, 2, ".....\n.....\n.....\n.....\n", ".....\n.....\n.....\n.....\n"},
        {1, 1, 0, 2, ".....\n.....\n.....\n.....\n", ".....\n.....\n.....\n.....\n"},
        {2147483647, 2147483647, 2147483647, 2147483647, ".....\n.....\n.....\n.....\n",
         ".....\n.....\n.....\n.....\n"},
    };
    for (const Case& c : cases) {
        Canvas frame(5, 4);
        HImageLoader::drawFrame(&frame.image, c.x, c.y, c.w, c.h, HColor(255, 0, 0));
        EXPECT_EQ(frame.rows(kRed), c.frame) << c.x << "," << c.y << " " << c.w << "x" << c.h;
        Canvas filled(5, 4);
        HImageLoader::fillRect(&filled.image, c.x, c.y, c.w, c.h, HColor(255, 0, 0));
        EXPECT_EQ(filled.rows(kRed), c.filled) << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
    HImageLoader::drawFrame(nullptr, 0, 0, 1, 1, HColor::RED);
    HImageLoader::fillRect(nullptr, 0, 0, 1, 1, HColor::RED);
}

TEST(HImageLoaderPixels, ShiftJisTextWithABackslashTrailByteIsOneCharacter)
{
    HFont font("ＭＳ ゴシック", HFont::STYLE_PLAIN, 12);
    Canvas latin(64, 32);
    int half = HImageLoader::drawString(&latin.image, 0, 0, &font, "A", HColor(255, 0, 0));
    ASSERT_GT(half, 0);
    Canvas so(64, 32);
    // "ソ" is 83 5C: read as two characters, the second would be a backslash (a yen sign).
    EXPECT_EQ(HImageLoader::drawString(&so.image, 0, 0, &font, "ソ", HColor(255, 0, 0)), 2 * half);
    Canvas kana(64, 32);
    EXPECT_EQ(HImageLoader::drawString(&kana.image, 0, 0, &font, "あ", HColor(255, 0, 0)), 2 * half);
    Canvas backslash(64, 32);
    EXPECT_EQ(HImageLoader::drawString(&backslash.image, 0, 0, &font, "\\", HColor(255, 0, 0)), half);
    EXPECT_GT(so.count(kRed), 10);
    EXPECT_NE(so.rows(kRed), backslash.rows(kRed));
    EXPECT_NE(so.rows(kRed), kana.rows(kRed));
    // Every set pixel lies within the character's advance.
    for (int row = 0; row < 32; ++row) {
        for (int x = 2 * half; x < 64; ++x) {
            EXPECT_NE(so.at(x, row), kRed);
        }
    }
    EXPECT_EQ(HImageLoader::drawString(&so.image, 0, 0, &font, "", HColor::RED), -1);
    EXPECT_EQ(HImageLoader::drawString(&so.image, 0, 0, nullptr, "A", HColor::RED), -1);
    EXPECT_EQ(HImageLoader::drawString(nullptr, 0, 0, &font, "A", HColor::RED), -1);
    // A lead byte at the end of the text stands alone.
    EXPECT_GE(HImageLoader::drawString(&so.image, 0, 0, &font, std::string("A\x83"), HColor::RED), half);
}

TEST(HImageLoaderPixels, TextPartlyLeftOfOrAboveTheBufferIsClippedThere)
{
    HFont font("ＭＳ ゴシック", HFont::STYLE_BOLD, 12);
    Canvas whole(80, 40);
    HImageLoader::drawString(&whole.image, 10, 6, &font, "地図W", HColor(255, 0, 0));
    ASSERT_GT(whole.count(kRed), 20);
    Canvas shifted(48, 24);
    HImageLoader::drawString(&shifted.image, -4, -5, &font, "地図W", HColor(255, 0, 0));
    // Moved 14 left and 11 up in buffer order: what is left matches.
    for (int row = 0; row < 24; ++row) {
        for (int x = 0; x < 48; ++x) {
            ASSERT_EQ(shifted.at(x, row), whole.at(x + 14, row + 11)) << x << "," << row;
        }
    }
    Canvas none(8, 8);
    HImageLoader::drawString(&none.image, -500, -500, &font, "地図", HColor(255, 0, 0));
    HImageLoader::drawString(&none.image, 100, 100, &font, "地図", HColor(255, 0, 0));
    EXPECT_EQ(none.count(kRed), 0);
}
