#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scenario/ZDScenarioCheck.h"
#include "tool/TCFinding.h"

class ZDArea;
class ZDBMap;

// The findings of one line of an area list.
class TCAreaCheck {
public:
    // The findings of the area list as a whole, from its bytes as read and the number of
    // areas: bytes that are no text before the terminator line, no area at all, and text
    // after the terminator line (end: that line and what follows, as the load kept it).
    static void checkList(const std::string& bytes, uint32_t areas, const std::string& end,
                          const std::string& file, std::vector<TCFinding>* findings);
    // The findings of area number's record and map by the checks the editor shares (its line,
    // links, counts, placement groups and chips): the record's about areaFile, the cells' about
    // mapFile. countsKnown false leaves the counts and the short linked groups out (a map not
    // read whole says nothing of them).
    static void checkArea(uint32_t number, const ZDArea& area, const ZDBMap& map, uint32_t areas,
                          const ZDScenarioCheck::Options& sheets, const std::string& areaFile,
                          const std::string& mapFile, bool countsKnown,
                          std::vector<TCFinding>* findings);
};
