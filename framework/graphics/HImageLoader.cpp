#include "framework/graphics/HImageLoader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/base/HDebug.h"
#include "framework/base/HFileReader.h"
#include "framework/base/HText.h"
#include "framework/graphics/HBitmapHeader.h"
#include "framework/graphics/HFont.h"
#include "framework/graphics/HImage.h"
#include "framework/graphics/HSelectObject.h"
#include "framework/graphics/HWindowDC.h"

namespace {

// Writes the information lines for a header the checks refused.
void reportHeader(HBitmapHeader::Field field, const HBitmapHeader& header)
{
    if (field == HBitmapHeader::FIELD_SIGNATURE) {
        HLOG_INFO("loadImageFile:not a bitmap file");
        return;
    }
    if (field == HBitmapHeader::FIELD_HEADER_SIZE
        && header.headerSize < HBitmapHeader::INFO_HEADER_SIZE) {
        if (header.headerSize == HBitmapHeader::CORE_HEADER_SIZE) {
            HLOG_INFO("loadImageFile:not supported bitmap(os2 dib)");
        } else {
            HLOG_INFO("loadImageFile:not supported bitmap(unknown)");
        }
        return;
    }
    HLOG_INFO("loadImageFile:header error");
    HLOG_INFO((std::string("loadImageFile:invalid ") + HBitmapHeader::fieldName(field)).c_str());
}

// The checked header and colour table, copied out of the file so that the conversion reads
// them aligned.
int convertBits(HImage* image, const uint8_t* bytes, const HBitmapHeader& header)
{
    size_t infoBytes = header.headerSize + size_t{header.tableSize};
    std::vector<uint32_t> info((infoBytes + 3) / 4);
    std::memcpy(info.data(), bytes + HBitmapHeader::FILE_HEADER_SIZE, infoBytes);
    return image->setDIBits(reinterpret_cast<const BITMAPINFO*>(info.data()),
                            bytes + header.bitOffset, header.rows);
}

}  // namespace

int HImageLoader::loadImageFile(HFile file, HImage* image, bool resize)
{
    int result = LOAD_OK;
    if (image == nullptr) {
        HLOG_INFO("loadImageFile:image is null");
        result = LOAD_NO_IMAGE;
    }
    if (!file.exists()) {
        HLOG_INFO("loadImageFile:file does not exist");
        result = LOAD_NO_FILE;
    }
    if (result != LOAD_OK) {
        return result;
    }
    HFileReader reader(file);
    if (!reader.read()) {
        HLOG_INFO("loadImageFile:read file error");
        return LOAD_ERROR;
    }
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(reader.getData());
    size_t length = static_cast<size_t>(reader.getSize());
    HBitmapHeader header;
    HBitmapHeader::Field field = HBitmapHeader::check(bytes, length, &header);
    if (field != HBitmapHeader::FIELD_FILE_HEADER) {
        HDebug::debug("type=%X size=%d rev1=%X rev2=%X bit=%X", header.type,
                      static_cast<int>(header.fileSize), header.reserved1, header.reserved2,
                      header.bitOffset);
    }
    if (field > HBitmapHeader::FIELD_HEADER_SIZE || field == HBitmapHeader::FIELD_NONE) {
        HDebug::debug("size=%d w=%d h=%d pln=%d bit=%d cp=%d si=%d xm=%d ym=%d color=%d imp=%d",
                      static_cast<int>(header.headerSize), header.width, header.height,
                      header.planes, header.bitCount, static_cast<int>(header.compression),
                      static_cast<int>(header.imageSize), header.xPelsPerMeter,
                      header.yPelsPerMeter, static_cast<int>(header.colorsUsed),
                      static_cast<int>(header.colorsImportant));
    }
    if (field != HBitmapHeader::FIELD_NONE) {
        reportHeader(field, header);
        return LOAD_ERROR;
    }
    if (resize) {
        image->resize(header.width, static_cast<int>(header.rows));
    }
    int rows = convertBits(image, bytes, header);
    HDebug::debug("SetDIBits:%d", rows);
    if (rows == 0) {
        HLOG_INFO("loadImageFile:bitmap read error");
        return LOAD_ERROR;
    }
    return LOAD_OK;
}

namespace {

// The writable part of an image's pixel buffer: rows of rowLength pixels, of which the
// first width are the picture.
struct PixelBuffer {
    uint32_t* pixels;
    int rowLength;
    int width;
    int height;
};

bool pixelBuffer(HImage* image, PixelBuffer* buffer)
{
    if (image == nullptr) {
        return false;
    }
    buffer->pixels = image->getPixels();
    buffer->rowLength = image->getStride() / 4;
    buffer->width = std::min(image->getWidth(), buffer->rowLength);
    buffer->height = image->getHeight();
    return buffer->pixels != nullptr && buffer->width > 0 && buffer->height > 0;
}

uint32_t* pixelAt(const PixelBuffer& buffer, int x, int y)
{
    return buffer.pixels + static_cast<size_t>(y) * buffer.rowLength + x;
}

// Sets the pixels of a one-bit glyph bitmap (rows padded to 4 bytes) at (left, top).
void drawGlyph(const PixelBuffer& buffer, int left, int top, const GLYPHMETRICS& metrics,
               const std::vector<uint8_t>& bits, uint32_t argb)
{
    size_t rowBytes = (metrics.gmBlackBoxX + 31) / 32 * 4;
    if (rowBytes * metrics.gmBlackBoxY > bits.size()) {
        return;
    }
    int right = std::min<int64_t>(int64_t{left} + metrics.gmBlackBoxX, buffer.width);
    int bottom = std::min<int64_t>(int64_t{top} + metrics.gmBlackBoxY, buffer.height);
    for (int y = std::max(top, 0); y < bottom; ++y) {
        const uint8_t* row = bits.data() + rowBytes * static_cast<size_t>(y - top);
        for (int x = std::max(left, 0); x < right; ++x) {
            int column = x - left;
            if ((row[column / 8] & (0x80 >> (column % 8))) != 0) {
                *pixelAt(buffer, x, y) = argb;
            }
        }
    }
}

}  // namespace

int HImageLoader::drawString(HImage* image, int x, int y, HFont* font, const std::string& text,
                             const HColor& color)
{
    PixelBuffer buffer;
    if (font == nullptr || !pixelBuffer(image, &buffer)) {
        return -1;
    }
    HWindowDC screen(nullptr);
    if (!screen) {
        return -1;
    }
    HSelectObject selectFont(screen.get(), font->getImageHandle());
    TEXTMETRICA textMetrics = {};
    GetTextMetricsA(screen.get(), &textMetrics);
    const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    uint32_t argb = color.getARGB();
    int64_t pen = x;
    int largest = -1;
    std::vector<uint8_t> bits;
    for (size_t i = 0; i < text.size(); ++i) {
        UINT code = static_cast<uint8_t>(text[i]);
        if (HText::isDoubleByte(text.data(), text.size(), i)) {
            code = code << 8 | static_cast<uint8_t>(text[++i]);
        }
        GLYPHMETRICS metrics = {};
        DWORD size = GetGlyphOutlineA(screen.get(), code, GGO_BITMAP, &metrics, 0, nullptr, &identity);
        if (size == GDI_ERROR) {
            continue;
        }
        bits.assign(size, 0);
        if (size > 0
            && GetGlyphOutlineA(screen.get(), code, GGO_BITMAP, &metrics, size, bits.data(),
                                &identity) != GDI_ERROR) {
            int64_t left = pen + metrics.gmptGlyphOrigin.x;
            int64_t top = int64_t{y} + textMetrics.tmAscent - metrics.gmptGlyphOrigin.y;
            // No glyph is 65536 pixels wide or high: further left or up nothing is visible.
            if (left < buffer.width && top < buffer.height && left > -65536 && top > -65536) {
                drawGlyph(buffer, static_cast<int>(left), static_cast<int>(top), metrics, bits, argb);
            }
        }
        largest = std::max<int>(largest, metrics.gmCellIncX);
        pen += metrics.gmCellIncX;
    }
    return largest;
}

namespace {

// The rectangle clipped to the buffer; false when nothing of it is inside.
bool clipRect(const PixelBuffer& buffer, int x, int y, int w, int h, int* x0, int* y0, int* x1,
              int* y1)
{
    *x0 = std::max(x, 0);
    *y0 = std::max(y, 0);
    *x1 = static_cast<int>(std::min<int64_t>(int64_t{x} + w, buffer.width));
    *y1 = static_cast<int>(std::min<int64_t>(int64_t{y} + h, buffer.height));
    return *x0 < *x1 && *y0 < *y1;
}

}  // namespace

// An edge of the frame that lies outside the buffer is left out; the clipped rectangle's own
// border is not drawn in its place.
void HImageLoader::drawFrame(HImage* image, int x, int y, int w, int h, const HColor& color)
{
    PixelBuffer buffer;
    int x0, y0, x1, y1;
    if (!pixelBuffer(image, &buffer) || !clipRect(buffer, x, y, w, h, &x0, &y0, &x1, &y1)) {
        return;
    }
    uint32_t argb = color.getARGB();
    int64_t right = int64_t{x} + w - 1;
    int64_t bottom = int64_t{y} + h - 1;
    if (y == y0) {
        std::fill(pixelAt(buffer, x0, y0), pixelAt(buffer, x1, y0), argb);
    }
    if (bottom == y1 - 1) {
        std::fill(pixelAt(buffer, x0, y1 - 1), pixelAt(buffer, x1, y1 - 1), argb);
    }
    for (int row = y0; row < y1; ++row) {
        if (x == x0) {
            *pixelAt(buffer, x0, row) = argb;
        }
        if (right == x1 - 1) {
            *pixelAt(buffer, x1 - 1, row) = argb;
        }
    }
}

void HImageLoader::fillRect(HImage* image, int x, int y, int w, int h, const HColor& color)
{
    PixelBuffer buffer;
    int x0, y0, x1, y1;
    if (!pixelBuffer(image, &buffer) || !clipRect(buffer, x, y, w, h, &x0, &y0, &x1, &y1)) {
        return;
    }
    std::vector<uint32_t> line(static_cast<size_t>(x1 - x0), color.getARGB());
    for (int row = y0; row < y1; ++row) {
        std::memcpy(pixelAt(buffer, x0, row), line.data(), line.size() * sizeof(uint32_t));
    }
}
