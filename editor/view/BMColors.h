#pragma once

#include "editor/model/BMConstants.h"
#include "framework/graphics/HColor.h"

// The colours of the map layers and panels (red, green, blue, alpha).
namespace BMColors {

constexpr HColor CLEAR{0, 0, 0, 0};                   // background of every map layer
constexpr HColor SHADE_GREY{14, 14, 14, 187};         // character mode; glyph sheet
constexpr HColor SHADE_BLUE{0, 0, 68, 187};           // object mode; object digits
constexpr HColor SHADE_RED{68, 0, 0, 187};            // height mode; height digits
constexpr HColor SHADE_OLIVE{68, 68, 0, 187};         // placement mode, cells and digits
constexpr HColor SHADE_GREEN{0, 68, 0, 187};          // border mode
constexpr HColor VEIL_WHITE{255, 255, 255, 170};      // digits, panel and button frames
constexpr HColor HOVER_BLUE{51, 102, 255, 255};       // the hot spot under the pointer
constexpr HColor MARK_RED{255, 0, 0, 255};            // selected cells; thin linked groups
constexpr HColor CURSOR_WHITE{255, 255, 255, 255};    // cursor in direct mode; panel text
constexpr HColor LABEL_GREY{204, 204, 204, 255};      // labels of what is not chosen
constexpr HColor CURSOR_YELLOW{255, 255, 0, 255};     // cursor in select mode; chosen entry
constexpr HColor PENDING_GREY{102, 102, 102, 153};    // pending cell in direct mode
constexpr HColor PENDING_OLIVE{102, 102, 0, 153};     // pending cell in select mode

// The colour of the grid lines and panel backgrounds in an edit mode.
inline HColor modeColor(int mode)
{
    switch (mode) {
    case MODE_OBJ: return SHADE_BLUE;
    case MODE_HEIGHT: return SHADE_RED;
    case MODE_PLACEMENT: return SHADE_OLIVE;
    case MODE_BORDER: return SHADE_GREEN;
    default: return SHADE_GREY;
    }
}

}  // namespace BMColors
