#pragma once

#include <cstdint>
#include <string>

#include "framework/base/HObject.h"
#include "framework/base/HWin32.h"
#include "framework/graphics/HColor.h"

class HFont;
class HImage;

// What a window draws through during one paint or frame: HWindowsGraphics paints into the
// window's device context between begin-paint and end-paint, HDirectXGraphics draws textured
// quads into a Direct3D 9 back buffer and presents it. Coordinates are pixels of the client
// area; rectangles exclude their right and bottom edges.
// HGraphicsFactory makes and keeps the devices.
class HGraphics : public HObject {
public:
    enum Type : int32_t { TYPE_NONE = 0, TYPE_GDI = 1, TYPE_DIRECTX = 2 };

    HGraphics();
    ~HGraphics() override;

    virtual bool initialize() = 0;
    // Fits the device to the window's current client size.
    virtual bool reset() = 0;
    // Starts a paint or frame; true when drawing can follow.
    virtual bool begin() = 0;
    virtual void end() = 0;
    virtual bool drawImage(HImage* image, int x, int y, int w, int h, int sx, int sy) = 0;
    void drawString(const std::string& text, int x, int y);
    virtual void drawText(const char* text, int x, int y, int length) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    virtual void drawRect(int left, int top, int right, int bottom) = 0;
    virtual void fillRect(int left, int top, int right, int bottom) = 0;

    int getType() const { return m_type; }
    // The device context during a GDI paint, the IDirect3DDevice9 of a Direct3D device.
    void* getDrawingHandle() const { return m_drawingHandle; }
    HColor getColor() const { return m_color; }
    HFont* getFont() const { return m_font; }
    int getLineWidth() const { return m_lineWidth; }
    HWND getMainWindow() const { return m_mainWindow; }
    HWND getSubWindow() const { return m_subWindow; }

    void setType(int type) { m_type = type; }
    void setDrawingHandle(void* handle) { m_drawingHandle = handle; }
    virtual void setColor(const HColor& color);
    // font: not owned; it must outlive its use here.
    virtual void setFont(HFont* font);
    virtual void setLineWidth(int width);
    void setMainWindow(HWND window) { m_mainWindow = window; }
    void setSubWindow(HWND window) { m_subWindow = window; }

private:
    int32_t m_type = TYPE_NONE;
    void* m_drawingHandle = nullptr;  // not owned
    HColor m_color;
    HFont* m_font = nullptr;  // not owned
    int m_lineWidth = 1;
    HWND m_mainWindow = nullptr;  // not owned
    HWND m_subWindow = nullptr;   // not owned
};
