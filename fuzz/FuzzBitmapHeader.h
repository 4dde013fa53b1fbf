#pragma once

#include <cstddef>
#include <string>

// BMP header checks: any bytes are checked without fault, and whatever passes is safe to hand
// to the platform's DIB conversion: headers, colour table and pixel bytes lie inside the file,
// and the sizes derived from the fields agree with them, computed without overflow.
class FuzzBitmapHeader {
public:
    static const char* const FILE_NAME;  // read through the system in use
    // Longest input tried (-max_len): small pictures with every header and table form.
    static constexpr size_t MAX_LENGTH = 4096;

    // Empty when everything held; otherwise what broke.
    static std::string check();
};
