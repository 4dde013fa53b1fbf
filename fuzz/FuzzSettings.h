#pragma once

#include <cstddef>
#include <string>

// The editor's settings file: any bytes load without fault into values each within its
// range, at most eight recent scenarios of distinct, non-empty folders; what was read writes
// a text that reads back to the same settings, whatever they started from.
class FuzzSettings {
public:
    static const char* const FILE_NAME;  // read through the system in use
    // Longest input tried (-max_len): the file is a few hundred bytes.
    static constexpr size_t MAX_LENGTH = 4096;

    // Empty when everything held; otherwise what broke.
    static std::string check();
};
