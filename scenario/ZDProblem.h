#pragma once

#include <cstdint>
#include <string>

// One thing wrong in a scenario's data, found by ZDScenarioCheck: what, in which area, at which
// cell, and the values that tell it. The editor's problems list and the command-line check
// both show these.
struct ZDProblem {
    enum Kind {
        LINE,          // the area's line in the list is kept as read (the columns cannot carry it)
        LINK,          // a placement group leads to an area that does not exist
        COUNT,         // a category count of the area's line differs from its map's cells
        LINK_SHORT,    // a linked placement group has fewer than its 20 cells on the map
        ORIGIN,        // a placement cell on (0,0), which the map file cannot store
        CHIP_OUTSIDE,  // cells whose chip the chip bitmap does not hold
        MAP_UNUSED,    // a map file of a number no area has
        MUSIC_MISSING, // the area's music names a file that is not found
    };

    Kind kind = LINE;
    uint32_t area = 0;   // area and map number, 0 when the problem concerns no area
    int32_t x = -1;      // the cell, -1 when there is none
    int32_t y = -1;
    // Placement group 1..8, object category 0..2 (city, wall, road) or layer (0 character,
    // 1 object), by kind; -1 when none.
    int32_t index = -1;
    int64_t value = 0;   // what was found
    int64_t result = 0;  // what was expected, or how many cells
    std::string text;    // LINE: the reasons; MAP_UNUSED: the file's name; MUSIC_MISSING: the music

    bool operator==(const ZDProblem& other) const
    {
        return kind == other.kind && area == other.area && x == other.x && y == other.y
               && index == other.index && value == other.value && result == other.result
               && text == other.text;
    }

    // A short Japanese sentence without area or cell (Shift-JIS).
    std::string sentence() const;
};
