#pragma once

#include <cstdint>
#include <vector>

#include "editor/model/BMLayers.h"
#include "editor/model/BMMapLimits.h"

class BMData;
class BMEditor;
struct BMCellRecord;

// Writes the values of an edit into the cells of the editor's current map, within what the
// map file holds (BMMapLimits). Records nothing: the caller wraps the writes in its undo item.
class BMCellWriter {
public:
    // Cell (x, y) gets the values of the layers. A cell without a group has no placement order:
    // the map file has no slot to keep one in.
    static void write(BMData& data, int x, int y, const BMLayers& layers, const BMCellRecord& values);
    // True when cell (x, y) holds an object or a placement of the layers: those edits
    // renumber the whole map, so such cells are recorded too, not only the selection.
    static bool hasPlaced(const BMData& data, int x, int y, const BMLayers& layers);
    // The cells an edit of the layers may change: the selection with the cursor cell, and the
    // cells holding objects or placements of the layers (renumbered), in reading order.
    static std::vector<uint16_t> edited(const BMEditor& editor, const BMLayers& layers);
    // The layers of a cell's write that fit the map file (BMMapLimits::fit).
    static BMLayers fitted(const BMLayers& layers, const BMMapLimits::Write& write);

    // Writes the values (or, without values, the current values or 0 with clear) into the
    // editor's selection and renumbers when objects or placements changed. Where the map file
    // is full, the cells of painted come first, in their order, then the rest of the selection
    // in reading order.
    static BMLimitCut writeSelection(BMEditor& editor, const BMLayers& layers,
                                     const BMCellRecord* values, bool clear,
                                     const std::vector<uint16_t>& painted);
    // Puts the selection's cells back as they were read, in reading order, as far as the map
    // file holds them.
    static BMLimitCut restoreSelection(BMEditor& editor);
};
