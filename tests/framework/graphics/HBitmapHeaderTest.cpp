#include "framework/graphics/HBitmapHeader.h"

#include <gtest/gtest.h>

#include "tests/support/BitmapFile.h"

namespace {

HBitmapHeader::Field check(const std::string& bytes, HBitmapHeader* header)
{
    return HBitmapHeader::check(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), header);
}

HBitmapHeader::Field check(const std::string& bytes)
{
    HBitmapHeader header;
    return check(bytes, &header);
}

// Copies of the bytes with a field set.
std::string set16(std::string bytes, size_t offset, uint16_t value)
{
    BitmapFile::put16(&bytes, offset, value);
    return bytes;
}

std::string set32(std::string bytes, size_t offset, uint32_t value)
{
    BitmapFile::put32(&bytes, offset, value);
    return bytes;
}

std::string picture(const std::string& bytes, uint32_t width, uint32_t height)
{
    return set32(set32(bytes, BitmapFile::OFFSET_WIDTH, width), BitmapFile::OFFSET_HEIGHT, height);
}

}  // namespace

TEST(HBitmapHeaderCheck, AcceptsEveryDepthAndHeaderSizeAndDerivesTheSizes)
{
    struct Case {
        uint16_t bitCount;
        uint32_t headerSize;
        uint32_t compression;
        bool topDown;
        uint32_t stride;
        uint32_t tableSize;
    };
    const Case cases[] = {
        {1, 40, 0, false, 4, 8},    {4, 40, 0, true, 4, 24},    {8, 40, 0, false, 4, 24},
        {16, 40, 0, false, 8, 0},   {16, 40, 3, true, 8, 12},   {24, 40, 0, false, 12, 0},
        {32, 40, 0, true, 12, 0},   {24, 108, 0, false, 12, 0}, {8, 124, 0, true, 4, 24},
        {16, 124, 3, false, 8, 0},
    };
    for (const Case& c : cases) {
        BitmapFile file = BitmapFile::sample(c.bitCount);
        file.headerSize = c.headerSize;
        file.compression = c.compression;
        file.topDown = c.topDown;
        std::string bytes = file.build();
        HBitmapHeader header;
        ASSERT_EQ(check(bytes, &header), HBitmapHeader::FIELD_NONE) << c.bitCount << " " << c.headerSize;
        EXPECT_EQ(header.width, 3);
        EXPECT_EQ(header.height, c.topDown ? -2 : 2);
        EXPECT_EQ(header.rows, 2u);
        EXPECT_EQ(header.stride, c.stride) << c.bitCount;
        EXPECT_EQ(header.tableSize, c.tableSize) << c.bitCount << " " << c.headerSize;
        EXPECT_EQ(header.bitsSize, c.stride * 2);
        EXPECT_EQ(header.bitOffset + header.bitsSize, bytes.size());
    }
}

TEST(HBitmapHeaderCheck, NamesTheFirstFieldThatIsWrongOrLeavesTheFile)
{
    using B = BitmapFile;
    using H = HBitmapHeader;
    const std::string good = B::sample(8).build();  // 54 + 24 + 8 bytes
    ASSERT_EQ(good.size(), 86u);
    // Deeper pixels may carry a table of up to 256 colours, all inside the file.
    BitmapFile deep = B::sample(24);
    deep.palette.assign(256, 0x123456);
    const std::string fullTable = deep.build();
    deep.palette.push_back(0);
    // Run-length rows: the image size says how much the platform reads, and a few compressed
    // bytes must not claim a picture of any size.
    const std::string rle =
        set32(set32(good, B::OFFSET_COMPRESSION, H::COMP_RLE8), B::OFFSET_IMAGE_SIZE, 8);
    struct Case {
        const char* what;
        std::string bytes;
        H::Field field;
    };
    const Case cases[] = {
        {"17 bytes", good.substr(0, 17), H::FIELD_FILE_HEADER},
        {"40 bytes", good.substr(0, 40), H::FIELD_HEADER_SIZE},
        {"foreign signature", "P" + good.substr(1), H::FIELD_SIGNATURE},
        {"header size 12", set32(good, B::OFFSET_HEADER_SIZE, 12), H::FIELD_HEADER_SIZE},
        {"header size 39", set32(good, B::OFFSET_HEADER_SIZE, 39), H::FIELD_HEADER_SIZE},
        {"header too long", set32(good, B::OFFSET_HEADER_SIZE, 0xFFFFFFF0), H::FIELD_HEADER_SIZE},
        {"width 0", set32(good, B::OFFSET_WIDTH, 0), H::FIELD_WIDTH},
        {"width negative", set32(good, B::OFFSET_WIDTH, 0xFFFFFFFD), H::FIELD_WIDTH},
        {"width huge", set32(good, B::OFFSET_WIDTH, 0x7FFFFFFF), H::FIELD_WIDTH},
        {"height 0", set32(good, B::OFFSET_HEIGHT, 0), H::FIELD_HEIGHT},
        {"height -2^31", set32(good, B::OFFSET_HEIGHT, 0x80000000), H::FIELD_HEIGHT},
        {"width x height overflows", set32(good, B::OFFSET_HEIGHT, 0x40000000), H::FIELD_HEIGHT},
        {"planes 0", set16(good, B::OFFSET_PLANES, 0), H::FIELD_PLANES},
        {"planes 2", set16(good, B::OFFSET_PLANES, 2), H::FIELD_PLANES},
        {"bit count 0", set16(good, B::OFFSET_BIT_COUNT, 0), H::FIELD_BIT_COUNT},
        {"bit count 7", set16(good, B::OFFSET_BIT_COUNT, 7), H::FIELD_BIT_COUNT},
        {"compression JPEG", set32(good, B::OFFSET_COMPRESSION, 4), H::FIELD_COMPRESSION},
        {"RLE4 on 8 bits", set32(good, B::OFFSET_COMPRESSION, 2), H::FIELD_COMPRESSION},
        {"bit fields on 8 bits", set32(good, B::OFFSET_COMPRESSION, 3), H::FIELD_COMPRESSION},
        {"257 colours", set32(good, B::OFFSET_COLORS_USED, 257), H::FIELD_PALETTE},
        {"table past the end", set32(good, B::OFFSET_COLORS_USED, 200), H::FIELD_PALETTE},
        {"256 colours on 24 bits", fullTable, H::FIELD_NONE},
        {"257 colours on 24 bits", deep.build(), H::FIELD_PALETTE},
        {"bit offset at the end", set32(good, B::OFFSET_BIT_OFFSET, 86), H::FIELD_BIT_OFFSET},
        {"bit offset too far", set32(good, B::OFFSET_BIT_OFFSET, 0xFFFFFFFF), H::FIELD_BIT_OFFSET},
        {"bit offset in the header", set32(good, B::OFFSET_BIT_OFFSET, 20), H::FIELD_BIT_OFFSET},
        {"rows past the end", set32(good, B::OFFSET_BIT_OFFSET, 80), H::FIELD_IMAGE_SIZE},
        {"RLE8 of 8 bytes", rle, H::FIELD_NONE},
        {"RLE8 of 9 bytes", set32(rle, B::OFFSET_IMAGE_SIZE, 9), H::FIELD_IMAGE_SIZE},
        {"RLE8 of 0 bytes", set32(rle, B::OFFSET_IMAGE_SIZE, 0), H::FIELD_IMAGE_SIZE},
        {"RLE8 top-down", picture(rle, 3, static_cast<uint32_t>(-2)), H::FIELD_COMPRESSION},
        {"RLE8 2048 x 2048", picture(rle, 2048, 2048), H::FIELD_NONE},
        {"RLE8 2048 x 2049", picture(rle, 2048, 2049), H::FIELD_HEIGHT},
        {"RLE8 4194304 x 1", picture(rle, 4194304, 1), H::FIELD_NONE},
        {"RLE8 4194305 x 1", picture(rle, 4194305, 1), H::FIELD_WIDTH},
        {"RLE8 20000 x 20000", picture(rle, 20000, 20000), H::FIELD_HEIGHT},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(check(c.bytes), c.field) << c.what;
    }
    HBitmapHeader header;
    EXPECT_EQ(HBitmapHeader::check(nullptr, 100, &header), H::FIELD_FILE_HEADER);
}
