#pragma once

#include <cstdint>
#include <vector>

// The cells of a drag's selection shape from anchor (ax, ay) to end (bx, by), as cell indices
// y * 32 + x of the cells inside the map (a cell may come more than once). The end may lie
// outside the map; only the part inside counts.
class BMShapes {
public:
    // Samples every 16 pixels between the two cell centres along the longer extent; a line
    // from a cell to itself has no cells.
    static void line(int ax, int ay, int bx, int by, std::vector<uint16_t>* cells);
    static void rectangle(int ax, int ay, int bx, int by, std::vector<uint16_t>* cells);
    // The hexagon around the anchor whose radius is the whole part of the distance in cells.
    static void hexagon(int ax, int ay, int bx, int by, std::vector<uint16_t>* cells);
};
