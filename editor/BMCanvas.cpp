#include "editor/BMCanvas.h"

#include <algorithm>

#include "framework/HDirectXImage.h"
#include "framework/HGraphics.h"
#include "framework/HMemoryImage.h"

void BMRect::add(int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0) {
        return;
    }
    if (isEmpty()) {
        *this = {x, y, x + width, y + height};
        return;
    }
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x + width);
    bottom = std::max(bottom, y + height);
}

BMCanvas::BMCanvas(int width, int height) : m_pixels(new HMemoryImage(width, height))
{
    if (m_pixels->getPixels() == nullptr) {
        m_pixels.reset();
    }
}

BMCanvas::~BMCanvas() = default;

HImage* BMCanvas::forDevice(HGraphics* graphics)
{
    if (m_pixels == nullptr || graphics == nullptr) {
        return nullptr;
    }
    if (graphics->getType() != HGraphics::TYPE_DIRECTX) {
        return m_pixels.get();
    }
    if (m_texture == nullptr) {
        m_texture.reset(new HDirectXImage(m_pixels->getWidth(), m_pixels->getHeight(),
                                          graphics->getMainWindow()));
        touch(0, 0, m_pixels->getWidth(), m_pixels->getHeight());
    }
    if (!m_dirty.isEmpty()) {
        // A texture that cannot be locked keeps its part dirty and is tried again next time.
        if (!m_pixels->draw(m_texture.get(), m_dirty.left, m_dirty.top, m_dirty.width(),
                            m_dirty.height(), m_dirty.left, m_dirty.top)) {
            return nullptr;
        }
        m_texture->commitPixels();
        m_dirty.clear();
    }
    return m_texture.get();
}
