#pragma once

#include "framework/base/HWin32.h"
#include "framework/graphics/HGdiObject.h"
#include "framework/graphics/HGraphics.h"

// The GDI device: paints into the main window's device context between BeginPaint and
// EndPaint, with its own pen and brush in the current colour once a colour is set.
class HWindowsGraphics : public HGraphics {
public:
    HWindowsGraphics();
    ~HWindowsGraphics() override;

    bool initialize() override;
    bool reset() override;
    bool begin() override;
    void end() override;
    // Outside a paint, or without an image, nothing is drawn and the result is true.
    bool drawImage(HImage* image, int x, int y, int w, int h, int sx, int sy) override;
    void drawText(const char* text, int x, int y, int length) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawRect(int left, int top, int right, int bottom) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void setColor(const HColor& color) override;
    void setFont(HFont* font) override;
    void setLineWidth(int width) override;

private:
    HDC paintDC() const { return static_cast<HDC>(getDrawingHandle()); }
    void makePen();

    PAINTSTRUCT m_paint = {};
    COLORREF m_oldTextColor = CLR_INVALID;  // CLR_INVALID: nothing to restore
    HGDIOBJ m_oldFont = nullptr;            // not owned
    HGDIOBJ m_oldPen = nullptr;             // not owned
    HGDIOBJ m_oldBrush = nullptr;           // not owned
    COLORREF m_colorRef = 0;
    HGdiObject<HPEN> m_pen;
    HGdiObject<HBRUSH> m_brush;
};
