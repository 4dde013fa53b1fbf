#pragma once

#include <cstdint>
#include <string>

class BMData;

// One cell's six layer values with its position relative to an origin cell: the unit of the
// undo history (origin (0, 0), so positions are absolute) and, as a text line, of the
// clipboard (origin = the first cell of the copied selection).
struct BMCellRecord {
    int32_t x = 0;  // relative to the origin cell
    int32_t y = 0;
    uint8_t character = 0;
    uint8_t object = 0;
    uint16_t order = 0;
    uint8_t height = 0;
    uint32_t group = 0;           // placement group 0..8, the value of a byte
    uint32_t placementOrder = 0;  // the value of a word
    int32_t originRow = 0;        // the origin cell's row; its parity places a paste
    uint32_t mark = 0;            // the cell mark value the caller gave

    // Reads cell (x, y) of the current map, relative to the origin cell.
    static BMCellRecord fromMap(const BMData& data, int x, int y, int originX, int originY,
                                uint32_t mark);
    // "%d,%d,%u,%u,%u,%u,%u,%u,%d,%u" of the fields in the order above.
    std::string toText() const;
};
