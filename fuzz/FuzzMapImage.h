#pragma once

#include <cstddef>
#include <string>

// Battle map images: any bytes load, correct and write without fault, and what the format
// carries of the corrected map comes back unchanged from the written image.
class FuzzMapImage {
public:
    static const char* const FILE_NAME;         // read through the system in use
    // Longest input tried (-max_len): twice an image: every short and long form.
    static constexpr size_t MAX_LENGTH = 8192;

    // Empty when everything held; otherwise what broke.
    static std::string check();
};
