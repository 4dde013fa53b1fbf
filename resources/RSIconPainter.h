#pragma once

#include <cstdint>
#include <vector>

// Draws the program's icon at any size: hexagonal map cells of several kinds of terrain, as
// the editor's maps are made of, with a dark outline. Small sizes show three cells so that
// each stays a recognisable hexagon; from 32 pixels up, a flower of seven, and from 48 up
// the editor's cursor frame on the middle cell.
class RSIconPainter {
public:
    // size x size pixels, top row first, each 0xAARRGGBB with straight alpha; transparent
    // outside the cells. Empty for sizes outside 1..1024.
    static std::vector<uint32_t> paint(int size);
    // The smallest size that shows seven cells, and the smallest that also shows a cursor
    // frame on the middle one.
    static constexpr int FLOWER_SIZE = 32;
    static constexpr int CURSOR_SIZE = 48;
};
