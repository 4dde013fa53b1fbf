#pragma once

#include <cstddef>
#include <string>

// Properties files and the line reader: any text loads without fault; every key of the text
// holds as many items as its lines give, each trimmed, without commas, and read as a number
// by the text-to-integer rule; every index answers. The line reader splits the same text into
// its lines under each of its four settings.
class FuzzProperties {
public:
    static const char* const FILE_NAME;         // read through the system in use
    // Longest input tried (-max_len): settings files are a few lines.
    static constexpr size_t MAX_LENGTH = 2048;

    // Empty when everything held; otherwise what broke.
    static std::string check();
};
