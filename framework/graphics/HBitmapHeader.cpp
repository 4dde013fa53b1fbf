#include "framework/graphics/HBitmapHeader.h"

namespace {

uint16_t read16(const uint8_t* bytes)
{
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

uint32_t read32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8
           | static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

bool isBitCount(uint16_t bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// All sizes below are compared in 64 bits: every operand is at most 32 bits wide and is
// multiplied by at most 32, so nothing can wrap.
constexpr uint64_t kFixedPart = HBitmapHeader::FILE_HEADER_SIZE + HBitmapHeader::INFO_HEADER_SIZE;
constexpr uint32_t kMaskBytes = 12;  // red, green and blue masks after a 40-byte header
constexpr uint32_t kMaxTableColors = 256;

}  // namespace

HBitmapHeader::Field HBitmapHeader::check(const uint8_t* bytes, size_t length,
                                          HBitmapHeader* header)
{
    *header = HBitmapHeader();
    if (bytes == nullptr || length < FILE_HEADER_SIZE + 4) {
        return FIELD_FILE_HEADER;
    }
    header->type = read16(bytes);
    header->fileSize = read32(bytes + 2);
    header->reserved1 = read16(bytes + 6);
    header->reserved2 = read16(bytes + 8);
    header->bitOffset = read32(bytes + 10);
    header->headerSize = read32(bytes + 14);
    if (header->type != SIGNATURE) {
        return FIELD_SIGNATURE;
    }
    if (header->headerSize < INFO_HEADER_SIZE || length < kFixedPart
        || FILE_HEADER_SIZE + uint64_t{header->headerSize} > length) {
        return FIELD_HEADER_SIZE;
    }
    const uint8_t* info = bytes + FILE_HEADER_SIZE;
    header->width = static_cast<int32_t>(read32(info + 4));
    header->height = static_cast<int32_t>(read32(info + 8));
    header->planes = read16(info + 12);
    header->bitCount = read16(info + 14);
    header->compression = read32(info + 16);
    header->imageSize = read32(info + 20);
    header->xPelsPerMeter = static_cast<int32_t>(read32(info + 24));
    header->yPelsPerMeter = static_cast<int32_t>(read32(info + 28));
    header->colorsUsed = read32(info + 32);
    header->colorsImportant = read32(info + 36);

    Field field = header->checkInfoHeader();
    if (field == FIELD_NONE) {
        field = header->checkTable(length);
    }
    if (field == FIELD_NONE) {
        field = header->checkBits(length);
    }
    return field;
}

HBitmapHeader::Field HBitmapHeader::checkInfoHeader()
{
    if (width <= 0 || width > MAX_PIXELS) {
        return FIELD_WIDTH;
    }
    // -2^31 has no positive counterpart.
    int64_t rowCount = height < 0 ? -int64_t{height} : int64_t{height};
    if (rowCount == 0 || rowCount * width > MAX_PIXELS) {
        return FIELD_HEIGHT;
    }
    rows = static_cast<uint32_t>(rowCount);
    if (planes != 1) {
        return FIELD_PLANES;
    }
    if (!isBitCount(bitCount)) {
        return FIELD_BIT_COUNT;
    }
    bool topDown = height < 0;
    bool allowed = compression == COMP_RGB
                   || (compression == COMP_RLE8 && bitCount == 8 && !topDown)
                   || (compression == COMP_RLE4 && bitCount == 4 && !topDown)
                   || (compression == COMP_BITFIELDS && (bitCount == 16 || bitCount == 32));
    if (!allowed) {
        return FIELD_COMPRESSION;
    }
    stride = static_cast<uint32_t>((uint64_t{static_cast<uint32_t>(width)} * bitCount + 31) / 32 * 4);
    return FIELD_NONE;
}

HBitmapHeader::Field HBitmapHeader::checkTable(size_t length)
{
    uint64_t colors = 0;
    if (bitCount <= 8) {
        uint32_t most = 1u << bitCount;
        if (colorsUsed > most) {
            return FIELD_PALETTE;
        }
        colors = colorsUsed != 0 ? colorsUsed : most;
    } else {
        // Deeper pixels need no table; the platform still reads one of colorsUsed entries.
        if (colorsUsed > kMaxTableColors) {
            return FIELD_PALETTE;
        }
        colors = colorsUsed;
    }
    uint64_t masks = compression == COMP_BITFIELDS && headerSize == INFO_HEADER_SIZE ? kMaskBytes : 0;
    uint64_t table = masks + colors * 4;
    if (FILE_HEADER_SIZE + uint64_t{headerSize} + table > length) {
        return FIELD_PALETTE;
    }
    tableSize = static_cast<uint32_t>(table);
    return FIELD_NONE;
}

HBitmapHeader::Field HBitmapHeader::checkBits(size_t length)
{
    if (bitOffset >= length || bitOffset < FILE_HEADER_SIZE + uint64_t{headerSize}) {
        return FIELD_BIT_OFFSET;
    }
    uint64_t available = length - bitOffset;
    // Compressed rows have no fixed length: the platform reads the image size the header gives.
    uint64_t needed = compression == COMP_RLE8 || compression == COMP_RLE4
                          ? imageSize
                          : uint64_t{stride} * rows;
    if (needed == 0 || needed > available) {
        return FIELD_IMAGE_SIZE;
    }
    bitsSize = static_cast<uint32_t>(needed);
    return FIELD_NONE;
}

const char* HBitmapHeader::fieldName(Field field)
{
    switch (field) {
    case FIELD_NONE:
        return "none";
    case FIELD_FILE_HEADER:
        return "file header";
    case FIELD_SIGNATURE:
        return "signature";
    case FIELD_HEADER_SIZE:
        return "header size";
    case FIELD_WIDTH:
        return "width";
    case FIELD_HEIGHT:
        return "height";
    case FIELD_PLANES:
        return "planes";
    case FIELD_BIT_COUNT:
        return "bit count";
    case FIELD_COMPRESSION:
        return "compression";
    case FIELD_PALETTE:
        return "palette";
    case FIELD_BIT_OFFSET:
        return "bit offset";
    case FIELD_IMAGE_SIZE:
        return "image size";
    }
    return "unknown";
}
