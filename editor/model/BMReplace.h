#pragma once

#include <cstdint>

#include "editor/model/BMChange.h"

class BMData;
class BMEditor;

// Replacing one value of the edit mode's layer by another in the selection, the current map
// or every map, as one undo step. Objects and placements are fitted to what the map file
// holds (BMMapLimits) and each changed map is renumbered, its walls and roads fitted again.
class BMReplace {
public:
    enum Scope { SELECTION, CURRENT_MAP, EVERY_MAP };

    struct Request {
        int mode;       // MODE_ of the layer (the border mode stands for the character chips)
        uint32_t from;  // the value replaced (the placement layer: group 1..8, 0 none)
        uint32_t to;
        Scope scope;
    };

    // Cells holding the value and the maps they lie on; after a replace, the cells that took
    // the new value and those left as they were, the map file having no room for them.
    struct Count {
        uint32_t cells = 0;
        uint32_t maps = 0;
        uint32_t leftOut = 0;
    };

    // The largest value of the mode's layer (239, 39, 15 or 8).
    static uint32_t maximum(int mode);
    // A cell's value in the mode's layer on map number (1-based).
    static uint32_t valueOf(const BMData& data, int mode, uint32_t number, int index);
    // What a replace would touch before it is made: the cells holding from in the scope.
    static Count count(const BMEditor& editor, const Request& request);
    // Makes the replace as one undo item (none when nothing changed or from equals to); done
    // gets the cells that took the new value and their maps, change.cut what did not fit.
    static BMChange run(BMEditor& editor, const Request& request, Count* done);
};
