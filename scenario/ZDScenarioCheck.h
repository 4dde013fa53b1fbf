#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "scenario/ZDProblem.h"

class HFile;
class ZDArea;
class ZDBMap;

// The checks of a scenario's data, in one place for the editor's problems list and the
// command-line check, so that the two never disagree. They read an area's record and map as
// they are (the editor's data while it edits, the data as loaded for the check) and write
// nothing.
class ZDScenarioCheck {
public:
    // What the checks take from outside the data: how many chips the chip bitmaps hold (a
    // cell of a chip beyond them draws as a number).
    struct Options {
        int characters = 240;
        int objects = 40;
    };

    // The options of chip bitmaps of these sizes in pixels: the chips they hold (20 chips of 32 x 32 a row). A bitmap
    // that is missing (0 x 0) or narrower than a row holds them all here: the load reports it.
    static Options sheetsOf(int characterWidth, int characterHeight, int objectWidth,
                           int objectHeight);
    // Appends the problems of area number (1-based), its record and map, in a list of areas
    // areas long, in this order: its line, its links, its counts, its placement groups and
    // cells, its chips. Only these change when the map or the record does.
    static void checkArea(uint32_t number, const ZDArea& area, const ZDBMap& map, uint32_t areas,
                          const Options& sheets, std::vector<ZDProblem>* problems);
    // Appends a problem per file name of a scenario's Data folder that names the map of an
    // area number the list does not have: "BMap_No" in any case and digits, the number 0,
    // beyond areas or written with leading zeros.
    static void checkMapFiles(const std::vector<std::string>& names, uint32_t areas,
                              std::vector<ZDProblem>* problems);
    // Appends a problem when area's music names a file that ZDMusicFinder finds neither below
    // the scenario folder nor below the game's install directory; an area without music has
    // none. Without an install directory nothing is checked: the game's music lies there, and
    // every area would be reported. The search reads folders, so found, when given, keeps its
    // answers by name for the next calls (the areas of a scenario share a few pieces).
    static void checkMusic(uint32_t number, const ZDArea& area, const HFile& scenario,
                           const HFile& game, std::map<std::string, bool>* found,
                           std::vector<ZDProblem>* problems);
    // The reasons the columns cannot carry the record's raw line, in one phrase; empty when
    // the record has none.
    static std::string lineReasons(const ZDArea& area);
    // "name", "value 1", "city count", "link of group 2", "music" for the area-list fields
    // 1..19.
    static std::string fieldName(int field);

private:
    static void checkGroups(uint32_t number, const ZDArea& area, const ZDBMap& map,
                            uint32_t areas, std::vector<ZDProblem>* problems);
    static void checkChips(uint32_t number, const ZDBMap& map, const Options& sheets,
                           std::vector<ZDProblem>* problems);
};
