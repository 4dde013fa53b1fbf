#include "framework/graphics/HGraphics.h"

HGraphics::HGraphics()
{
    setClassName("HGraphics");
}

HGraphics::~HGraphics() = default;

void HGraphics::drawString(const std::string& text, int x, int y)
{
    drawText(text.c_str(), x, y, static_cast<int>(text.size()));
}

void HGraphics::setColor(const HColor& color)
{
    m_color = color;
}

void HGraphics::setFont(HFont* font)
{
    m_font = font;
}

void HGraphics::setLineWidth(int width)
{
    m_lineWidth = width;
}
