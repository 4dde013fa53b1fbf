#include "framework/graphics/HMemoryImage.h"

#include <cstring>
#include <new>

namespace {

std::unique_ptr<uint32_t[]> newPixels(int width, int height)
{
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    return std::unique_ptr<uint32_t[]>(new (std::nothrow) uint32_t[count]());
}

// One channel of a source-over blend, rounded to the nearest value.
inline uint32_t mix(uint32_t source, uint32_t target, uint32_t alpha)
{
    return (source * alpha + target * (255 - alpha) + 127) / 255;
}

}  // namespace

HMemoryImage::HMemoryImage(int width, int height)
    : HImage(width, height, nullptr, false), m_bits(newPixels(width, height))
{
    setClassName("HMemoryImage");
    setType(TYPE_MEMORY);
}

HMemoryImage::~HMemoryImage() = default;

void HMemoryImage::releasePixels()
{
}

int HMemoryImage::lockPixels()
{
    return m_bits != nullptr ? getHeight() : 0;
}

bool HMemoryImage::commitPixels()
{
    return m_bits != nullptr;
}

bool HMemoryImage::resize(int width, int height)
{
    setSize(width, height);
    m_bits = newPixels(width, height);
    return m_bits != nullptr;
}

bool HMemoryImage::fill(const HColor& color)
{
    if (m_bits == nullptr) {
        return false;
    }
    std::fill(m_bits.get(), m_bits.get() + static_cast<size_t>(getWidth()) * getHeight(),
              color.getARGB());
    return true;
}

bool HMemoryImage::setSprite(const HColor& color)
{
    setTransparentColor(color);
    return true;
}

bool HMemoryImage::draw(HImage* target, int x, int y, int w, int h, int sx, int sy)
{
    if (target == nullptr || target->getType() == TYPE_GDI || m_bits == nullptr) {
        return false;
    }
    uint32_t* destination = target->getPixels();
    if (destination == nullptr) {
        return false;
    }
    CopyArea area;
    if (!clipCopy(*this, *target, x, y, w, h, sx, sy, &area)) {
        return true;
    }
    size_t sourceRow = static_cast<size_t>(getWidth());
    size_t targetRow = static_cast<size_t>(target->getStride() / 4);
    // Within one image the areas may overlap: rows then go against the direction of the move.
    bool upwards = target == this && area.y > area.sy;
    for (int i = 0; i < area.height; ++i) {
        int row = upwards ? area.height - 1 - i : i;
        const uint32_t* from = m_bits.get() + static_cast<size_t>(area.sy + row) * sourceRow + area.sx;
        uint32_t* to = destination + static_cast<size_t>(area.y + row) * targetRow + area.x;
        std::memmove(to, from, static_cast<size_t>(area.width) * sizeof(uint32_t));
    }
    return true;
}

bool HMemoryImage::drawToDC(HDC dc, int x, int y, int w, int h, int sx, int sy)
{
    if (dc == nullptr || m_bits == nullptr) {
        return false;
    }
    CopyArea area;
    if (!clipSource(*this, x, y, w, h, sx, sy, &area)) {
        return true;
    }
    // Only the rows copied make up the bitmap handed over: where a source row is counted from
    // in a top-down bitmap differs between systems (Wine counts from the bottom), but not
    // when the copy takes every row.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = getWidth();
    info.bmiHeader.biHeight = -area.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const uint32_t* rows = m_bits.get() + static_cast<size_t>(area.sy) * getWidth();
    return StretchDIBits(dc, area.x, area.y, area.width, area.height, area.sx, 0, area.width,
                         area.height, rows, &info, DIB_RGB_COLORS, SRCCOPY) != 0;
}

uint32_t* HMemoryImage::getPixels()
{
    return m_bits.get();
}

int HMemoryImage::getStride()
{
    return m_bits != nullptr ? getWidth() * 4 : 0;
}

bool HMemoryImage::blend(HMemoryImage* target, int x, int y, int w, int h, int sx, int sy)
{
    if (target == nullptr || m_bits == nullptr || target->m_bits == nullptr) {
        return false;
    }
    CopyArea area;
    if (!clipCopy(*this, *target, x, y, w, h, sx, sy, &area)) {
        return true;
    }
    for (int row = 0; row < area.height; ++row) {
        const uint32_t* from = m_bits.get() + static_cast<size_t>(area.sy + row) * getWidth() + area.sx;
        uint32_t* to = target->m_bits.get() + static_cast<size_t>(area.y + row) * target->getWidth() + area.x;
        for (int column = 0; column < area.width; ++column) {
            uint32_t source = from[column];
            uint32_t alpha = source >> 24;
            if (alpha == 0) {
                continue;
            }
            uint32_t old = to[column];
            if (alpha == 255) {
                to[column] = (old & 0xFF000000) | (source & 0x00FFFFFF);
                continue;
            }
            to[column] = (old & 0xFF000000)
                         | mix(source >> 16 & 0xFF, old >> 16 & 0xFF, alpha) << 16
                         | mix(source >> 8 & 0xFF, old >> 8 & 0xFF, alpha) << 8
                         | mix(source & 0xFF, old & 0xFF, alpha);
        }
    }
    return true;
}
