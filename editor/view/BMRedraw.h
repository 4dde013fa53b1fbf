#pragma once

#include <cstdint>

// What the display draws again (BMDisplay::redrawLayers), and what it draws for a change of
// data the model reports.
constexpr uint32_t REDRAW_CHAR = 0x001;       // character layer
constexpr uint32_t REDRAW_OBJ = 0x002;        // object layer
constexpr uint32_t REDRAW_NUMBER = 0x004;     // number layer
constexpr uint32_t REDRAW_PLACEMENT = 0x008;  // placement layer
constexpr uint32_t REDRAW_GRID = 0x010;       // grid layer
constexpr uint32_t REDRAW_OVERLAY = 0x020;    // mark overlay
constexpr uint32_t REDRAW_AREA_INFO = 0x040;  // area info panel
constexpr uint32_t REDRAW_PALETTE = 0x080;    // palette panel
constexpr uint32_t REDRAW_CHOOSER = 0x100;    // chooser panel
constexpr uint32_t REDRAW_TITLE = 0x200;      // window title
constexpr uint32_t REDRAW_ALL = 0x400;        // every image (resetImageBuffer)

namespace BMRedraw {

// The REDRAW_ bits that show data of the DATA_ bits (BMChange).
uint32_t of(uint32_t data);

}  // namespace BMRedraw
