#pragma once

#include <cstdint>
#include <vector>

class ZDBMap;

// What an edit left out because the map file could not hold it.
struct BMLimitCut {
    uint32_t groups[8] = {};      // cells not placed, by placement group index 0..7
    bool origin = false;          // a placement on cell (0, 0) was left out
    uint32_t categories[3] = {};  // cells not given an object, by BMMapLimits::Category

    bool any() const;
    void add(const BMLimitCut& other);
};

// The limits of the map file that every edit stays within, so that a map saves and opens
// again exactly as the editor shows it:
// - a placement group holds at most 20 cells (the slots the file has per group), and cell
//   (0, 0) holds none (a slot reading (0, 0) is empty);
// - an object category (city, wall or road) holds at most 256 cells: the file keeps the low
//   byte of each order, and the open renumbers by it, so a 257th order would come back
//   elsewhere.
// Clearing always fits, and nothing already on the map is taken away.
class BMMapLimits {
public:
    static constexpr uint32_t GROUP_CELLS = 20;
    static constexpr uint32_t CATEGORY_CELLS = 256;
    enum Category { CITY, WALL, ROAD, NO_CATEGORY };

    static Category categoryOf(uint8_t object);

    // One cell an edit wants to write: the parts it writes, with their new values.
    struct Write {
        uint16_t cell;       // y * 32 + x
        bool object;         // writes the object chip
        uint8_t objectChip;
        bool placement;      // writes the placement group
        uint8_t group;       // 0 clears
    };

    // Decides, for the writes of one edit in the order they were painted, which parts fit on
    // map as it stands: what leaves a group or category is done first, then what joins one,
    // in order, while there is room. A part that does not fit is switched off in its write
    // and counted in the result. Of two writes to one cell only the later is made; the
    // earlier one's parts are switched off without being counted.
    static BMLimitCut fit(const ZDBMap& map, std::vector<Write>* writes);

    // Takes out of a whole map what the file cannot hold: a placement on (0, 0), the cells
    // of a group after its 20th and of a category after its 256th, in their order, and the
    // placement orders of cells without a group; the map is renumbered (ZDBMap::correct)
    // before and after.
    static BMLimitCut fitMap(ZDBMap* map);
};
