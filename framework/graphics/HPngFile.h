#pragma once

#include <cstdint>
#include <string>

#include "framework/base/HFile.h"

// Encodes a picture as a PNG file with the platform's own image codec (WIC).
class HPngFile {
public:
    // width x height pixels, top row first, each 0x00RRGGBB (the top byte is ignored). The PNG
    // file's bytes, or false with the reason in error.
    static bool encode(const uint32_t* pixels, int width, int height, std::string* png,
                       std::string* error);
    // Encodes and writes the file through the safe writer: the file is whole or as it was.
    static bool write(const HFile& file, const uint32_t* pixels, int width, int height,
                      std::string* error);
};
