#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes Windows BMP files byte by byte for the loader's tests, independent of the code under
// test. The picture is given top row first as 0x00RRGGBB colours; palette formats look each
// colour up in the palette. Every header field can be overridden after build().
struct BitmapFile {
    uint32_t headerSize = 40;  // the information header or a longer version of it
    uint16_t bitCount = 24;
    bool topDown = false;
    uint32_t compression = 0;
    std::vector<uint32_t> palette;  // 0x00RRGGBB; written as the colour table when not empty
    int width = 0;
    std::vector<uint32_t> picture;  // width x height colours, top row first

    // The whole file: file header, information header, colour table, rows padded to 4 bytes.
    std::string build() const;

    // Byte offsets of the fields, for tests that spoil one.
    static constexpr size_t OFFSET_BIT_OFFSET = 10;
    static constexpr size_t OFFSET_HEADER_SIZE = 14;
    static constexpr size_t OFFSET_WIDTH = 18;
    static constexpr size_t OFFSET_HEIGHT = 22;
    static constexpr size_t OFFSET_PLANES = 26;
    static constexpr size_t OFFSET_BIT_COUNT = 28;
    static constexpr size_t OFFSET_COMPRESSION = 30;
    static constexpr size_t OFFSET_IMAGE_SIZE = 34;
    static constexpr size_t OFFSET_COLORS_USED = 46;
    static void put16(std::string* bytes, size_t offset, uint16_t value);
    static void put32(std::string* bytes, size_t offset, uint32_t value);

    // A small picture with six different colours: red, green, blue over white, black, yellow.
    static BitmapFile sample(uint16_t bitCount);
};
