#pragma once

#include <cstdint>

#include "framework/base/HFile.h"

// One file of a scenario that its load could not read as it should, and why.
struct ZDLoadFault {
    // What the file is to the scenario. A save writes the area list and the maps back, so a
    // fault of theirs means a save could overwrite what was never read; the chip bitmaps are
    // only shown and never written.
    enum Part { PART_FOLDER, PART_AREA_LIST, PART_MAP, PART_CHIPS };
    enum Reason {
        MISSING,     // not there (a chip bitmap: neither in the scenario nor the default one)
        UNREADABLE,  // there, but reading it failed (locked, a folder, no right to read)
        SHORT,       // a map file shorter than a map; detail: its length in bytes
        EMPTY,       // a chip bitmap of no bytes
        HEADER,      // a chip bitmap whose headers are unusable; detail: HBitmapHeader::Field
        PIXELS,      // a chip bitmap with sound headers whose pixels the platform refused
    };

    HFile file;
    Part part = PART_FOLDER;
    Reason reason = MISSING;
    int64_t detail = 0;

    // True when a save after this fault could write map or area data that was never read.
    bool blocksOpen() const { return part != PART_CHIPS; }
};
