#pragma once

#include <cstdint>

#include "editor/model/BMConstants.h"

// What the view shows: its flags, and where its panels sit.

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
