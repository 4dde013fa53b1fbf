#pragma once

#include <cstdint>
#include <string>

#include "scenario/ZDCorrectionListener.h"
#include "scenario/ZDProblem.h"

// One thing the check found in a scenario: what, in which file, map and cell, the value found
// and the value the repair (or a save) makes of it.
struct TCFinding {
    enum Kind {
        // The repairs of a map's load, one kind per kind of ZDBMap::correct.
        CHARACTER_RANGE,
        OBJECT_RANGE,
        ORDER_ON_EMPTY,
        HEIGHT_RANGE,
        SHAPE,
        CITY_COUNT,
        WALL_COUNT,
        ROAD_COUNT,
        CITY_ORDER,
        WALL_ORDER,
        ROAD_ORDER,
        CONNECT_COUNT,
        CONNECT_ORDER,
        // What a save of the repaired map would lose.
        ORDER_WRAPS,      // an object order above 255: the file keeps its low byte
        PLACEMENT_CUT,    // a placement cell beyond the 20 a group can store
        // Map files.
        MAP_MISSING,
        MAP_UNREADABLE,
        MAP_SHORT,        // fewer than 4428 bytes: later parts would be read from wrong bytes
        MAP_LONG,         // more than 4428 bytes: the rest is ignored
        MAP_BYTES,        // bytes a save would write otherwise, for no reason named above
        TEMPORARY,        // left behind by an interrupted save
        MAP_UNREFERENCED, // a map file of a number no area has: nothing reads or writes it
        // The area list.
        AREA_COUNT,       // a category count of the line differs from its map's cells
        LINK,             // a placement group leads to an area that does not exist
        LINE,             // a line the columns cannot carry: kept as read until edited
        AREA_NOT_TEXT,    // control bytes before the terminator line (a NUL is a LINE finding)
        AREA_NONE,        // the list holds no area
        AREA_AFTER_END,   // text after the terminator line, kept as it is
        // Chip bitmaps.
        CHIPS_MISSING,
        CHIPS_UNREADABLE,
        CHIPS_SIZE,
        // The map's placement groups and chips.
        LINK_SHORT,       // a linked placement group has fewer than its 20 cells
        ORIGIN,           // a placement cell on (0,0), which the map file cannot store
        CHIP_OUTSIDE,     // cells of a chip the chip bitmap does not hold
        MUSIC_MISSING,    // the area's music names a file that is not found
        KINDS
    };

    Kind kind = CHARACTER_RANGE;
    std::string file;      // the file the finding is about, as the scenario names it
    uint32_t map = 0;      // area and map number, 0 when the finding concerns no map
    int32_t x = -1;        // the cell, -1 when the finding concerns no cell
    int32_t y = -1;
    // Placement group 1..8, object category 0..2 (city, wall, road), byte offset or chip
    // count, by kind; -1 when none.
    int32_t index = -1;
    int64_t value = 0;     // what was found
    int64_t result = 0;    // what the repair or a save makes of it, or what was expected
    // LINE: the reasons; AREA_AFTER_END: the terminator line; CHIPS_MISSING: the bitmap's
    // name; MUSIC_MISSING: the music as the area list names it
    std::string text;
    std::string text2;     // unused by the kinds so far

    bool operator==(const TCFinding& other) const
    {
        return kind == other.kind && file == other.file && map == other.map && x == other.x
               && y == other.y && index == other.index && value == other.value
               && result == other.result && text == other.text && text2 == other.text2;
    }

    // The finding for one repair of ZDBMap::correct.
    static TCFinding fromCorrection(const ZDCorrectionListener::Correction& correction);
    // The finding for a problem of the checks the editor shares, about file.
    static TCFinding fromProblem(const ZDProblem& problem, const std::string& file);

    // "name", "value 1", "city count", "link of group 2", "music" for the area-list fields
    // 1..19 (ZDScenarioCheck::fieldName).
    static std::string fieldName(int field);
    // "city", "wall", "road" for the categories 0..2.
    static const char* categoryName(int32_t category);
    // A short stable name for scripts ("object-range").
    static const char* name(Kind kind);
    // True when the repair command mends it: what the editor's load and save would change.
    static bool isRepairable(Kind kind);
    // What was found and what becomes of it, in one sentence without file, map or cell.
    std::string describe() const;
    // "<file>: map <n>: cell (<x>,<y>): <describe()>", leaving out what the finding lacks.
    std::string line() const;
};
