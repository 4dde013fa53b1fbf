#include "editor/view/BMHotSpots.h"

#include "editor/view/BMCommandId.h"

namespace {

// Built once from the rows and grids of the panels' layout.
struct Table {
    BMHotSpot spots[BMHotSpots::COUNT];

    Table()
    {
        const BMHotSpot none = {PANEL_AREA_INFO, 0, 0, 0, 0, 0};
        for (BMHotSpot& spot : spots) {
            spot = none;
        }
        spots[1] = {PANEL_AREA_INFO, 3, 3, 40, 16, kCommandEditAreaData};
        spots[2] = {PANEL_AREA_INFO, 90, 3, 40, 16, kCommandPreviousMap};
        spots[3] = {PANEL_AREA_INFO, 192, 3, 40, 16, kCommandNextMap};
        spots[4] = {PANEL_AREA_INFO, 4, 21, 232, 16, kCommandChooseArea};
        spots[5] = {PANEL_AREA_INFO, 4, 58, 232, 16, kCommandPlayMusic};
        for (int k = 0; k < 5; ++k) {  // mode tabs
            spots[6 + k] = {PANEL_PALETTE, 32 * k, 0, 32, 20,
                            static_cast<uint32_t>(kCommandModeCharacter + k)};
        }
        spots[11] = {PANEL_PALETTE, 3, 27, 34, 34, kCommandChooseCharacter};
        spots[12] = {PANEL_PALETTE, 56, 27, 34, 34, kCommandChooseObject};
        spots[13] = {PANEL_PALETTE, 108, 27, 34, 34, kCommandChooseHeight};
        spots[14] = {PANEL_PALETTE, 37, 28, 15, 15, kCommandPreviousCharacter};
        spots[15] = {PANEL_PALETTE, 37, 45, 15, 15, kCommandNextCharacter};
        spots[16] = {PANEL_PALETTE, 90, 28, 15, 15, kCommandPreviousObject};
        spots[17] = {PANEL_PALETTE, 90, 45, 15, 15, kCommandNextObject};
        spots[18] = {PANEL_PALETTE, 142, 28, 15, 15, kCommandHeightDown};
        spots[19] = {PANEL_PALETTE, 142, 45, 15, 15, kCommandHeightUp};
        for (int k = 0; k < 8; ++k) {  // placement groups
            spots[20 + k] = {PANEL_PALETTE, 8 + 18 * k, 65, 18, 16,
                             static_cast<uint32_t>(kCommandGroup1 + k)};
        }
        spots[28] = {PANEL_PALETTE, 4, 82, 152, 16, kCommandChoosePlacement};
        for (int k = 0; k < 4; ++k) {  // shapes
            spots[29 + k] = {PANEL_PALETTE, 40 * k, 100, 40, 20,
                             static_cast<uint32_t>(kCommandShapeFree + k)};
        }
        spots[33] = {PANEL_CHOOSER, 108, 6, 40, 16, kCommandChooserPrevious};
        spots[34] = {PANEL_CHOOSER, 198, 6, 40, 16, kCommandChooserNext};
        spots[35] = {PANEL_CHOOSER, 324, 0, 16, 16, kCommandChooserClose};
        for (int k = 0; k < 8; ++k) {  // list rows, two columns
            spots[36 + k] = {PANEL_CHOOSER, 8, 26 + 16 * k, 160, 16, kCommandTakeChooserEntry};
            spots[44 + k] = {PANEL_CHOOSER, 174, 26 + 16 * k, 160, 16, kCommandTakeChooserEntry};
        }
        for (int r = 0; r < 4; ++r) {  // chip grid
            for (int c = 0; c < 10; ++c) {
                spots[52 + 10 * r + c] = {PANEL_CHOOSER, 6 + 33 * c, 24 + 33 * r, 32, 32,
                                          kCommandTakeChooserEntry};
            }
        }
        spots[92] = {PANEL_CHOOSER, 4, 6, 72, 16, kCommandChooserCycle};
        // The fill shape under the free-hand button, in the size of the four above it; the
        // brush's arrows, up for smaller and down for larger as the value arrows above.
        spots[BMHotSpots::FILL_BUTTON] = {PANEL_PALETTE, 0, 120, 40, 20, kCommandShapeFill};
        spots[BMHotSpots::BRUSH_SMALLER] = {PANEL_PALETTE, 124, 122, 15, 15, kCommandBrushSmaller};
        spots[BMHotSpots::BRUSH_LARGER] = {PANEL_PALETTE, 140, 122, 15, 15, kCommandBrushLarger};
    }
};

}  // namespace

const BMHotSpot* BMHotSpots::get(int number)
{
    static const Table table;
    if (number < 1 || number >= COUNT) {
        return nullptr;
    }
    return &table.spots[number];
}
