#pragma once

#include <cstdint>
#include <memory>

#include "framework/base/HObject.h"
#include "framework/base/HWin32.h"
#include "framework/graphics/HColor.h"
#include "framework/graphics/HGdiObject.h"
#include "framework/graphics/HMemoryDC.h"

class HGraphics;

// An off-screen picture of fixed pixel size. This class is the GDI image: a memory device
// context with a bitmap compatible with a window, an optional sprite mask, and a pixel copy
// for direct access. HDirectXImage is the Direct3D kind behind the same operations.
//
// Pixel buffers: the GDI image's pixel copy is a bottom-up DIB of width x height 32-bit pixels
// (red << 16 | green << 8 | blue, top byte zero), its first row the bottom row of the picture;
// the Direct3D image's buffer is its locked texture, top-down, A8R8G8B8. The pixel copy is a
// snapshot: drawing into the bitmap through GDI afterwards reaches it only when lockPixels
// reads the bitmap again.
class HImage : public HObject {
public:
    // A memory image (HMemoryImage) has pixels like a Direct3D image's but no device behind it.
    enum Type : int32_t { TYPE_GDI = 1, TYPE_DIRECTX = 2, TYPE_MEMORY = 3 };

    // 1 x 1 pixels, compatible with the screen.
    HImage();
    // Compatible with the window's device context (the screen's for none).
    HImage(int width, int height, HWND window);
    // As above; the GDI objects are made only when create is true.
    HImage(int width, int height, HWND window, bool create);
    ~HImage() override;

    // Frees the pixel copy without writing it back.
    virtual void releasePixels();
    // Reads the bitmap into a new pixel copy; returns the rows read.
    virtual int lockPixels();
    // Writes the pixel copy back into the bitmap; true if a row was written.
    virtual bool commitPixels();
    // A new bitmap of the new size; contents, pixel copy and mask are dropped.
    virtual bool resize(int width, int height);
    virtual bool fill(const HColor& color);
    // Makes the colour of pixel (x, y) transparent; black when (x, y) is outside the image.
    virtual bool setSprite(int x, int y);
    virtual bool setSprite(const HColor& color);
    // The whole image onto the target at (x, y).
    virtual bool draw(HImage* target, int x, int y);
    // w x h pixels from (sx, sy) onto the target at (x, y), by the target's kind (see .cpp).
    virtual bool draw(HImage* target, int x, int y, int w, int h, int sx, int sy);
    // Block copy onto a device context, leaving transparent pixels of a sprite alone.
    virtual bool drawToDC(HDC dc, int x, int y, int w, int h, int sx, int sy);
    // The whole image scaled onto the whole target.
    virtual bool stretchDraw(HImage* target);
    // Onto a GDI graphics device during its paint; false for any other device.
    virtual bool draw(HGraphics* graphics, int x, int y, int w, int h, int sx, int sy);
    // The pixel buffer (locked on first use) or nullptr.
    virtual uint32_t* getPixels();
    // Bytes per row of the pixel buffer: width x 4 here, the pitch of a locked texture.
    virtual int getStride();

    int getType() const { return m_type; }
    void setType(int type) { m_type = type; }
    int getWidth() const { return m_width; }
    int getHeight() const { return m_height; }
    HDC getDC() const { return m_dc.get(); }
    HBITMAP getBitmap() const { return m_bitmap.get(); }
    const HColor& getTransparentColor() const { return m_transparentColor; }
    void setTransparentColor(const HColor& color) { m_transparentColor = color; }
    // The platform's DIB-to-bitmap conversion into this image's bitmap; returns the rows set.
    int setDIBits(const BITMAPINFO* info, const void* bits, unsigned rows);

    // The part of a copy of w x h pixels from (sx, sy) of the source to (x, y) that lies
    // inside the source: destination (x, y), source (sx, sy), width x height pixels, the
    // destination moved along with the source. False when nothing does. Devices that clip
    // their own destination (a device context, a back buffer) need no more.
    struct CopyArea {
        int x, y, sx, sy, width, height;
    };
    static bool clipSource(const HImage& source, int x, int y, int w, int h, int sx, int sy,
                           CopyArea* area);

protected:
    // The same, inside the target as well, for copies between the pixels of two images.
    static bool clipCopy(const HImage& source, const HImage& target, int x, int y, int w, int h,
                         int sx, int sy, CopyArea* area);

    void setSize(int width, int height);
    void create(HWND window);
    void deleteMask();

private:
    void selectBitmap(HBITMAP bitmap);
    int transferBits(bool write, const BITMAPINFO* info, void* bits, unsigned rows);
    bool copyToDirectX(HImage* target, int x, int y, int w, int h, int sx, int sy);

    int32_t m_type = TYPE_GDI;
    int32_t m_width = 0;
    int32_t m_height = 0;
    // Bitmaps before their device contexts: the contexts go first when the image is deleted.
    HGdiObject<HBITMAP> m_bitmap;
    HGdiObject<HBITMAP> m_maskBitmap;
    HMemoryDC m_dc;
    HMemoryDC m_maskDC;
    HGDIOBJ m_initialBitmap = nullptr;      // not owned: the memory context's own 1 x 1 bitmap
    HGDIOBJ m_maskInitialBitmap = nullptr;  // not owned
    std::unique_ptr<uint32_t[]> m_pixels;
    HColor m_transparentColor;
};
