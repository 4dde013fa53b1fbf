#pragma once

#include <cstdint>
#include <vector>

#include "editor/model/BMChange.h"
#include "editor/model/BMFloodFill.h"

class BMEditor;

// A shape of the pointer gestures on the map: how a press, a drag and its end pick cells. The
// editor keeps the state (cursor, marks, the pending cells of a drag) and hands it to the tool
// of its shape and mouse mode; a tool keeps nothing of its own between calls.
//
// In direct mouse mode a press and a whole drag are each one undo step that selects and sets
// together; in select mode a drag's pending cells join the selection.
class BMTool {
public:
    virtual ~BMTool();

    // A left press on map cell (x, y): off the cursor cell, a new cursor (dropping the
    // selection), and in direct mode the current value set there.
    virtual BMChange press(BMEditor& editor, int x, int y, BMFloodFill::Reach reach) const;
    // A drag begins at map cell (x, y); the editor has put the cursor there and marked it
    // pending.
    virtual void drag(BMEditor& editor, int x, int y, BMFloodFill::Reach reach) const;
    // The drag from anchor is over cell (x, y), which may lie outside the map: marks the cells
    // the drag would take pending.
    virtual void preview(BMEditor& editor, BMPoint anchor, int x, int y,
                         BMFloodFill::Reach reach) const = 0;
    // The drag ended over map cell (x, y): the pending cells become the selection.
    virtual BMChange release(BMEditor& editor, int x, int y) const;

protected:
    // The cells a direct-mode press sets besides the cursor cell.
    virtual std::vector<uint16_t> pressed(const BMEditor& editor, int x, int y) const;
    // True when the pending cells are taken in reading order rather than the order the drag
    // marked them (where the map file is full, the first ones are kept).
    virtual bool inReadingOrder() const { return false; }
    // True when a border drawn along the drag keeps the cursor where the drag began.
    virtual bool drawsAlong() const { return false; }
};
