#include "resources/RSIconPainter.h"

#include <algorithm>
#include <cmath>

namespace {

struct Cell {
    double x;  // centre, in units of the cell's circumradius
    double y;
    uint32_t colour;  // 0xRRGGBB
};

const uint32_t kOutline = 0x1C2740;
const uint32_t kCursor = 0xFFF6D8;  // the editor's cursor on the middle cell
const double kSqrt3 = std::sqrt(3.0);

// Pointy-top cells: neighbours sit sqrt(3) radii apart, to the sides and at +-60 degrees.
const Cell kFlower[] = {
    {0.0, 0.0, 0x63B04F},                  // grass
    {kSqrt3, 0.0, 0x3D8ED8},               // water
    {kSqrt3 / 2, 1.5, 0xE2BE68},           // sand
    {-kSqrt3 / 2, 1.5, 0x8D6E5A},          // rock
    {-kSqrt3, 0.0, 0x2F7D3A},              // forest
    {-kSqrt3 / 2, -1.5, 0xA8CF6A},         // meadow
    {kSqrt3 / 2, -1.5, 0x2AA198},          // shallows
};
const Cell kTrio[] = {
    {-kSqrt3 / 2, 0.75, 0x63B04F},
    {kSqrt3 / 2, 0.75, 0x3D8ED8},
    {0.0, -0.75, 0xE2BE68},
};

// Whether (dx, dy), relative to a pointy-top hexagon's centre, lies inside it.
bool insideHexagon(double dx, double dy, double radius)
{
    dx = std::fabs(dx);
    dy = std::fabs(dy);
    return dx <= radius * kSqrt3 / 2 && dx / kSqrt3 + dy <= radius;
}

// The cell's colour, lighter towards its top edge and darker towards its bottom.
uint32_t shade(uint32_t colour, double dy)
{
    double factor = 1.0 - 0.14 * dy;  // dy in radii, -1 at the top
    uint32_t out = 0;
    for (int shift = 16; shift >= 0; shift -= 8) {
        double channel = ((colour >> shift) & 0xFF) * factor;
        out |= static_cast<uint32_t>(std::clamp(channel, 0.0, 255.0) + 0.5) << shift;
    }
    return out;
}

}  // namespace

std::vector<uint32_t> RSIconPainter::paint(int size)
{
    if (size < 1 || size > 1024) {
        return {};
    }
    const bool flower = size >= FLOWER_SIZE;
    const Cell* cells = flower ? kFlower : kTrio;
    const int cellCount = flower ? 7 : 3;
    // Extent of the cells in radii, so that the group fills the square with a small margin.
    const double spanX = flower ? 3 * kSqrt3 : 2 * kSqrt3;
    const double spanY = flower ? 5.0 : 3.5;
    const double radius = size * 0.97 / std::max(spanX, spanY);  // pixels
    const double outline = std::max(0.9, radius * 0.09) / radius;  // radii
    const int samples = size <= 64 ? 16 : 4;  // per pixel and axis
    const bool cursor = size >= CURSOR_SIZE;

    std::vector<uint32_t> pixels(static_cast<size_t>(size) * size);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double red = 0, green = 0, blue = 0, covered = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    // The sample in radii, the square's centre at the origin.
                    double x = (px + (sx + 0.5) / samples - size / 2.0) / radius;
                    double y = (py + (sy + 0.5) / samples - size / 2.0) / radius;
                    for (int c = 0; c < cellCount; ++c) {
                        double dx = x - cells[c].x;
                        double dy = y - cells[c].y;
                        if (!insideHexagon(dx, dy, 1.0)) {
                            continue;
                        }
                        uint32_t colour = insideHexagon(dx, dy, 1.0 - outline)
                                              ? shade(cells[c].colour, dy)
                                              : kOutline;
                        if (cursor && c == 0 && insideHexagon(dx, dy, 0.74)
                            && !insideHexagon(dx, dy, 0.6)) {
                            colour = kCursor;
                        }
                        red += (colour >> 16) & 0xFF;
                        green += (colour >> 8) & 0xFF;
                        blue += colour & 0xFF;
                        covered += 1;
                        break;
                    }
                }
            }
            if (covered == 0) {
                continue;
            }
            uint32_t alpha = static_cast<uint32_t>(covered * 255 / (samples * samples) + 0.5);
            auto mean = [covered](double sum) { return static_cast<uint32_t>(sum / covered + 0.5); };
            pixels[static_cast<size_t>(py) * size + px] =
                alpha << 24 | mean(red) << 16 | mean(green) << 8 | mean(blue);
        }
    }
    return pixels;
}
