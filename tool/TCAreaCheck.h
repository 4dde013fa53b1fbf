#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tool/TCFinding.h"

class ZDArea;

// The findings of one line of an area list.
class TCAreaCheck {
public:
    // Appends a finding when the record's line is one the columns cannot carry (the editor
    // keeps it as read until the area is edited), naming every reason.
    static void checkLine(const ZDArea& area, const std::string& file,
                          std::vector<TCFinding>* findings);
    // The findings of the area list as a whole, from its bytes as read and the number of
    // areas: bytes that are no text before the terminator line, no area at all, and text
    // after the terminator line (end: that line and what follows, as the load kept it).
    static void checkList(const std::string& bytes, uint32_t areas, const std::string& end,
                          const std::string& file, std::vector<TCFinding>* findings);
    // The reasons the columns cannot carry the record's raw line, in one phrase; empty when
    // the record has none.
    static std::string lineReasons(const ZDArea& area);
    // Appends a finding per placement group that leads to an area other than 1..areas.
    static void checkLinks(const ZDArea& area, uint32_t areas, const std::string& file,
                           std::vector<TCFinding>* findings);
    // Appends a finding per category count that the editor's repair changed: loaded is the
    // record as read, repaired the record after the counts were taken from its map.
    static void checkCounts(const ZDArea& loaded, const ZDArea& repaired, const std::string& file,
                            std::vector<TCFinding>* findings);
};
