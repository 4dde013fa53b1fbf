#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scenario/ZDBMap.h"
#include "tool/TCFinding.h"

// The findings of one battle map, made by the editor's own repair and writer rather than by
// rules of this program's own, so that the check can never disagree with the editor.
class TCMapCheck {
public:
    // loaded: the map as read from its file, before any repair. Runs ZDBMap::correct on a copy
    // and appends one finding per repair it makes, then writes the repaired map as a save does,
    // reads the image back and appends one finding per value the file cannot keep. The
    // findings name file and the map's number.
    static void check(const ZDBMap& loaded, const std::string& file,
                      std::vector<TCFinding>* findings);
    // The image a save writes for the map.
    static std::vector<uint8_t> image(const ZDBMap& map);
    // Compares a map file's bytes with the image a save writes: a size other than the image's
    // is a finding; otherwise, unless explained (other findings already account for the
    // difference), so is the first differing byte.
    static void checkBytes(const std::string& bytes, const std::vector<uint8_t>& image,
                           bool explained, const std::string& file, uint32_t map,
                           std::vector<TCFinding>* findings);
};
