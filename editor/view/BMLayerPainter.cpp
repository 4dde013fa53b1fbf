#include "editor/view/BMLayerPainter.h"

#include "editor/model/BMData.h"
#include "editor/view/BMColors.h"
#include "editor/view/BMRenderer.h"
#include "editor/view/BMViewFlags.h"
#include "framework/graphics/HImage.h"
#include "framework/graphics/HImageLoader.h"
#include "framework/graphics/HMemoryImage.h"

namespace {

const int kChipsPerRow = 20;  // chips per row of a chip bitmap

}  // namespace

void BMLayerPainter::chip(HImage* chips, HMemoryImage* layer, int chip, int px, int py)
{
    chips->draw(layer, px, py, CELL_PIXELS, CELL_PIXELS, chip % kChipsPerRow * CELL_PIXELS,
                chip / kChipsPerRow * CELL_PIXELS);
}

void BMLayerPainter::numbers(BMRenderer& renderer, const BMData& data, uint32_t viewFlags,
                             HMemoryImage* layer, int x, int y, int px, int py)
{
    int object = data.getByte(BMData::TYPE_OBJECT, 0, x, y);
    if (object != 0) {
        if ((viewFlags & VIEW_OBJ_NUMBER) != 0) {
            renderer.drawNumber(layer, px + 2, py, object, 2, 0x82);
        }
        if ((viewFlags & VIEW_OBJ_ORDER) != 0) {
            renderer.drawNumber(layer, px + 14, py, data.getWord(BMData::TYPE_ORDER, 0, x, y), 3,
                                0x80);
        }
    }
    if ((viewFlags & VIEW_CHAR_NUMBER) != 0) {
        renderer.drawNumber(layer, px + 2, py + 23, data.getByte(BMData::TYPE_CHARACTER, 0, x, y),
                            3, 0x01);
    }
    if ((viewFlags & VIEW_HEIGHT) != 0) {
        renderer.drawNumber(layer, px + 19, py + 23, data.getByte(BMData::TYPE_HEIGHT, 0, x, y), 2,
                            0x20);
    }
}

void BMLayerPainter::placement(BMRenderer& renderer, const BMData& data, HMemoryImage* layer,
                               int x, int y, int px, int py)
{
    int group = data.getByte(BMData::TYPE_CONNECT, 0, x, y);
    if (group == 0) {
        return;
    }
    HImageLoader::fillRect(layer, px, py, CELL_PIXELS, CELL_PIXELS, BMColors::SHADE_OLIVE);
    renderer.drawNumber(layer, px + 4, py + 8, group, 1, 0x04);
    renderer.drawNumber(layer, px + 16, py + 14,
                        data.getWord(BMData::TYPE_CONNECT_ORDER, 0, x, y), 2, 0x09);
}

uint8_t BMLayerPainter::overlayLook(uint32_t mark, bool cursor, bool select)
{
    uint8_t look = 0;
    if ((mark & CELL_PENDING) != 0) {
        look = select ? LOOK_PENDING_SELECT : LOOK_PENDING_DIRECT;
    } else if ((mark & CELL_SELECTED) != 0) {
        look = LOOK_SELECTED;
    }
    if (cursor) {
        look |= select ? LOOK_CURSOR_SELECT : LOOK_CURSOR_DIRECT;
    }
    return look;
}

void BMLayerPainter::overlayCell(HMemoryImage* layer, int px, int py, uint8_t look)
{
    HImageLoader::fillRect(layer, px, py, CELL_PIXELS, CELL_PIXELS, BMColors::CLEAR);
    switch (look & LOOK_MARKS) {
    case LOOK_PENDING_SELECT:
        HImageLoader::fillRect(layer, px, py, CELL_PIXELS, CELL_PIXELS, BMColors::PENDING_OLIVE);
        break;
    case LOOK_PENDING_DIRECT:
        HImageLoader::fillRect(layer, px, py, CELL_PIXELS, CELL_PIXELS, BMColors::PENDING_GREY);
        break;
    case LOOK_SELECTED:
        HImageLoader::drawFrame(layer, px, py, CELL_PIXELS, CELL_PIXELS, BMColors::MARK_RED);
        break;
    }
    if ((look & LOOK_CURSOR_SELECT) != 0) {
        HImageLoader::drawFrame(layer, px, py, CELL_PIXELS, CELL_PIXELS, BMColors::CURSOR_YELLOW);
    } else if ((look & LOOK_CURSOR_DIRECT) != 0) {
        HImageLoader::drawFrame(layer, px, py, CELL_PIXELS, CELL_PIXELS, BMColors::CURSOR_WHITE);
    }
}
