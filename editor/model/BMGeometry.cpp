#include "editor/model/BMGeometry.h"

namespace {

const int kDeadBand = 4;

int rowShift(int row)
{
    return (row & 1) != 0 ? ROW_SHIFT : 0;
}

int clampCell(int value)
{
    return value < 0 ? 0 : (value >= MAP_SIZE ? MAP_SIZE - 1 : value);
}

}  // namespace

BMPoint BMGeometry::neighbour(int x, int y, int direction)
{
    const int odd = y & 1;
    switch (direction) {
    case 0: return {x - 1 + odd, y - 1};
    case 1: return {x - 1, y};
    case 2: return {x - 1 + odd, y + 1};
    case 3: return {x + odd, y + 1};
    case 4: return {x + 1, y};
    default: return {x + odd, y - 1};
    }
}

BMPoint BMGeometry::pressCell(int mx, int my)
{
    const int row = my / CELL_PIXELS;
    const int t = mx - rowShift(row);
    return {t < 0 ? -1 : t / CELL_PIXELS, row};
}

BMPoint BMGeometry::dragCell(int mx, int my)
{
    const int row = my / CELL_PIXELS;
    return {(mx - rowShift(row)) / CELL_PIXELS, row};
}

bool BMGeometry::inDeadBand(int mx, int my)
{
    const int row = my / CELL_PIXELS;
    const int u = (mx - rowShift(row)) % CELL_PIXELS;
    const int v = my % CELL_PIXELS;
    const int far = CELL_PIXELS - kDeadBand - 1;  // 27: the last offset outside the band
    return u < kDeadBand || u > far || v < kDeadBand || v > far;
}

BMPoint BMGeometry::clamp(BMPoint cell)
{
    return {clampCell(cell.x), clampCell(cell.y)};
}
