#pragma once

#include <memory>

#include "editor/view/BMRegion.h"

class HDirectXImage;
class HGraphics;
class HImage;
class HMemoryImage;

// One picture of the display (a map layer, the composed map, a panel, the glyph sheet):
// drawn into memory when its data changes and shown on every frame. For the Direct3D device
// a texture follows the pixels: only the part changed since the last frame is copied into
// it, just before it is drawn. The GDI device is given the pixels themselves.
class BMCanvas {
public:
    BMCanvas(int width, int height);
    ~BMCanvas();
    BMCanvas(const BMCanvas&) = delete;
    BMCanvas& operator=(const BMCanvas&) = delete;

    // The pixels, or nullptr when their memory could not be had.
    HMemoryImage* getPixels() const { return m_pixels.get(); }
    // Says that the pixels of the rectangle changed.
    void touch(int x, int y, int width, int height) { m_dirty.add(x, y, width, height); }
    // What the device draws: the texture, brought up to date, for a Direct3D device; the
    // pixels for any other. nullptr when there is nothing to draw.
    HImage* forDevice(HGraphics* graphics);

private:
    std::unique_ptr<HMemoryImage> m_pixels;
    std::unique_ptr<HDirectXImage> m_texture;
    BMRegion m_dirty;  // the parts of the pixels not yet in the texture
};
