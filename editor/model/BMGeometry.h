#pragma once

#include <cstdint>
#include <vector>

#include "editor/model/BMConstants.h"

// Cells on offset rows. Row y covers pixels y * 32 .. y * 32 + 31 of the map picture; odd rows
// are shifted 16 pixels to the right, so cell (x, y) starts at pixel x * 32 + 16 * (y odd),
// and the first 16 pixels of an odd row belong to no cell.
//
// Read as hexagons, every cell has six neighbours, numbered counter-clockwise from the upper
// left (even = y even):
//   0 upper left   (x - 1 if even else x, y - 1)     3 lower right  (x if even else x + 1, y + 1)
//   1 left         (x - 1, y)                         4 right        (x + 1, y)
//   2 lower left   (x - 1 if even else x, y + 1)     5 upper right  (x if even else x + 1, y - 1)
// Direction d + 3 (mod 6) is the opposite of d.
class BMGeometry {
public:
    static constexpr int DEAD_BAND = 4;  // pixels along every cell edge

    static bool inside(int x, int y) { return x >= 0 && x < MAP_SIZE && y >= 0 && y < MAP_SIZE; }
    static int index(int x, int y) { return y * MAP_SIZE + x; }
    static BMPoint cellOf(int index) { return {index % MAP_SIZE, index / MAP_SIZE}; }
    // The index of every cell of the map, in reading order.
    static std::vector<uint16_t> everyCell();
    // The neighbour in direction 0..5; it may lie outside the map.
    static BMPoint neighbour(int x, int y, int direction);

    // The cell under pixel (mx, my) of a map picture whose cells are cellPixels wide (odd rows
    // shifted by half of that) for a press: column -1 in the strip before an odd row's first
    // cell. Either part may lie outside the map.
    static BMPoint pressCell(int mx, int my, int cellPixels = CELL_PIXELS);
    // The same for a drag: columns and rows truncate toward zero, so the strip counts as
    // column 0. Not clamped.
    static BMPoint dragCell(int mx, int my, int cellPixels = CELL_PIXELS);
    // True within band pixels of a cell's edge, where a drag ignores the pointer.
    static bool inDeadBand(int mx, int my, int cellPixels = CELL_PIXELS, int band = DEAD_BAND);
    static BMPoint clamp(BMPoint cell);
};
