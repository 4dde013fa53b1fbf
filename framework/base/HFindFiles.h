#pragma once

#include <vector>

#include "framework/base/HFile.h"

// Lists the sub-folders of a folder.
class HFindFiles {
public:
    // Appends every folder entry of folder (a folder itself, or a file's folder) to list,
    // "." and ".." included, and returns how many it appended. The current folder changes
    // while this runs and is restored before it returns.
    static int getDirectories(const HFile& folder, std::vector<HFile>* list);
};
