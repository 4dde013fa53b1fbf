#pragma once

#include <string>

#include "framework/base/HFile.h"

// Finds the file of an area's music by the name its area line gives. Where the game keeps its
// music is its own affair, so the file is looked for in the scenario folder and the folders
// below it first, then in the game's install directory and the folders below it. Each search
// goes breadth first, a level at a time and the folders of one level in the order of their
// names, so the nearest file wins and the same folders always give the same answer.
class ZDMusicFinder {
public:
    // Folder levels below a root that are searched (the root itself is level 0).
    static constexpr int DEPTH = 3;
    // Folders looked into below one root at most, so that an install directory holding a
    // whole disk cannot keep the editor busy.
    static constexpr int FOLDER_LIMIT = 1000;

    // The first file of the name below scenario, then below game (either may be empty; the
    // scenario's folders are not searched twice when it lies inside game). A name without an
    // extension also finds the name with ".mid". The name may hold folders below a searched
    // folder ("bgm\a.mid"), but no drive, no leading separator and no "..": such a name, and
    // an empty one, finds nothing. Returns an empty file when nothing was found.
    static HFile find(const std::string& name, const HFile& scenario, const HFile& game);
};
