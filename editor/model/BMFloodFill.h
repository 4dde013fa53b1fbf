#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "editor/model/BMConstants.h"

class BMData;

// The value of every cell of a map in one layer, by cell index y * 32 + x.
using BMLayerValues = std::array<uint8_t, MAP_CELLS>;

// Regions of equal value: the cells a fill reaches from a start cell. Cells connect through
// the six neighbours of the offset rows (BMGeometry::neighbour), never through the corners of
// the square the picture draws them in, so a region neither leaks between two rows nor stops
// where an odd row is shifted.
class BMFloodFill {
public:
    // How far a fill reaches.
    enum Reach {
        CONNECTED,  // the cells joined to the start through neighbours of the same value
        MAP_WIDE,   // every cell holding the start's value, joined or not
    };

    // The layer an edit mode works on, read from the current map: the character (also for the
    // border mode, whose lines are character chips), the object, the height or the placement
    // group.
    static void readLayer(const BMData& data, int editMode, BMLayerValues* values);
    // The cells of start's region (start included, in the order a breadth-first walk reaches
    // them), or nothing when start lies outside the map.
    static std::vector<uint16_t> region(const BMLayerValues& values, int start, Reach reach);
};
