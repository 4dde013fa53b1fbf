#include "fuzz/FuzzBitmapHeader.h"

#include <cstdint>

#include "framework/base/HFileReader.h"
#include "framework/graphics/HBitmapHeader.h"

const char* const FuzzBitmapHeader::FILE_NAME = "chips.bmp";

namespace {

uint32_t read32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8
        | static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// Recomputes, in 128 bits where it matters, what the platform derives from the fields of a
// header that passed, and tells the first thing that would reach outside the file.
std::string checkPassed(const HBitmapHeader& h, const uint8_t* bytes, uint64_t length)
{
    const uint64_t headersEnd = HBitmapHeader::FILE_HEADER_SIZE + uint64_t{h.headerSize};
    if (h.headerSize < HBitmapHeader::INFO_HEADER_SIZE || headersEnd > length) {
        return "the information header runs past the file";
    }
    if (read32(bytes + 18) != static_cast<uint32_t>(h.width) || read32(bytes + 22) != static_cast<uint32_t>(h.height)) {
        return "the size is not the file's";
    }
    __int128 pixels = static_cast<__int128>(h.width) * h.rows;
    if (h.width <= 0 || h.rows == 0 || pixels > HBitmapHeader::MAX_PIXELS
        || h.rows != static_cast<uint32_t>(h.height < 0 ? -int64_t{h.height} : int64_t{h.height})) {
        return "the picture size is not positive and bounded";
    }
    if (h.planes != 1) {
        return "planes is not 1";
    }
    unsigned __int128 stride = (static_cast<unsigned __int128>(h.width) * h.bitCount + 31) / 32 * 4;
    if (stride != h.stride) {
        return "the row length is not the padded bits of a row";
    }
    // The platform reads the colour table (and masks) right after the information header.
    uint64_t colors = h.bitCount <= 8 ? (h.colorsUsed != 0 ? h.colorsUsed : 1u << h.bitCount) : h.colorsUsed;
    bool masks = h.compression == HBitmapHeader::COMP_BITFIELDS && h.headerSize == HBitmapHeader::INFO_HEADER_SIZE;
    if (h.tableSize < colors * 4 + (masks ? 12 : 0) || headersEnd + h.tableSize > length) {
        return "the colour table runs past the file";
    }
    if (h.bitOffset < headersEnd || h.bitOffset >= length) {
        return "the pixel bytes start outside the file";
    }
    bool compressed = h.compression == HBitmapHeader::COMP_RLE8 || h.compression == HBitmapHeader::COMP_RLE4;
    unsigned __int128 needed = compressed ? h.imageSize : stride * h.rows;
    if (needed == 0 || needed != h.bitsSize || h.bitOffset + needed > length) {
        return "the pixel bytes run past the file";
    }
    // Touch the first and last byte of every range handed on: AddressSanitizer checks them.
    volatile uint8_t touch = bytes[headersEnd - 1] ^ bytes[h.bitOffset] ^ bytes[h.bitOffset + needed - 1];
    (void)touch;
    return std::string();
}

}  // namespace

std::string FuzzBitmapHeader::check()
{
    HFileReader reader{HFile(FILE_NAME)};
    if (!reader.read()) {
        return "the file could not be read";
    }
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(reader.getData());
    uint64_t length = static_cast<uint64_t>(reader.getSize());
    HBitmapHeader header;
    HBitmapHeader::Field field = HBitmapHeader::check(bytes, static_cast<size_t>(length), &header);
    HBitmapHeader again;
    if (HBitmapHeader::check(bytes, static_cast<size_t>(length), &again) != field) {
        return "two checks of the same bytes disagree";
    }
    if (field != HBitmapHeader::FIELD_NONE) {
        return field > HBitmapHeader::FIELD_IMAGE_SIZE ? "an unknown field failed" : std::string();
    }
    return checkPassed(header, bytes, length);
}

#ifdef TESSEL_LIBFUZZER
#include "fuzz/FuzzMemoryFile.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    return FuzzMemoryFile::initialize(argc, argv, FuzzBitmapHeader::MAX_LENGTH);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzMemoryFile::test(FuzzBitmapHeader::FILE_NAME, data, size, FuzzBitmapHeader::check);
}
#endif
