#pragma once

#include <string>
#include <vector>

#include "framework/base/HFile.h"

// Lists the sub-folders of a folder.
class HFindFiles {
public:
    // Appends every folder entry of folder (a folder itself, or a file's folder) to list,
    // "." and ".." included, and returns how many it appended. The current folder changes
    // while this runs and is restored before it returns.
    static int getDirectories(const HFile& folder, std::vector<HFile>* list);
    // The names of the files directly in folder, not its sub-folders; none when the folder
    // cannot be read.
    static std::vector<std::string> getFileNames(const HFile& folder);
};
