#pragma once

#include <cstddef>
#include <string>

// Area lists: any text parses without fault into records numbered 1..n, and open and save
// lose nothing: every record's written line reads back as the same record (a line the
// columns cannot carry is written as it was read), the written list reads back as as many
// records, the same ones, with the same text after its terminator line, and writes back the
// same bytes; an edited record is written in the columns and, unless its name or music ends
// in a blank, reads back as edited.
class FuzzAreaList {
public:
    static const char* const FILE_NAME;         // read through the system in use
    // Longest input tried (-max_len): some twenty lines, or one line over 1,024 bytes.
    static constexpr size_t MAX_LENGTH = 2048;

    // Empty when everything held; otherwise what broke.
    static std::string check();
};
