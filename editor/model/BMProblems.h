#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "framework/base/HFile.h"
#include "scenario/ZDProblem.h"
#include "scenario/ZDScenarioCheck.h"

struct BMChange;
class BMData;

// The problems of the open scenario as the editor holds it, by the checks the command-line
// check shares (ZDScenarioCheck). They are kept map by map, so that an edit costs the checks
// of the map it changed, not of the whole scenario.
class BMProblems {
public:
    // What the chip bitmaps hold (ZDScenarioCheck::sheetsOf) and which checks count; every
    // chip and the default checks until set.
    void setOptions(const ZDScenarioCheck::Options& options) { m_options = options; }
    // Every check again, after a scenario opened or was saved: dataFiles are the names of the
    // files in the folder of its area list, where map files no area uses are looked for; game
    // is the install directory, where music is looked for after the scenario folder. The music
    // files found are asked for again only here.
    void checkAll(const BMData& data, const std::vector<std::string>& dataFiles,
                  const HFile& game);
    // After a change the editor made: a change of the list of areas checks every area again
    // (links and map files depend on the count), a change of map data or of a record only the
    // current map's. True when the problems changed.
    bool follow(const BMData& data, const BMChange& change);
    // Area number's checks again (1-based); true when its problems changed.
    bool checkArea(const BMData& data, uint32_t number);

    // The map files first, then the areas in order, each in the checks' order.
    std::vector<ZDProblem> list() const;
    size_t count() const;

private:
    ZDScenarioCheck::Options m_options;
    std::vector<std::string> m_dataFiles;
    HFile m_game;
    std::map<std::string, bool> m_music;  // whether a music file of the name is found
    std::vector<ZDProblem> m_files;
    std::vector<std::vector<ZDProblem>> m_areas;  // by area index
};
