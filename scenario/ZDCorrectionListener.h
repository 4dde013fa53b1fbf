#pragma once

#include <cstdint>

// Told of every repair ZDBMap::correct makes, in the order it makes them, so that a caller
// can show what a load changed. The map's own log lines stay as they are either way.
class ZDCorrectionListener {
public:
    enum Kind {
        CHARACTER_RANGE,  // cell (x, y): character 240 or more set to 0
        OBJECT_RANGE,     // cell (x, y): object 40 or more set to 0, with its order
        ORDER_ON_EMPTY,   // cell (x, y): an object order without an object set to 0
        HEIGHT_RANGE,     // cell (x, y): height 16 or more set to 15
        SHAPE,            // cell (x, y): wall or road chip fitted to its neighbours
        CITY_COUNT,       // stored count set to the number of cells
        WALL_COUNT,
        ROAD_COUNT,
        CITY_ORDER,       // cell (x, y): object order renumbered densely
        WALL_ORDER,
        ROAD_ORDER,
        CONNECT_COUNT,    // placement group index `group`: cell count set
        CONNECT_ORDER,    // cell (x, y) of group index `group`: placement order renumbered
    };

    struct Correction {
        Kind kind;
        uint32_t x;      // the cell, where the kind names one; 0 otherwise
        uint32_t y;
        uint32_t group;  // placement group index 0..7 of the two CONNECT kinds; 0 otherwise
        uint32_t before;
        uint32_t after;
    };

    virtual ~ZDCorrectionListener() = default;
    virtual void corrected(const Correction& correction) = 0;
};
