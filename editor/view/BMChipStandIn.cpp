#include "editor/view/BMChipStandIn.h"

#include "editor/model/BMConstants.h"
#include "editor/view/BMColors.h"
#include "editor/view/BMRenderer.h"
#include "framework/graphics/HImageLoader.h"
#include "framework/graphics/HMemoryImage.h"

namespace {

const int kChipsPerRow = 20;
// Digits of the glyph sheet: the small ones on grey (no placement's olive, no height's red),
// and for objects the large ones on the objects' blue.
const int kGreyDigits = 0x00;
const int kBlueDigits = 0x40;
const int kNoLeadingRoom = 0x02;

// Muted colours, one per row of the character sheet, so that chips of one kind of terrain
// (a row of the sheet) look alike and the kinds apart.
const HColor kRowShades[] = {
    {70, 110, 60},  {60, 95, 120}, {120, 105, 70}, {95, 95, 95},  {60, 120, 110}, {110, 80, 110},
    {85, 120, 60},  {70, 80, 130}, {130, 90, 60},  {80, 110, 95}, {115, 115, 80}, {90, 70, 100},
};

}  // namespace

std::unique_ptr<HMemoryImage> BMChipStandIn::make(BMRenderer& renderer, bool objects)
{
    const int chips = objects ? OBJECT_CHIPS : CHARACTER_CHIPS;
    const int rows = (chips + kChipsPerRow - 1) / kChipsPerRow;
    std::unique_ptr<HMemoryImage> sheet(new HMemoryImage(kChipsPerRow * CELL_PIXELS, rows * CELL_PIXELS));
    if (sheet->getPixels() == nullptr) {
        return nullptr;
    }
    sheet->fill(BMColors::CLEAR);
    for (int chip = 0; chip < chips; ++chip) {
        int x = chip % kChipsPerRow * CELL_PIXELS;
        int y = chip / kChipsPerRow * CELL_PIXELS;
        if (objects) {
            // Object 0 is no object: it stays clear.
            if (chip != 0) {
                HImageLoader::drawFrame(sheet.get(), x + 3, y + 3, CELL_PIXELS - 6, CELL_PIXELS - 6,
                                        BMColors::HOVER_BLUE);
                renderer.drawNumber(sheet.get(), x + 7, y + 8, static_cast<uint32_t>(chip), 2,
                                    kBlueDigits | kNoLeadingRoom);
            }
            continue;
        }
        HImageLoader::fillRect(sheet.get(), x, y, CELL_PIXELS, CELL_PIXELS, kRowShades[chip / kChipsPerRow]);
        HImageLoader::drawFrame(sheet.get(), x, y, CELL_PIXELS, CELL_PIXELS, BMColors::PENDING_GREY);
        renderer.drawNumber(sheet.get(), x + 3, y + 3, static_cast<uint32_t>(chip), 3,
                            kGreyDigits | kNoLeadingRoom);
    }
    return sheet;
}
