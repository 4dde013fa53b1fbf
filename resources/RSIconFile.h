#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The bytes of a Windows icon file (.ico) holding one picture per size. Pictures up to 128
// pixels are stored as 32-bit DIBs with their 1-bit mask, as every Windows version reads
// them; larger ones as PNG, which Windows has read since Vista and which keeps the 256-pixel
// picture small.
class RSIconFile {
public:
    // A square picture, top row first, each pixel 0xAARRGGBB with straight alpha.
    struct Picture {
        int size;
        std::vector<uint32_t> pixels;
    };

    static constexpr int LARGEST_DIB = 128;

    // Empty when a picture is not square, not 1..256 pixels, or its pixel count is wrong.
    static std::string build(const std::vector<Picture>& pictures);
    // One picture as its icon resource data: a DIB (header, colours bottom-up, mask) or a PNG.
    static std::string pictureData(const Picture& picture);
};
