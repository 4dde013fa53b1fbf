#pragma once

#include "framework/base/HComPtr.h"
#include "framework/graphics/HImage.h"

struct IDirect3DTexture9;

// The Direct3D image: a one-level, lockable A8R8G8B8 texture of the process's device object.
// Its pixel buffer is the locked texture, top-down, with the device's row pitch.
class HDirectXImage : public HImage {
public:
    // The texture is made only when the window's device object exists and is usable.
    HDirectXImage(int width, int height, HWND window);
    ~HDirectXImage() override;

    using HImage::draw;
    using HImage::setSprite;

    // Unlocks the texture.
    void releasePixels() override;
    // Locks the whole texture; returns the rows locked.
    int lockPixels() override;
    // Unlocks; true also when it was not locked.
    bool commitPixels() override;
    bool resize(int width, int height) override;
    // Writes the colour into every pixel and leaves the texture locked.
    bool fill(const HColor& color) override;
    // Only stores the colour: GDI sources skip it when copied into this image.
    bool setSprite(const HColor& color) override;
    // Onto a Direct3D image: every pixel unchanged. Onto a GDI image: nothing, false.
    bool draw(HImage* target, int x, int y, int w, int h, int sx, int sy) override;
    // A Direct3D image is drawn by the device (HDirectXGraphics::drawImage): false.
    bool draw(HGraphics* graphics, int x, int y, int w, int h, int sx, int sy) override;
    uint32_t* getPixels() override;
    int getStride() override;

    IDirect3DTexture9* getTexture() const { return m_texture.get(); }

private:
    void createTexture();

    HComPtr<IDirect3DTexture9> m_texture;
    int m_pitch = 0;               // bytes per locked row; 0 while unlocked
    uint32_t* m_bits = nullptr;    // not owned: the locked texture's pixels
};
