#include "framework/HBitmapHeader.h"

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

TEST(HBitmapHeaderCheck, NamesTheFirstFieldThatLeavesTheFile)
{
    std::string good = BitmapFile::sample(8).build();  // 54 + 24 + 8 bytes
    struct Case {
        const char* what;
        size_t offset;
        int size;  // 2 or 4 bytes
        uint32_t value;
        HBitmapHeader::Field field;
    };
    const Case cases[] = {
        {"header size 12", BitmapFile::OFFSET_HEADER_SIZE, 4, 12, HBitmapHeader::FIELD_HEADER_SIZE},
        {"header size 39", BitmapFile::OFFSET_HEADER_SIZE, 4, 39, HBitmapHeader::FIELD_HEADER_SIZE},
        {"header past the end", BitmapFile::OFFSET_HEADER_SIZE, 4, 0xFFFFFFF0, HBitmapHeader::FIELD_HEADER_SIZE},
        {"width 0", BitmapFile::OFFSET_WIDTH, 4, 0, HBitmapHeader::FIELD_WIDTH},
        {"width negative", BitmapFile::OFFSET_WIDTH, 4, 0xFFFFFFFD, HBitmapHeader::FIELD_WIDTH},
        {"width huge", BitmapFile::OFFSET_WIDTH, 4, 0x7FFFFFFF, HBitmapHeader::FIELD_WIDTH},
        {"height 0", BitmapFile::OFFSET_HEIGHT, 4, 0, HBitmapHeader::FIELD_HEIGHT},
        {"height -2^31", BitmapFile::OFFSET_HEIGHT, 4, 0x80000000, HBitmapHeader::FIELD_HEIGHT},
        {"width x height overflows", BitmapFile::OFFSET_HEIGHT, 4, 0x40000000, HBitmapHeader::FIELD_HEIGHT},
        {"planes 0", BitmapFile::OFFSET_PLANES, 2, 0, HBitmapHeader::FIELD_PLANES},
        {"planes 2", BitmapFile::OFFSET_PLANES, 2, 2, HBitmapHeader::FIELD_PLANES},
        {"bit count 0", BitmapFile::OFFSET_BIT_COUNT, 2, 0, HBitmapHeader::FIELD_BIT_COUNT},
        {"bit count 7", BitmapFile::OFFSET_BIT_COUNT, 2, 7, HBitmapHeader::FIELD_BIT_COUNT},
        {"compression JPEG", BitmapFile::OFFSET_COMPRESSION, 4, 4, HBitmapHeader::FIELD_COMPRESSION},
        {"RLE4 on 8 bits", BitmapFile::OFFSET_COMPRESSION, 4, 2, HBitmapHeader::FIELD_COMPRESSION},
        {"bit fields on 8 bits", BitmapFile::OFFSET_COMPRESSION, 4, 3, HBitmapHeader::FIELD_COMPRESSION},
        {"257 colours", BitmapFile::OFFSET_COLORS_USED, 4, 257, HBitmapHeader::FIELD_PALETTE},
        {"table past the end", BitmapFile::OFFSET_COLORS_USED, 4, 200, HBitmapHeader::FIELD_PALETTE},
        {"bit offset at the end", BitmapFile::OFFSET_BIT_OFFSET, 4, 86, HBitmapHeader::FIELD_BIT_OFFSET},
        {"bit offset past the end", BitmapFile::OFFSET_BIT_OFFSET, 4, 0xFFFFFFFF, HBitmapHeader::FIELD_BIT_OFFSET},
        {"bit offset in the header", BitmapFile::OFFSET_BIT_OFFSET, 4, 20, HBitmapHeader::FIELD_BIT_OFFSET},
        {"rows past the end", BitmapFile::OFFSET_BIT_OFFSET, 4, 80, HBitmapHeader::FIELD_IMAGE_SIZE},
    };
    ASSERT_EQ(good.size(), 86u);
    for (const Case& c : cases) {
        std::string bytes = good;
        if (c.size == 2) {
            BitmapFile::put16(&bytes, c.offset, static_cast<uint16_t>(c.value));
        } else {
            BitmapFile::put32(&bytes, c.offset, c.value);
        }
        EXPECT_EQ(check(bytes), c.field) << c.what;
    }
}

TEST(HBitmapHeaderCheck, RefusesShortFilesForeignSignaturesAndBadCompressedData)
{
    std::string good = BitmapFile::sample(8).build();
    EXPECT_EQ(check(good.substr(0, 17)), HBitmapHeader::FIELD_FILE_HEADER);
    EXPECT_EQ(check(good.substr(0, 40)), HBitmapHeader::FIELD_HEADER_SIZE);
    HBitmapHeader header;
    EXPECT_EQ(HBitmapHeader::check(nullptr, 100, &header), HBitmapHeader::FIELD_FILE_HEADER);
    std::string foreign = good;
    foreign[0] = 'P';
    EXPECT_EQ(check(foreign), HBitmapHeader::FIELD_SIGNATURE);
    // Deeper pixels may carry a table of up to 256 colours, all inside the file.
    BitmapFile deep = BitmapFile::sample(24);
    deep.palette.assign(256, 0x123456);
    EXPECT_EQ(check(deep.build()), HBitmapHeader::FIELD_NONE);
    deep.palette.push_back(0);
    EXPECT_EQ(check(deep.build()), HBitmapHeader::FIELD_PALETTE);

    // Compressed rows: the image size says how much the platform reads.
    std::string rle = good;
    BitmapFile::put32(&rle, BitmapFile::OFFSET_COMPRESSION, 1);
    BitmapFile::put32(&rle, BitmapFile::OFFSET_IMAGE_SIZE, 8);
    EXPECT_EQ(check(rle), HBitmapHeader::FIELD_NONE);
    BitmapFile::put32(&rle, BitmapFile::OFFSET_IMAGE_SIZE, 9);
    EXPECT_EQ(check(rle), HBitmapHeader::FIELD_IMAGE_SIZE);
    BitmapFile::put32(&rle, BitmapFile::OFFSET_IMAGE_SIZE, 0);
    EXPECT_EQ(check(rle), HBitmapHeader::FIELD_IMAGE_SIZE);
    BitmapFile::put32(&rle, BitmapFile::OFFSET_IMAGE_SIZE, 8);
    BitmapFile::put32(&rle, BitmapFile::OFFSET_HEIGHT, static_cast<uint32_t>(-2));
    EXPECT_EQ(check(rle), HBitmapHeader::FIELD_COMPRESSION);  // compressed rows are bottom-up only
}

TEST(HBitmapHeaderCheck, AFewCompressedBytesCannotClaimAHugePicture)
{
    // A run-length picture of a few bytes that the platform would decode into any size.
    std::string rle = BitmapFile::sample(8).build();
    BitmapFile::put32(&rle, BitmapFile::OFFSET_COMPRESSION, HBitmapHeader::COMP_RLE8);
    BitmapFile::put32(&rle, BitmapFile::OFFSET_IMAGE_SIZE, 8);
    struct Case {
        uint32_t width;
        uint32_t height;
        HBitmapHeader::Field field;
    };
    const Case cases[] = {{2048, 2048, HBitmapHeader::FIELD_NONE},
                          {2048, 2049, HBitmapHeader::FIELD_HEIGHT},
                          {4194304, 1, HBitmapHeader::FIELD_NONE},
                          {4194305, 1, HBitmapHeader::FIELD_WIDTH},
                          {20000, 20000, HBitmapHeader::FIELD_HEIGHT}};
    for (const Case& c : cases) {
        std::string bytes = rle;
        BitmapFile::put32(&bytes, BitmapFile::OFFSET_WIDTH, c.width);
        BitmapFile::put32(&bytes, BitmapFile::OFFSET_HEIGHT, c.height);
        EXPECT_EQ(check(bytes), c.field) << c.width << " x " << c.height;
    }
}
