#pragma once

#include <cstdint>

// Values shared by the editor's model, display, drawing and commands. None of them needs a
// window, so the editing core and its tests include this header on any platform.

// The program's name and version, as the window title shows them. The build reads the version
// and the copyright line from here for the programs' version resources and the release, so
// they keep this form: digits and dots; one line of plain ASCII.
constexpr const char* APPLICATION_NAME = "Tessel";
constexpr const char* APPLICATION_VERSION = "0.60";
constexpr const char* APPLICATION_COPYRIGHT = "Copyright (c) 2026 The Tessel authors. MIT License.";

// A pixel or cell position, or a width and height.
struct BMPoint {
    int x;
    int y;
};

// The map: 32 x 32 cells of 32 x 32 pixels in offset rows (odd rows shifted 16 pixels to the
// right), so the picture of a whole map is 1040 x 1024 pixels.
constexpr int MAP_SIZE = 32;
constexpr int MAP_CELLS = MAP_SIZE * MAP_SIZE;
constexpr int CELL_PIXELS = 32;
constexpr int ROW_SHIFT = 16;
constexpr int LAYER_WIDTH = MAP_SIZE * CELL_PIXELS + ROW_SHIFT;
constexpr int LAYER_HEIGHT = MAP_SIZE * CELL_PIXELS;

// Edit modes (the display's mode and the argument of execSet).
constexpr int MODE_CHAR = 0x01;
constexpr int MODE_OBJ = 0x02;
constexpr int MODE_HEIGHT = 0x04;
constexpr int MODE_PLACEMENT = 0x08;
constexpr int MODE_BORDER = 0x10;
constexpr int MODE_CLEAR = 0x100;  // added to an execSet argument: write 0

// Selection shapes of a drag.
constexpr int SHAPE_FREE = 0;
constexpr int SHAPE_LINE = 1;
constexpr int SHAPE_RECT = 2;
constexpr int SHAPE_HEX = 3;
constexpr int SHAPE_FILL = 4;  // a press takes the region of equal value around the cell

// Mouse input modes.
constexpr int MOUSE_DIRECT = 0;  // a click or drag also sets the current value
constexpr int MOUSE_SELECT = 1;

// Bits of a cell's mark word.
constexpr uint32_t CELL_SELECTED = 0x1;
constexpr uint32_t CELL_PENDING = 0x2;
constexpr uint32_t CELL_TRACED = 0x4;    // only while a border is traced
constexpr uint32_t CELL_RETRACED = 0x8;  // only while a border is traced

