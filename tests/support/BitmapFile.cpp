#include "tests/support/BitmapFile.h"

#include <algorithm>

void BitmapFile::put16(std::string* bytes, size_t offset, uint16_t value)
{
    (*bytes)[offset] = static_cast<char>(value & 0xFF);
    (*bytes)[offset + 1] = static_cast<char>(value >> 8);
}

void BitmapFile::put32(std::string* bytes, size_t offset, uint32_t value)
{
    put16(bytes, offset, static_cast<uint16_t>(value & 0xFFFF));
    put16(bytes, offset + 2, static_cast<uint16_t>(value >> 16));
}

namespace {

uint32_t indexOf(const std::vector<uint32_t>& palette, uint32_t color)
{
    auto found = std::find(palette.begin(), palette.end(), color);
    return found == palette.end() ? 0 : static_cast<uint32_t>(found - palette.begin());
}

// One row of pixels in the file's format, padded to 4 bytes.
std::string packRow(const BitmapFile& file, const uint32_t* colors)
{
    std::string row;
    uint32_t bits = 0;
    int pending = 0;
    for (int x = 0; x < file.width; ++x) {
        uint32_t color = colors[x];
        if (file.bitCount <= 8) {
            bits = bits << file.bitCount | indexOf(file.palette, color);
            pending += file.bitCount;
            if (pending == 8) {
                row += static_cast<char>(bits);
                bits = 0;
                pending = 0;
            }
        } else if (file.bitCount == 16) {  // 5-6-5 with bit-field masks, 5-5-5 without
            bool six = file.compression == 3;
            uint32_t r = (color >> 16 & 0xFF) >> 3;
            uint32_t g = (color >> 8 & 0xFF) >> (six ? 2 : 3);
            uint32_t b = (color & 0xFF) >> 3;
            uint32_t value = six ? r << 11 | g << 5 | b : r << 10 | g << 5 | b;
            row += static_cast<char>(value & 0xFF);
            row += static_cast<char>(value >> 8);
        } else {
            row += static_cast<char>(color & 0xFF);
            row += static_cast<char>(color >> 8 & 0xFF);
            row += static_cast<char>(color >> 16 & 0xFF);
            if (file.bitCount == 32) {
                row += '\0';
            }
        }
    }
    if (pending > 0) {
        row += static_cast<char>(bits << (8 - pending));
    }
    while (row.size() % 4 != 0) {
        row += '\0';
    }
    return row;
}

}  // namespace

std::string BitmapFile::build() const
{
    int height = width > 0 ? static_cast<int>(picture.size()) / width : 0;
    std::string pixels;
    for (int i = 0; i < height; ++i) {
        int y = topDown ? i : height - 1 - i;
        pixels += packRow(*this, picture.data() + static_cast<size_t>(y) * width);
    }
    std::string masks;
    if (compression == 3 && headerSize == 40) {
        masks.assign(12, '\0');
        put32(&masks, 0, 0xF800);
        put32(&masks, 4, 0x07E0);
        put32(&masks, 8, 0x001F);
    }
    std::string table;
    for (uint32_t color : palette) {
        table.append(4, '\0');
        put32(&table, table.size() - 4, color);
    }
    std::string bytes(14 + headerSize, '\0');
    uint32_t offset = static_cast<uint32_t>(bytes.size() + masks.size() + table.size());
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(&bytes, 2, offset + static_cast<uint32_t>(pixels.size()));
    put32(&bytes, OFFSET_BIT_OFFSET, offset);
    put32(&bytes, OFFSET_HEADER_SIZE, headerSize);
    put32(&bytes, OFFSET_WIDTH, static_cast<uint32_t>(width));
    put32(&bytes, OFFSET_HEIGHT, static_cast<uint32_t>(topDown ? -height : height));
    put16(&bytes, OFFSET_PLANES, 1);
    put16(&bytes, OFFSET_BIT_COUNT, bitCount);
    put32(&bytes, OFFSET_COMPRESSION, compression);
    put32(&bytes, OFFSET_IMAGE_SIZE, static_cast<uint32_t>(pixels.size()));
    put32(&bytes, OFFSET_COLORS_USED, static_cast<uint32_t>(palette.size()));
    if (headerSize >= 56 && compression == 3) {  // masks inside a newer header
        put32(&bytes, 54, 0xF800);
        put32(&bytes, 58, 0x07E0);
        put32(&bytes, 62, 0x001F);
    }
    return bytes + masks + table + pixels;
}

BitmapFile BitmapFile::sample(uint16_t bitCount)
{
    BitmapFile file;
    file.bitCount = bitCount;
    file.width = 3;
    file.picture = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0xFFFF00};
    if (bitCount == 1) {
        file.palette = {0x000000, 0xFFFFFF};
        file.picture = {0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF};
    } else if (bitCount <= 8) {
        file.palette = file.picture;
    }
    return file;
}
