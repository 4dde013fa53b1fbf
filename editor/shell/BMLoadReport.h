#pragma once

#include <string>
#include <vector>

#include "framework/base/HFile.h"
#include "scenario/ZDLoadFault.h"

class ZDAreaMapData;

// What the user is told about a scenario whose files could not all be read as they should:
// the box of a scenario that is not opened, naming every failed file and why, and the one
// box after an opening with what to know (chips drawn as numbers, lines kept as read).
class BMLoadReport {
public:
    // True when a load with this result and these faults may be opened: nothing a save
    // writes back failed to be read.
    static bool opens(bool loaded, const std::vector<ZDLoadFault>& faults);
    // The text of the box for a scenario that is not opened: the folder, then one line per
    // failed file, named inside the folder where it lies there.
    static std::string refusal(const HFile& folder, const std::vector<ZDLoadFault>& faults);
    // The text of the box after the data opened; empty when there is nothing to say.
    static std::string warnings(const ZDAreaMapData& data);
    // At most this many lines kept as read are named one by one.
    static constexpr size_t MAX_LINES = 8;

private:
    static std::string fileLine(const HFile& folder, const ZDLoadFault& fault);
};
