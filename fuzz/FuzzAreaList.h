#pragma once

#include <cstddef>
#include <string>

// Area lists: any text parses without fault into records numbered 1..n, every record formats,
// and a list of records whose name and music hold no blank reads back from its written lines
// as the same records.
class FuzzAreaList {
public:
    static const char* const FILE_NAME;         // read through the system in use
    // Longest input tried (-max_len): some twenty lines.
    static constexpr size_t MAX_LENGTH = 2048;

    // Empty when everything held; otherwise what broke.
    static std::string check();
};
