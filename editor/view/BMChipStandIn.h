#pragma once

#include <memory>

class BMRenderer;
class HMemoryImage;

// Numbered stand-ins for a chip bitmap that could not be loaded, laid out as a chip bitmap is
// (20 chips of 32 x 32 pixels a row), so that whatever draws chips from a sheet draws these
// in the same places: a character chip is a cell shaded by its row of the sheet with its
// number, an object chip a framed number over clear pixels, so that the terrain shows.
class BMChipStandIn {
public:
    static constexpr int CHARACTER_CHIPS = 240;
    static constexpr int OBJECT_CHIPS = 40;

    // The sheet of the character chips (objects false) or of the object chips; the digits
    // come from the renderer's glyph sheet. nullptr when there is no memory for it.
    static std::unique_ptr<HMemoryImage> make(BMRenderer& renderer, bool objects);
};
