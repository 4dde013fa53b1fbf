#pragma once

#include <memory>

class HDirectXImage;
class HGraphics;
class HImage;
class HMemoryImage;

// A rectangle of pixels that grows to cover every rectangle added to it; empty at first.
struct BMRect {
    int left = 0;
    int top = 0;
    int right = 0;  // exclusive
    int bottom = 0;

    bool isEmpty() const { return left >= right || top >= bottom; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    void add(int x, int y, int width, int height);
    void clear() { *this = BMRect(); }
};

// A few rectangles of pixels, such as the parts of a picture that changed. Rectangles may
// overlap; past a handful they become the one rectangle around them all.
class BMRegion {
public:
    void add(int x, int y, int width, int height);
    void clear() { m_count = 0; }
    bool isEmpty() const { return m_count == 0; }
    int size() const { return m_count; }
    const BMRect& operator[](int i) const { return m_rects[i]; }
    // The parts inside width x height pixels from (0, 0).
    BMRegion clippedTo(int width, int height) const;

private:
    static const int LIMIT = 8;
    BMRect m_rects[LIMIT];
    int m_count = 0;
};

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
