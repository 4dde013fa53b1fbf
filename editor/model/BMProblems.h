#pragma once

#include <cstdint>
#include <string>
#include <vector>

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
    // Every check again, after a scenario opened: dataFiles are the names of the files in the
    // folder of its area list, where map files no area uses are looked for.
    void checkAll(const BMData& data, const std::vector<std::string>& dataFiles);
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
    std::vector<ZDProblem> m_files;
    std::vector<std::vector<ZDProblem>> m_areas;  // by area index
};
