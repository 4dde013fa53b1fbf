#include "framework/graphics/HDirectXImage.h"

#include <algorithm>
#include <cstring>

#include <d3d9.h>

#include "framework/graphics/HDirectX.h"

HDirectXImage::HDirectXImage(int width, int height, HWND window)
    : HImage(width, height, window, false)
{
    setClassName("HDirectXImage");
    setType(TYPE_DIRECTX);
    HDirectX::getInstance(window, nullptr);
    createTexture();
}

HDirectXImage::~HDirectXImage()
{
    releasePixels();
}

// The device object is the process's one; it is looked up each time, so an image never holds
// on to one that was destroyed.
void HDirectXImage::createTexture()
{
    m_texture.reset();
    HDirectX* directX = HDirectX::getInstance(nullptr, nullptr);
    if (directX != nullptr && !directX->isUnusable()) {
        m_texture = directX->createTexture(getWidth(), getHeight());
    }
}

void HDirectXImage::releasePixels()
{
    if (m_bits != nullptr && m_texture && FAILED(m_texture->UnlockRect(0))) {
        HLOG_INFO("UnlockRect:error");
    }
    m_bits = nullptr;
    m_pitch = 0;
}

int HDirectXImage::lockPixels()
{
    releasePixels();
    if (!m_texture) {
        return 0;
    }
    D3DLOCKED_RECT locked = {};
    if (FAILED(m_texture->LockRect(0, &locked, nullptr, 0)) || locked.pBits == nullptr) {
        HLOG_INFO("LockRect:error");
        return 0;
    }
    m_bits = static_cast<uint32_t*>(locked.pBits);
    m_pitch = locked.Pitch;
    return getHeight();
}

bool HDirectXImage::commitPixels()
{
    if (m_bits == nullptr) {
        return true;
    }
    bool unlocked = SUCCEEDED(m_texture->UnlockRect(0));
    m_bits = nullptr;
    m_pitch = 0;
    if (!unlocked) {
        HLOG_INFO("UnlockRect:error");
    }
    return unlocked;
}

bool HDirectXImage::resize(int width, int height)
{
    setSize(width, height);
    releasePixels();
    createTexture();
    return static_cast<bool>(m_texture);
}

bool HDirectXImage::fill(const HColor& color)
{
    uint32_t* bits = getPixels();
    if (bits == nullptr) {
        return false;
    }
    uint32_t argb = color.getARGB();
    size_t count = static_cast<size_t>(m_pitch / 4) * static_cast<size_t>(getHeight());
    std::fill(bits, bits + count, argb);
    return true;
}

bool HDirectXImage::setSprite(const HColor& color)
{
    setTransparentColor(color);
    return true;
}

bool HDirectXImage::draw(HImage* target, int x, int y, int w, int h, int sx, int sy)
{
    if (target == nullptr || target->getType() != TYPE_DIRECTX) {
        return false;
    }
    const uint32_t* source = getPixels();
    uint32_t* destination = target->getPixels();
    if (source == nullptr || destination == nullptr) {
        return false;
    }
    CopyArea area;
    if (!clipCopy(*this, *target, x, y, w, h, sx, sy, &area)) {
        return true;
    }
    size_t sourceRow = static_cast<size_t>(getStride() / 4);
    size_t targetRow = static_cast<size_t>(target->getStride() / 4);
    // Within one image the areas may overlap: rows then go against the direction of the move.
    bool upwards = target == this && area.y > area.sy;
    for (int i = 0; i < area.height; ++i) {
        int row = upwards ? area.height - 1 - i : i;
        const uint32_t* from = source + static_cast<size_t>(area.sy + row) * sourceRow + area.sx;
        uint32_t* to = destination + static_cast<size_t>(area.y + row) * targetRow + area.x;
        std::memmove(to, from, static_cast<size_t>(area.width) * sizeof(uint32_t));
    }
    return true;
}

bool HDirectXImage::draw(HGraphics*, int, int, int, int, int, int)
{
    return false;
}

uint32_t* HDirectXImage::getPixels()
{
    if (m_bits == nullptr) {
        lockPixels();
    }
    return m_bits;
}

int HDirectXImage::getStride()
{
    return m_bits != nullptr ? m_pitch : 0;
}
