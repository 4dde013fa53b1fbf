#include "sample/SGCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

uint8_t clampChannel(int value)
{
    return static_cast<uint8_t>(std::min(255, std::max(0, value)));
}

void putLittle(std::string& bytes, uint32_t value, int count)
{
    for (int i = 0; i < count; ++i) {
        bytes.push_back(static_cast<char>(value >> (8 * i)));
    }
}

}  // namespace

SGColor SGColor::shade(int percent) const
{
    SGColor out = {clampChannel(r * percent / 100), clampChannel(g * percent / 100),
                   clampChannel(b * percent / 100)};
    if (out.r == 0 && out.g == 0 && out.b == 0) {
        out.r = out.g = out.b = 1;  // black would turn transparent
    }
    return out;
}

SGColor SGColor::mix(const SGColor& other, int percentOther) const
{
    int keep = 100 - percentOther;
    SGColor out = {clampChannel((r * keep + other.r * percentOther) / 100),
                   clampChannel((g * keep + other.g * percentOther) / 100),
                   clampChannel((b * keep + other.b * percentOther) / 100)};
    return out.shade(100);
}

SGCanvas::SGCanvas(int width, int height)
    : m_width(width), m_height(height),
      m_pixels(static_cast<size_t>(width) * static_cast<size_t>(height), SGColor{0, 0, 0})
{
}

SGColor SGCanvas::get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return SGColor{0, 0, 0};
    }
    return m_pixels[static_cast<size_t>(y) * m_width + x];
}

void SGCanvas::set(int x, int y, const SGColor& color)
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height) {
        m_pixels[static_cast<size_t>(y) * m_width + x] = color;
    }
}

void SGCanvas::fill(const SGColor& color)
{
    std::fill(m_pixels.begin(), m_pixels.end(), color);
}

void SGCanvas::fillRect(int x, int y, int w, int h, const SGColor& color)
{
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            set(column, row, color);
        }
    }
}

void SGCanvas::fillCircle(float cx, float cy, float radius, const SGColor& color)
{
    int x0 = static_cast<int>(std::floor(cx - radius));
    int x1 = static_cast<int>(std::ceil(cx + radius));
    int y0 = static_cast<int>(std::floor(cy - radius));
    int y1 = static_cast<int>(std::ceil(cy + radius));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            float dx = x + 0.5f - cx;
            float dy = y + 0.5f - cy;
            if (dx * dx + dy * dy <= radius * radius) {
                set(x, y, color);
            }
        }
    }
}

void SGCanvas::line(float x0, float y0, float x1, float y1, float width, const SGColor& color)
{
    float length = std::hypot(x1 - x0, y1 - y0);
    int steps = std::max(1, static_cast<int>(length * 2));
    for (int i = 0; i <= steps; ++i) {
        float t = static_cast<float>(i) / steps;
        fillCircle(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2, color);
    }
}

void SGCanvas::fillPolygon(const std::vector<float>& xy, const SGColor& color)
{
    size_t corners = xy.size() / 2;
    if (corners < 3) {
        return;
    }
    for (int y = 0; y < m_height; ++y) {
        float py = y + 0.5f;
        std::vector<float> crossings;
        for (size_t i = 0; i < corners; ++i) {
            float ax = xy[2 * i];
            float ay = xy[2 * i + 1];
            float bx = xy[2 * ((i + 1) % corners)];
            float by = xy[2 * ((i + 1) % corners) + 1];
            if ((ay <= py) != (by <= py)) {
                crossings.push_back(ax + (py - ay) * (bx - ax) / (by - ay));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            for (int x = 0; x < m_width; ++x) {
                float px = x + 0.5f;
                if (px >= crossings[i] && px < crossings[i + 1]) {
                    set(x, y, color);
                }
            }
        }
    }
}

void SGCanvas::paste(const SGCanvas& source, int x, int y)
{
    for (int row = 0; row < source.height(); ++row) {
        for (int column = 0; column < source.width(); ++column) {
            set(x + column, y + row, source.get(column, row));
        }
    }
}

std::string SGCanvas::toBmp() const
{
    const uint32_t headers = 14 + 40;
    uint32_t rowBytes = (static_cast<uint32_t>(m_width) * 3 + 3) & ~3u;
    uint32_t imageBytes = rowBytes * static_cast<uint32_t>(m_height);
    std::string bytes;
    bytes.reserve(headers + imageBytes);
    bytes += "BM";
    putLittle(bytes, headers + imageBytes, 4);
    putLittle(bytes, 0, 4);                // two reserved words
    putLittle(bytes, headers, 4);          // offset of the pixel bits
    putLittle(bytes, 40, 4);               // information header size
    putLittle(bytes, static_cast<uint32_t>(m_width), 4);
    putLittle(bytes, static_cast<uint32_t>(m_height), 4);  // positive: bottom-up rows
    putLittle(bytes, 1, 2);                // planes
    putLittle(bytes, 24, 2);               // bits per pixel
    putLittle(bytes, 0, 4);                // no compression
    putLittle(bytes, imageBytes, 4);
    putLittle(bytes, 2835, 4);             // 72 dots per inch, both ways
    putLittle(bytes, 2835, 4);
    putLittle(bytes, 0, 4);                // no colour table
    putLittle(bytes, 0, 4);
    for (int y = m_height - 1; y >= 0; --y) {
        for (int x = 0; x < m_width; ++x) {
            const SGColor& pixel = m_pixels[static_cast<size_t>(y) * m_width + x];
            bytes.push_back(static_cast<char>(pixel.b));
            bytes.push_back(static_cast<char>(pixel.g));
            bytes.push_back(static_cast<char>(pixel.r));
        }
        bytes.append(rowBytes - static_cast<uint32_t>(m_width) * 3, '\0');
    }
    return bytes;
}
