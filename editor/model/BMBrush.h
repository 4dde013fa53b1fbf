#pragma once

#include <cstdint>
#include <vector>

#include "editor/model/BMConstants.h"

// The hex brush of free-hand painting: the cells within a radius of 0 (the cell alone) to 3
// steps of the offset-row grid, that is 1, 7, 19 or 37 cells, cut at the map's edges. A stroke
// stamps the brush on every cell of the path the pointer took, so a pointer that jumps several
// cells between two events still leaves no gap.
//
// Distances and paths are worked out in axial coordinates of the offset rows (odd rows shifted
// right): q = x - (y - (y & 1)) / 2, r = y. A step to any of the six neighbours changes q and r
// by one of (-1, 0), (+1, 0), (0, -1), (+1, -1), (-1, +1), (0, +1).
class BMBrush {
public:
    static constexpr int MAX_RADIUS = 3;

    // Hex steps between two cells (which may lie outside the map).
    static int distance(BMPoint a, BMPoint b);
    // The cells of the brush around (x, y) inside the map, appended to cells as indices.
    static void stamp(BMPoint centre, int radius, std::vector<uint16_t>* cells);
    // The straight path of cells from a to b, both included, each a neighbour of the one before
    // it: distance(a, b) + 1 cells.
    static std::vector<BMPoint> path(BMPoint a, BMPoint b);
    // The brush stamped on every cell of the path from a to b (the part inside the map).
    static void stroke(BMPoint a, BMPoint b, int radius, std::vector<uint16_t>* cells);
    // The radius limited to 0..MAX_RADIUS.
    static int limit(int radius);
};
