#include "framework/graphics/HWindowsGraphics.h"

#include "framework/graphics/HFont.h"
#include "framework/graphics/HImage.h"

HWindowsGraphics::HWindowsGraphics()
{
    setClassName("HWindowsGraphics");
    setType(TYPE_GDI);
}

// The pen and brush may still be selected when the device goes in the middle of a paint.
HWindowsGraphics::~HWindowsGraphics()
{
    if (paintDC() != nullptr) {
        end();
    }
}

bool HWindowsGraphics::initialize()
{
    return true;
}

bool HWindowsGraphics::reset()
{
    return true;
}

bool HWindowsGraphics::begin()
{
    if (paintDC() != nullptr) {
        return false;  // a paint is already running
    }
    HDC dc = BeginPaint(getMainWindow(), &m_paint);
    if (dc == nullptr) {
        return false;
    }
    setDrawingHandle(dc);
    m_oldFont = nullptr;
    if (getFont() != nullptr) {
        HFONT font = getFont()->getHandle(dc);
        if (font != nullptr) {
            m_oldFont = SelectObject(dc, font);
        }
    }
    m_oldTextColor = SetTextColor(dc, m_colorRef);
    m_oldPen = m_pen ? SelectObject(dc, m_pen.get()) : nullptr;
    m_oldBrush = m_brush ? SelectObject(dc, m_brush.get()) : nullptr;
    return true;
}

// The pen and brush stay with the device, so the colour set before one paint holds for the
// next ones too.
void HWindowsGraphics::end()
{
    HDC dc = paintDC();
    if (dc == nullptr) {
        return;
    }
    if (m_oldFont != nullptr) {
        SelectObject(dc, m_oldFont);
    }
    if (m_oldTextColor != CLR_INVALID) {
        SetTextColor(dc, m_oldTextColor);
    }
    if (m_oldPen != nullptr) {
        SelectObject(dc, m_oldPen);
    }
    if (m_oldBrush != nullptr) {
        SelectObject(dc, m_oldBrush);
    }
    m_oldFont = m_oldPen = m_oldBrush = nullptr;
    m_oldTextColor = CLR_INVALID;
    setDrawingHandle(nullptr);
    EndPaint(getMainWindow(), &m_paint);
}

bool HWindowsGraphics::drawImage(HImage* image, int x, int y, int w, int h, int sx, int sy)
{
    if (paintDC() == nullptr || image == nullptr) {
        return true;
    }
    return image->drawToDC(paintDC(), x, y, w, h, sx, sy);
}

void HWindowsGraphics::drawText(const char* text, int x, int y, int length)
{
    if (paintDC() != nullptr && text != nullptr && length > 0) {
        TextOutA(paintDC(), x, y, text, length);
    }
}

void HWindowsGraphics::drawLine(int x1, int y1, int x2, int y2)
{
    if (paintDC() != nullptr) {
        MoveToEx(paintDC(), x1, y1, nullptr);
        LineTo(paintDC(), x2, y2);
    }
}

void HWindowsGraphics::drawRect(int left, int top, int right, int bottom)
{
    HDC dc = paintDC();
    if (dc == nullptr) {
        return;
    }
    HGDIOBJ previous = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, left, top, right, bottom);
    SelectObject(dc, previous);
}

void HWindowsGraphics::fillRect(int left, int top, int right, int bottom)
{
    if (paintDC() != nullptr) {
        Rectangle(paintDC(), left, top, right, bottom);
    }
}

// Pen and brush are made anew in the colour; during a paint the new ones are selected before
// the old ones are deleted, and the ones in place before the paint are kept for end().
void HWindowsGraphics::setColor(const HColor& color)
{
    HGraphics::setColor(color);
    m_colorRef = color.getColorRef();
    makePen();
    HGdiObject<HBRUSH> brush(CreateSolidBrush(m_colorRef));
    HDC dc = paintDC();
    if (dc != nullptr) {
        SetTextColor(dc, m_colorRef);
        HGDIOBJ previous = SelectObject(dc, brush.get());
        if (m_oldBrush == nullptr) {
            m_oldBrush = previous;
        }
    }
    m_brush = std::move(brush);
}

void HWindowsGraphics::setFont(HFont* font)
{
    HGraphics::setFont(font);
    HDC dc = paintDC();
    if (dc == nullptr || font == nullptr) {
        return;
    }
    HFONT handle = font->getHandle(dc);
    if (handle != nullptr) {
        HGDIOBJ previous = SelectObject(dc, handle);
        if (m_oldFont == nullptr) {
            m_oldFont = previous;
        }
    }
}

void HWindowsGraphics::setLineWidth(int width)
{
    HGraphics::setLineWidth(width);
    makePen();
}

void HWindowsGraphics::makePen()
{
    HGdiObject<HPEN> pen(CreatePen(PS_SOLID, getLineWidth(), m_colorRef));
    HDC dc = paintDC();
    if (dc != nullptr) {
        HGDIOBJ previous = SelectObject(dc, pen.get());
        if (m_oldPen == nullptr) {
            m_oldPen = previous;
        }
    }
    m_pen = std::move(pen);
}
