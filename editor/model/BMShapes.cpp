#include "editor/model/BMShapes.h"

#include <algorithm>
#include <cmath>

#include "editor/model/BMGeometry.h"

namespace {

const int kSampleStep = 16;
// Coordinates are held within this many cells so that the pixel arithmetic cannot overflow;
// pointer positions never come near it.
const int kFar = 1 << 16;

int bound(int value)
{
    return std::max(-kFar, std::min(value, kFar));
}

void add(int x, int y, std::vector<uint16_t>* cells)
{
    if (BMGeometry::inside(x, y)) {
        cells->push_back(static_cast<uint16_t>(BMGeometry::index(x, y)));
    }
}

// The centre of a cell in map pixels.
BMPoint centre(int x, int y)
{
    const int shift = (y & 1) != 0 ? ROW_SHIFT : 0;
    return {x * CELL_PIXELS + CELL_PIXELS / 2 + shift, y * CELL_PIXELS + CELL_PIXELS / 2};
}

void addPixel(int px, int py, std::vector<uint16_t>* cells)
{
    const BMPoint cell = BMGeometry::dragCell(px, py);
    add(cell.x, cell.y, cells);
}

}  // namespace

void BMShapes::line(int ax, int ay, int bx, int by, std::vector<uint16_t>* cells)
{
    const BMPoint a = centre(bound(ax), bound(ay));
    const BMPoint b = centre(bound(bx), bound(by));
    const int width = std::abs(b.x - a.x);
    const int height = std::abs(b.y - a.y);
    if (height < width) {
        const double slope = static_cast<double>(b.y - a.y) / (b.x - a.x);
        for (int x = std::min(a.x, b.x); x < std::max(a.x, b.x); x += kSampleStep) {
            addPixel(x, static_cast<int>(slope * (x - a.x) + a.y), cells);
        }
    } else if (height > 0) {
        const double slope = static_cast<double>(b.x - a.x) / (b.y - a.y);
        for (int y = std::min(a.y, b.y); y < std::max(a.y, b.y); y += kSampleStep) {
            addPixel(static_cast<int>(slope * (y - a.y) + a.x), y, cells);
        }
    }
}

void BMShapes::rectangle(int ax, int ay, int bx, int by, std::vector<uint16_t>* cells)
{
    const int left = std::max(std::min(ax, bx), 0);
    const int right = std::min(std::max(ax, bx), MAP_SIZE - 1);
    const int top = std::max(std::min(ay, by), 0);
    const int bottom = std::min(std::max(ay, by), MAP_SIZE - 1);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            add(x, y, cells);
        }
    }
}

// Row ay holds 2r + 1 cells from ax - r; each row further up and down holds one cell less, and
// its first cell moves right by one whenever the upper row of the pair is even, which keeps
// the rows centred on the offset grid.
void BMShapes::hexagon(int ax, int ay, int bx, int by, std::vector<uint16_t>* cells)
{
    ax = bound(ax);
    ay = bound(ay);
    const double dx = static_cast<double>(bound(bx)) - ax;
    const double dy = static_cast<double>(bound(by)) - ay;
    const int r = static_cast<int>(std::sqrt(dx * dx + dy * dy));
    int s = ax - r;
    // Rows only move away from the map as k grows, so the loop ends once both are outside.
    for (int k = 0; k <= r && (ay - k >= 0 || ay + k < MAP_SIZE); ++k) {
        if (k > 0 && ((ay - k) & 1) == 0) {
            ++s;
        }
        const int first = std::max(s, 0);
        const int last = std::min(s + 2 * r - k, MAP_SIZE - 1);
        for (int x = first; x <= last; ++x) {
            add(x, ay - k, cells);
            if (k > 0) {
                add(x, ay + k, cells);
            }
        }
    }
}
