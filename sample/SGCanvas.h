#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An RGB colour of the sample pictures. Pure black is the chip bitmaps' transparent colour,
// so drawn shapes never use it.
struct SGColor {
    uint8_t r;
    uint8_t g;
    uint8_t b;

    // Each channel scaled by percent (100 = unchanged), clamped, and kept off pure black.
    SGColor shade(int percent) const;
    SGColor mix(const SGColor& other, int percentOther) const;
    bool operator==(const SGColor& other) const { return r == other.r && g == other.g && b == other.b; }
};

// A picture in memory: top-down rows of RGB pixels, black at first. Shapes take pixel
// coordinates as floats (pixel centres at .5) and are clipped to the picture.
class SGCanvas {
public:
    SGCanvas(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    SGColor get(int x, int y) const;
    void set(int x, int y, const SGColor& color);

    void fill(const SGColor& color);
    void fillRect(int x, int y, int w, int h, const SGColor& color);
    void fillCircle(float cx, float cy, float radius, const SGColor& color);
    // A stroke of the given width with round ends.
    void line(float x0, float y0, float x1, float y1, float width, const SGColor& color);
    // A convex or concave polygon, filled by the even-odd rule on pixel centres.
    void fillPolygon(const std::vector<float>& xy, const SGColor& color);
    // Copies source with its top left corner at (x, y).
    void paste(const SGCanvas& source, int x, int y);

    // The picture as a Windows BMP file: 24 bits per pixel, bottom-up rows, 40-byte header.
    std::string toBmp() const;

private:
    int m_width;
    int m_height;
    std::vector<SGColor> m_pixels;
};
