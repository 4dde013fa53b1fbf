#include "editor/model/BMGeometry.h"

#include <cstddef>

namespace {

int rowShift(int row, int cellPixels)
{
    return (row & 1) != 0 ? cellPixels / 2 : 0;
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

// A cell size below 1 would divide by zero; such a picture has the cells of 1 pixel.
BMPoint BMGeometry::pressCell(int mx, int my, int cellPixels)
{
    cellPixels = cellPixels > 0 ? cellPixels : 1;
    const int row = my / cellPixels;
    const int t = mx - rowShift(row, cellPixels);
    return {t < 0 ? -1 : t / cellPixels, row};
}

BMPoint BMGeometry::dragCell(int mx, int my, int cellPixels)
{
    cellPixels = cellPixels > 0 ? cellPixels : 1;
    const int row = my / cellPixels;
    return {(mx - rowShift(row, cellPixels)) / cellPixels, row};
}

bool BMGeometry::inDeadBand(int mx, int my, int cellPixels, int band)
{
    cellPixels = cellPixels > 0 ? cellPixels : 1;
    const int row = my / cellPixels;
    const int u = (mx - rowShift(row, cellPixels)) % cellPixels;
    const int v = my % cellPixels;
    const int far = cellPixels - band - 1;  // the last offset outside the band
    return u < band || u > far || v < band || v > far;
}

BMPoint BMGeometry::clamp(BMPoint cell)
{
    return {clampCell(cell.x), clampCell(cell.y)};
}

std::vector<uint16_t> BMGeometry::everyCell()
{
    std::vector<uint16_t> cells(MAP_CELLS);
    for (int index = 0; index < MAP_CELLS; ++index) {
        cells[static_cast<size_t>(index)] = static_cast<uint16_t>(index);
    }
    return cells;
}
