#pragma once

#include <cstddef>
#include <cstdint>

// The headers of a Windows BMP file, read and checked without the platform: every size the
// platform's DIB conversion would derive from them (header, colour table, pixel rows) must lie
// inside the file, and no size computation may overflow. A plain value, so that it can be
// built and fuzzed anywhere.
class HBitmapHeader {
public:
    // The field that makes a file unusable, in the order the checks run.
    enum Field {
        FIELD_NONE = 0,         // every check passed
        FIELD_FILE_HEADER,      // shorter than the file header and the header size
        FIELD_SIGNATURE,        // does not start with "BM"
        FIELD_HEADER_SIZE,      // below 40 bytes (12 is the OS/2 core header) or past the end
        FIELD_WIDTH,            // not positive or too large
        FIELD_HEIGHT,           // zero or too large
        FIELD_PLANES,           // not 1
        FIELD_BIT_COUNT,        // not 1, 4, 8, 16, 24 or 32
        FIELD_COMPRESSION,      // not one the bit count and row order allow
        FIELD_PALETTE,          // more colours than the bit count has, or the table runs past the end
        FIELD_BIT_OFFSET,       // at or past the end of the file, or inside the headers
        FIELD_IMAGE_SIZE,       // the pixel rows (or compressed bytes) run past the end
    };

    static constexpr size_t FILE_HEADER_SIZE = 14;
    static constexpr uint32_t INFO_HEADER_SIZE = 40;
    static constexpr uint32_t CORE_HEADER_SIZE = 12;
    static constexpr uint16_t SIGNATURE = 0x4D42;  // "BM"
    // The largest picture taken: 2048 x 2048 pixels, 16 MB as a 32-bit pixel copy, many times
    // a chip bitmap (640 x 384). Compressed rows let a file of a few bytes claim any size, and
    // the platform then makes and decodes the whole picture: 20000 x 20000 took minutes and
    // 2 GB. Far below the int-sized block of the pixel copies (2^31 / 4 pixels).
    static constexpr int64_t MAX_PIXELS = int64_t{1} << 22;

    enum Compression : uint32_t { COMP_RGB = 0, COMP_RLE8 = 1, COMP_RLE4 = 2, COMP_BITFIELDS = 3 };

    // Reads and checks the headers of a whole file of length bytes. Fills header with what
    // was read as far as the checks got and returns FIELD_NONE or the first failing field.
    static Field check(const uint8_t* bytes, size_t length, HBitmapHeader* header);
    // The field's name for messages ("width", "bit offset", ...).
    static const char* fieldName(Field field);

    // File header.
    uint16_t type = 0;
    uint32_t fileSize = 0;
    uint16_t reserved1 = 0;
    uint16_t reserved2 = 0;
    uint32_t bitOffset = 0;
    // Information header (the first 40 bytes of any newer one).
    uint32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0;  // negative for rows stored top-down
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t imageSize = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t colorsUsed = 0;
    uint32_t colorsImportant = 0;
    // Derived by a successful check.
    uint32_t rows = 0;            // |height|
    uint32_t stride = 0;          // bytes per uncompressed row, padded to 4
    uint32_t tableSize = 0;       // bytes after the header: bit-field masks and colour table
    uint32_t bitsSize = 0;        // bytes of pixel data the conversion reads at bitOffset

private:
    Field checkInfoHeader();
    Field checkTable(size_t length);
    Field checkBits(size_t length);
};
