#include "resources/RSPngFile.h"

#include "resources/RSDeflate.h"

namespace {

void putBigEndian(std::string* out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out->push_back(static_cast<char>(value >> shift));
    }
}

void putChunk(std::string* out, const char* type, const std::string& data)
{
    putBigEndian(out, static_cast<uint32_t>(data.size()));
    std::string typed = std::string(type, 4) + data;
    out->append(typed);
    putBigEndian(out, RSPngFile::crc32(typed));
}

}  // namespace

uint32_t RSPngFile::crc32(const std::string& bytes)
{
    uint32_t crc = 0xFFFFFFFF;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
        }
    }
    return crc ^ 0xFFFFFFFF;
}

std::string RSPngFile::encode(const std::vector<uint32_t>& pixels, int width, int height)
{
    if (width <= 0 || height <= 0
        || pixels.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) {
        return std::string();
    }
    std::string header;
    putBigEndian(&header, static_cast<uint32_t>(width));
    putBigEndian(&header, static_cast<uint32_t>(height));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter, no interlace

    std::string rows;
    rows.reserve(static_cast<size_t>(height) * (1 + 4 * static_cast<size_t>(width)));
    for (int y = 0; y < height; ++y) {
        rows.push_back('\0');  // filter type: none
        for (int x = 0; x < width; ++x) {
            uint32_t p = pixels[static_cast<size_t>(y) * width + x];
            rows.push_back(static_cast<char>(p >> 16));
            rows.push_back(static_cast<char>(p >> 8));
            rows.push_back(static_cast<char>(p));
            rows.push_back(static_cast<char>(p >> 24));
        }
    }
    std::string png("\x89PNG\r\n\x1a\n", 8);
    putChunk(&png, "IHDR", header);
    putChunk(&png, "IDAT", RSDeflate::compress(rows));
    putChunk(&png, "IEND", std::string());
    return png;
}
