#include "tool/TCPngFile.h"

#include <vector>

#include "framework/base/HFileWriter.h"
#include "framework/base/HText.h"
#include "tool/TCDeflate.h"

namespace {

// The CRC of PNG chunks (ISO 3309, as in the PNG standard's annex).
class ChunkCrc {
public:
    ChunkCrc()
    {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            m_table[n] = c;
        }
    }
    uint32_t of(const char* bytes, size_t size) const
    {
        uint32_t c = 0xFFFFFFFFu;
        for (size_t i = 0; i < size; ++i) {
            c = m_table[(c ^ static_cast<uint8_t>(bytes[i])) & 0xFF] ^ (c >> 8);
        }
        return c ^ 0xFFFFFFFFu;
    }

private:
    uint32_t m_table[256];
};

void putBigEndian(uint32_t value, std::string* out)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out->push_back(static_cast<char>(value >> shift));
    }
}

// Length, type, data, then the CRC of type and data.
void putChunk(const char* type, const std::string& data, std::string* png)
{
    static const ChunkCrc crc;
    putBigEndian(static_cast<uint32_t>(data.size()), png);
    size_t typeAt = png->size();
    png->append(type, 4);
    png->append(data);
    putBigEndian(crc.of(png->data() + typeAt, png->size() - typeAt), png);
}

// Rows of red, green, blue bytes, each after its filter byte: none. A map's chips compress
// better unfiltered, and choosing a filter per row would double the time.
std::vector<uint8_t> rgbRows(const uint32_t* pixels, int width, int height)
{
    const size_t rowBytes = 1 + static_cast<size_t>(width) * 3;
    std::vector<uint8_t> rows(rowBytes * height, 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = rows.data() + rowBytes * y + 1;
        const uint32_t* source = pixels + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uint8_t>(source[x] >> 16);
            row[3 * x + 1] = static_cast<uint8_t>(source[x] >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(source[x]);
        }
    }
    return rows;
}

}  // namespace

bool TCPngFile::encode(const uint32_t* pixels, int width, int height, std::string* png,
                       std::string* error)
{
    if (pixels == nullptr || width <= 0 || height <= 0) {
        *error = "no picture";
        return false;
    }
    std::string header;
    putBigEndian(static_cast<uint32_t>(width), &header);
    putBigEndian(static_cast<uint32_t>(height), &header);
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter choice, not interlaced
    std::vector<uint8_t> rows = rgbRows(pixels, width, height);
    std::string compressed;
    compressed.reserve(rows.size() / 4);
    TCDeflate::compress(rows.data(), rows.size(), &compressed);

    png->assign("\x89PNG\r\n\x1A\n", 8);
    putChunk("IHDR", header, png);
    putChunk("IDAT", compressed, png);
    putChunk("IEND", std::string(), png);
    return true;
}

bool TCPngFile::write(const HFile& file, const uint32_t* pixels, int width, int height,
                      std::string* error)
{
    std::string png;
    if (!encode(pixels, width, height, &png, error)) {
        return false;
    }
    HFileWriter writer(file);
    if (!writer.open()) {
        *error = HText::format("cannot create %s (error %u)", file.getPath().c_str(), writer.getError());
        return false;
    }
    bool ok = writer.write(png.data(), static_cast<uint32_t>(png.size()));
    ok = writer.close() && ok;
    if (!ok) {
        *error = HText::format("cannot write %s (error %u)", file.getPath().c_str(), writer.getError());
    }
    return ok;
}
