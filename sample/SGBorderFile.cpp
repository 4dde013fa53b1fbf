#include "sample/SGBorderFile.h"

#include <algorithm>
#include <cstdio>

#include "sample/SGChips.h"

std::string SGBorderFile::text(const std::string& scenario, const std::vector<int>& groups)
{
    std::string text = "names=" + scenario + "\r\n";
    for (int chip = 0; chip < 240; ++chip) {
        const int group = SGChips::borderGroup(chip);
        if (group == 0 || std::find(groups.begin(), groups.end(), group) == groups.end()) {
            continue;
        }
        char line[64];
        std::snprintf(line, sizeof line, ".bdr.%03d=%d", chip, group);
        text += scenario + line;
        const uint32_t mask = SGChips::borderMask(chip);
        for (int direction = 0; direction < 6; ++direction) {
            if ((mask & (1u << direction)) != 0) {
                text += ",A" + std::to_string(direction + 1);
            }
            if ((mask & (0x40u << direction)) != 0) {
                text += ",B" + std::to_string(direction + 1);
            }
        }
        text += "\r\n";
    }
    return text;
}

std::string SGBorderFile::sample()
{
    return text("Northland", {SGChips::FRONTIER, SGChips::CLIFF, SGChips::RIDGE,
                              SGChips::FROZEN_RIVER});
}
