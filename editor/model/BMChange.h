#pragma once

#include <cstdint>
#include <vector>

#include "editor/model/BMConstants.h"
#include "editor/model/BMMapLimits.h"

// What an operation changed in the editor's data and state. The model says only what changed;
// the view decides what to draw again and the shell what else follows (the title's mark).
constexpr uint32_t DATA_CHARACTER = 0x01;    // character chips of cells
constexpr uint32_t DATA_OBJECT = 0x02;       // objects and their orders (and category counts)
constexpr uint32_t DATA_HEIGHT = 0x04;       // heights of cells
constexpr uint32_t DATA_PLACEMENT = 0x08;    // placement groups and orders (and group counts)
constexpr uint32_t DATA_MARKS = 0x10;        // cell marks: the selection and pending cells
constexpr uint32_t DATA_AREA_RECORD = 0x20;  // an area's record: name, values, links, music
constexpr uint32_t DATA_MAP = 0x40;          // the current map or the list of areas: everything
constexpr uint32_t DATA_CURRENT = 0x80;      // the current value of a layer (no map data)
// The bits that change what a save writes.
constexpr uint32_t DATA_SAVED = DATA_CHARACTER | DATA_OBJECT | DATA_HEIGHT | DATA_PLACEMENT
                                | DATA_AREA_RECORD | DATA_MAP;

struct BMChange {
    uint32_t data = 0;            // DATA_ bits
    std::vector<uint16_t> cells;  // cells whose map data changed (y * 32 + x); may repeat
    bool cursor = false;          // the cursor moved (the status text follows it)
    bool scroll = false;          // undo and redo: scroll the view to scrollTo
    BMPoint scrollTo = {0, 0};
    bool areas = false;           // the list of areas changed (count, order, numbers)
    bool otherMaps = false;       // cells of maps other than the current one changed too
    BMLimitCut cut;               // what the edit left out, the map file being full there

    void add(const BMChange& other);
};
