#include "editor/view/BMCanvas.h"

#include "framework/graphics/HDirectXImage.h"
#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HMemoryImage.h"

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
        // A texture that cannot be locked keeps its parts dirty and is tried again next time.
        for (int i = 0; i < m_dirty.size(); ++i) {
            const BMRect& part = m_dirty[i];
            if (!m_pixels->draw(m_texture.get(), part.left, part.top, part.width(), part.height(),
                                part.left, part.top)) {
                return nullptr;
            }
        }
        m_texture->commitPixels();
        m_dirty.clear();
    }
    return m_texture.get();
}
