#include "resources/RSIconFile.h"

#include "resources/RSPngFile.h"

namespace {

void put16(std::string* out, uint32_t value)
{
    out->push_back(static_cast<char>(value));
    out->push_back(static_cast<char>(value >> 8));
}

void put32(std::string* out, uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

bool valid(const RSIconFile::Picture& picture)
{
    return picture.size >= 1 && picture.size <= 256
           && picture.pixels.size() == static_cast<size_t>(picture.size) * picture.size;
}

// The header says twice the height: the colour rows and the mask rows stacked.
std::string dib(const RSIconFile::Picture& picture)
{
    const int size = picture.size;
    const int maskStride = (size + 31) / 32 * 4;
    std::string out;
    put32(&out, 40);
    put32(&out, static_cast<uint32_t>(size));
    put32(&out, static_cast<uint32_t>(size * 2));
    put16(&out, 1);   // planes
    put16(&out, 32);  // bits per pixel
    put32(&out, 0);   // BI_RGB
    put32(&out, static_cast<uint32_t>(size * size * 4 + maskStride * size));
    for (int i = 0; i < 4; ++i) {
        put32(&out, 0);  // resolution and colour counts
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            put32(&out, picture.pixels[static_cast<size_t>(y) * size + x]);  // B, G, R, A
        }
    }
    // The mask: a set bit where the picture is fully transparent, for readers without alpha.
    for (int y = size - 1; y >= 0; --y) {
        std::string row(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if ((picture.pixels[static_cast<size_t>(y) * size + x] >> 24) == 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out += row;
    }
    return out;
}

}  // namespace

std::string RSIconFile::pictureData(const Picture& picture)
{
    if (!valid(picture)) {
        return std::string();
    }
    if (picture.size <= LARGEST_DIB) {
        return dib(picture);
    }
    return RSPngFile::encode(picture.pixels, picture.size, picture.size);
}

std::string RSIconFile::build(const std::vector<Picture>& pictures)
{
    std::vector<std::string> data;
    for (const Picture& picture : pictures) {
        data.push_back(pictureData(picture));
        if (data.back().empty()) {
            return std::string();
        }
    }
    std::string out;
    put16(&out, 0);
    put16(&out, 1);  // an icon, not a cursor
    put16(&out, static_cast<uint32_t>(pictures.size()));
    uint32_t offset = static_cast<uint32_t>(6 + 16 * pictures.size());
    for (size_t i = 0; i < pictures.size(); ++i) {
        const int size = pictures[i].size;
        out.push_back(static_cast<char>(size == 256 ? 0 : size));  // 0 stands for 256
        out.push_back(static_cast<char>(size == 256 ? 0 : size));
        out.push_back('\0');  // no palette
        out.push_back('\0');
        put16(&out, 1);   // planes
        put16(&out, 32);  // bits per pixel
        put32(&out, static_cast<uint32_t>(data[i].size()));
        put32(&out, offset);
        offset += static_cast<uint32_t>(data[i].size());
    }
    for (const std::string& bytes : data) {
        out += bytes;
    }
    return out;
}
