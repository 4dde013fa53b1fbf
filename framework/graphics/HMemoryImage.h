#pragma once

#include <cstdint>
#include <memory>

#include "framework/graphics/HImage.h"

// An image held in plain memory: top-down rows of width A8R8G8B8 pixels, the layout of a
// locked Direct3D texture, always writable and never locked. It needs no device, so pictures
// drawn into it look the same whichever device shows them: copied into a Direct3D image for
// the Direct3D device, or blended into a frame of its own kind and copied onto a device
// context for the GDI device.
class HMemoryImage : public HImage {
public:
    // Every pixel (0, 0, 0, 0); no pixels at all if the memory cannot be had.
    HMemoryImage(int width, int height);
    ~HMemoryImage() override;

    using HImage::draw;
    using HImage::setSprite;

    // Nothing is ever locked: the pixels stay.
    void releasePixels() override;
    int lockPixels() override;
    bool commitPixels() override;
    // New pixels of the new size, all (0, 0, 0, 0).
    bool resize(int width, int height) override;
    bool fill(const HColor& color) override;
    // Only stores the colour: GDI sources skip it when copied into this image.
    bool setSprite(const HColor& color) override;
    // Onto a Direct3D or memory image: every pixel unchanged. Onto a GDI image: nothing, false.
    bool draw(HImage* target, int x, int y, int w, int h, int sx, int sy) override;
    // A plain copy of the colours (alpha is dropped), clipped to this image.
    bool drawToDC(HDC dc, int x, int y, int w, int h, int sx, int sy) override;
    uint32_t* getPixels() override;
    int getStride() override;

    // Draws w x h pixels from (sx, sy) over the target at (x, y) as the Direct3D device draws
    // a textured quad with alpha blending: each colour channel becomes
    // source x alpha + target x (255 - alpha), divided by 255 and rounded; the target's alpha
    // is left as it was.
    bool blend(HMemoryImage* target, int x, int y, int w, int h, int sx, int sy);

private:
    std::unique_ptr<uint32_t[]> m_bits;
};
