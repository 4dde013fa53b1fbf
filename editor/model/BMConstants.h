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

// View flags; at most one of the five page flags is set.
constexpr uint32_t VIEW_AREA_INFO = 0x0001;
constexpr uint32_t VIEW_MINIMAP = 0x0002;  // stored and toggled only
constexpr uint32_t VIEW_PALETTE = 0x0004;
constexpr uint32_t VIEW_GRID = 0x0008;
constexpr uint32_t VIEW_CHAR = 0x0010;
constexpr uint32_t VIEW_OBJ = 0x0020;
constexpr uint32_t VIEW_CHAR_NUMBER = 0x0040;
constexpr uint32_t VIEW_OBJ_NUMBER = 0x0080;
constexpr uint32_t VIEW_HEIGHT = 0x0100;
constexpr uint32_t VIEW_PLACEMENT = 0x0200;
constexpr uint32_t VIEW_OBJ_ORDER = 0x0400;
constexpr uint32_t VIEW_PAGE_AREA = 0x0800;
constexpr uint32_t VIEW_PAGE_CHAR = 0x1000;
constexpr uint32_t VIEW_PAGE_OBJ = 0x2000;
constexpr uint32_t VIEW_PAGE_HEIGHT = 0x4000;
constexpr uint32_t VIEW_PAGE_CONNECTION = 0x8000;
constexpr uint32_t VIEW_PAGES = 0xF800;
constexpr uint32_t VIEW_INITIAL = 0x0F3F;

// Panels, placed relative to the view size (w, h).
enum BMPanel { PANEL_AREA_INFO, PANEL_PALETTE, PANEL_CHOOSER };
constexpr int AREA_INFO_WIDTH = 240;
constexpr int AREA_INFO_HEIGHT = 80;
constexpr int PALETTE_WIDTH = 160;
constexpr int PALETTE_HEIGHT = 140;
constexpr int CHOOSER_WIDTH = 340;
constexpr int CHOOSER_HEIGHT = 160;
inline BMPoint panelOrigin(BMPanel panel, int viewWidth, int viewHeight)
{
    switch (panel) {
    case PANEL_AREA_INFO: return {viewWidth - 248, 8};
    case PANEL_PALETTE: return {viewWidth - 168, 92};
    default: return {viewWidth - 348, viewHeight - 168};
    }
}
