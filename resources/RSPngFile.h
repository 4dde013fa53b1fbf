#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Encodes a picture with transparency as the bytes of a PNG file: 8-bit RGBA, no filter, one
// IDAT chunk compressed by RSDeflate.
class RSPngFile {
public:
    // width x height pixels, top row first, each 0xAARRGGBB (straight, not premultiplied,
    // alpha). Empty when the pixel count does not match the size.
    static std::string encode(const std::vector<uint32_t>& pixels, int width, int height);
    // The CRC-32 that ends every chunk, over its type and data.
    static uint32_t crc32(const std::string& bytes);
};
