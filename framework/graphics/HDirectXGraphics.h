#pragma once

#include "framework/graphics/HGraphics.h"

class HDirectX;
struct IDirect3DTexture9;

// The Direct3D device: each frame clears the back buffer, draws Direct3D images as textured
// quads with alpha blending and presents. Lines, rectangles and text are not drawn.
class HDirectXGraphics : public HGraphics {
public:
    HDirectXGraphics();

    // Takes the device object for the main and sub windows; true when it is usable.
    bool initialize() override;
    // The back buffer to the client size of the sub window (the main window without one).
    bool reset() override;
    // Clears to opaque black and begins the scene; true when the scene began.
    bool begin() override;
    // Ends the scene and presents the whole back buffer.
    void end() override;
    // Only Direct3D images of this device are drawn, and only between begin and end; the
    // result is always true.
    bool drawImage(HImage* image, int x, int y, int w, int h, int sx, int sy) override;
    void drawText(const char* text, int x, int y, int length) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawRect(int left, int top, int right, int bottom) override;
    void fillRect(int left, int top, int right, int bottom) override;

private:
    HDirectX* directX() const;
    bool isUsable() const;
    bool isOwnTexture(IDirect3DTexture9* texture) const;

    bool m_initialized = false;  // the process's device object is used from initialize on
    bool m_inScene = false;
};
