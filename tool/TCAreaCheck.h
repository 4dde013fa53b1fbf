#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tool/TCFinding.h"

class ZDArea;

// The findings of one line of an area list.
class TCAreaCheck {
public:
    // Writes the record as the editor's save does, reads the line back and appends a finding
    // per field that comes back different.
    static void checkLine(const ZDArea& area, const std::string& file,
                          std::vector<TCFinding>* findings);
    // Appends a finding per placement group that leads to an area other than 1..areas.
    static void checkLinks(const ZDArea& area, uint32_t areas, const std::string& file,
                           std::vector<TCFinding>* findings);
    // Appends a finding per category count that the editor's repair changed: loaded is the
    // record as read, repaired the record after the counts were taken from its map.
    static void checkCounts(const ZDArea& loaded, const ZDArea& repaired, const std::string& file,
                            std::vector<TCFinding>* findings);
};
