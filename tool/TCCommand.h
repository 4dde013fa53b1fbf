#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The companion's commands on scenario folders and map files. Each writes its report to out
// (text lines, or one JSON document with json set), its errors to err, one line each, and
// returns the exit status.
class TCCommand {
public:
    enum Status { STATUS_CLEAN = 0, STATUS_FOUND = 1, STATUS_ERROR = 2 };

    // Every finding of each folder. CLEAN when there is none, FOUND when there are, ERROR
    // when a folder could not be read.
    static int check(const std::vector<std::string>& folders, bool json, std::string* out,
                     std::string* err);
    // Repairs each folder, then checks it again. CLEAN when nothing is left, FOUND when
    // findings the repair does not mend are left, ERROR when a folder could not be read or a
    // file not written.
    static int repair(const std::vector<std::string>& folders, bool json, std::string* out,
                      std::string* err);
    // Two map files or two scenario folders, cell by cell and field by field. CLEAN when
    // equal, FOUND when they differ, ERROR when one cannot be read.
    static int diff(const std::string& before, const std::string& after, bool json,
                    std::string* out, std::string* err);
    // Draws the map of an area (its number) of a scenario folder, the layers given as view
    // flags, into a PNG file; with the area "all", every map into the folder file as
    // BMap_No<n>.png. CLEAN when the files are written, ERROR otherwise.
    static int picture(const std::string& folder, const std::string& area, const std::string& file,
                       uint32_t layers, std::string* out, std::string* err);
    // Draws the overview of a scenario folder (every area's thumbnail with its number and name,
    // and the group links between them, OVERVIEW_COLUMNS tiles a row) into a PNG file, as the
    // editor's overview saves it. CLEAN when the file is written, ERROR otherwise.
    static constexpr int OVERVIEW_COLUMNS = 10;
    static int overview(const std::string& folder, const std::string& file, std::string* out,
                        std::string* err);
};
