#pragma once

#include <cstdint>

#include "editor/model/BMConstants.h"

class BMData;
class BMRenderer;
class HImage;
class HMemoryImage;

// What one cell of each map layer shows, drawn into the cell's 32 x 32 pixels of the layer
// image at (px, py); nothing drawn for a cell reaches outside them. The renderer clears the
// cells and says which changed.
class BMLayerPainter {
public:
    // What a cell of the mark overlay shows: a mark in the low bits, the cursor in the high ones.
    enum OverlayLook : uint8_t {
        LOOK_PENDING_SELECT = 1,
        LOOK_PENDING_DIRECT = 2,
        LOOK_SELECTED = 3,
        LOOK_MARKS = 0x0F,
        LOOK_CURSOR_SELECT = 0x10,
        LOOK_CURSOR_DIRECT = 0x20,
    };

    // The top left pixel of cell (x, y) in a map layer: odd rows are shifted half a cell right.
    static int cellLeft(int x, int y) { return x * CELL_PIXELS + (y % 2 != 0 ? ROW_SHIFT : 0); }
    static int cellTop(int y) { return y * CELL_PIXELS; }

    // Chip number chip of a chip bitmap (20 chips a row).
    static void chip(HImage* chips, HMemoryImage* layer, int chip, int px, int py);
    // The digits the view flags ask for: the object's number and order at the top, the terrain
    // chip's number and the height at the bottom. Digits come from the renderer's glyph sheet.
    static void numbers(BMRenderer& renderer, const BMData& data, uint32_t viewFlags,
                        HMemoryImage* layer, int x, int y, int px, int py);
    // A placement cell: olive, its group and its order.
    static void placement(BMRenderer& renderer, const BMData& data, HMemoryImage* layer, int x,
                          int y, int px, int py);
    // Pending cells are filled (olive in select mode, grey in direct mode), selected cells
    // framed in red, the cursor framed over either (yellow in select mode, white in direct
    // mode).
    static uint8_t overlayLook(uint32_t mark, bool cursor, bool select);
    static void overlayCell(HMemoryImage* layer, int px, int py, uint8_t look);
};
