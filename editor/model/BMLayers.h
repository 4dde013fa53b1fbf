#pragma once

#include <cstdint>

// The layers of a cell an edit writes: the character chip, the object with its order, the
// height, and the placement group with its order.
struct BMLayers {
    bool character = false;
    bool object = false;
    bool height = false;
    bool placement = false;

    static BMLayers all() { return {true, true, true, true}; }
    // The layers of an edit mode (the border mode writes character chips).
    static BMLayers ofMode(int mode);
    // The layers the UNDO_ kind bits of an undo item name.
    static BMLayers ofKinds(int32_t kinds);
    // The UNDO_ kind bits of an item that records these layers.
    int32_t kinds() const;
    // The DATA_ bits of a change of these layers.
    uint32_t data() const;
    // Objects and placements are numbered across the whole map.
    bool renumbers() const { return object || placement; }
};
