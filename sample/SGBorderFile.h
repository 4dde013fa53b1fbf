#pragma once

#include <string>
#include <vector>

// The editor's border file (border.ini) of the sample game: for one scenario, the chips of the
// given border groups with the groups and edge slots of the sheet's drawing, so that the border
// mode of that scenario draws only those lines and every other chip is none.
class SGBorderFile {
public:
    // The file's text: the key "names" with the scenario, then one key per border chip of the
    // groups, "<scenario>.bdr.<chip>=<group>,<slot>,<slot>".
    static std::string text(const std::string& scenario, const std::vector<int>& groups);
    // The scenario and groups the sample game ships: the northern lines of "Northland".
    static std::string sample();
};
