#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One battle map drawn as the editor's display draws it (its renderer's layer images, blended
// in the order and the way a frame blends them), without a window, and written as a PNG file.
// The cursor, the marks, the panels and the frame rate of the editor's frame are left out.
class TCPicture {
public:
    static const int WIDTH;   // the whole map: 32 cells of 32 pixels, odd rows shifted 16
    static const int HEIGHT;
    // The map layers the editor shows when it starts: chips, objects, placement, grid,
    // heights and object orders.
    static const uint32_t DEFAULT_LAYERS;

    // A comma-separated list of "chips", "objects", "placement", "grid", "chip-numbers",
    // "object-numbers", "orders", "heights", or "all", as view flags. False with the unknown
    // name in error.
    static bool parseLayers(const std::string& list, uint32_t* flags, std::string* error);

    // The map of the given number (1-based) of the editor's data instance, as loaded by the
    // caller: WIDTH x HEIGHT pixels 0x00RRGGBB, top row first. False when there is no such map
    // or no memory for the picture.
    static bool draw(uint32_t map, uint32_t layers, std::vector<uint32_t>* pixels);
};
