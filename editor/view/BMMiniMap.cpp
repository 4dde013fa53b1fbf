#include "editor/view/BMMiniMap.h"

#include <algorithm>
#include <cstring>

#include "editor/model/BMData.h"
#include "editor/view/BMColors.h"
#include "editor/view/BMViewFlags.h"
#include "editor/view/BMZoom.h"
#include "framework/graphics/HImage.h"
#include "framework/graphics/HImageLoader.h"
#include "framework/graphics/HMemoryImage.h"

namespace {

const int kChipsPerRow = 20;
const int kTerrainChips = 240;
const int kObjectChips = 40;
const int kLastCity = 15;  // object chips 1..15 are cities, 16..24 walls, 25..39 roads
const int kMargin = 8;  // between the panel and the view's edge
// The right-hand corners keep clear of the widest panel on the right (the chooser) and of
// the area information panel above it.
const int kRightPanels = CHOOSER_WIDTH + 2 * kMargin;
// The title strip's buttons.
const int kButtonHeight = 16;
const int kCloseX = BMMiniMap::WIDTH - 16;
const int kMoveX = kCloseX - 42;
const int kMoveWidth = 40;

// Opaque, unlike the other panels: a map seen through a picture of a map only confuses.
constexpr HColor kBackground{14, 14, 14, 255};

const char* const kTitle = "ﾐﾆﾏｯﾌﾟ";
const char* const kMove = "[移動]";
const char* const kClose = "×";

bool inside(int p, int q, int x, int y, int width, int height)
{
    return x <= p && p < x + width && y <= q && q < y + height;
}

HColor colourOf(uint32_t argb)
{
    return HColor(static_cast<int>(argb >> 16 & 0xFF), static_cast<int>(argb >> 8 & 0xFF),
                  static_cast<int>(argb & 0xFF), static_cast<int>(argb >> 24));
}

int clampInt(int value, int low, int high)
{
    return std::max(low, std::min(value, high));
}

}  // namespace

BMMiniMap::BMMiniMap() = default;
BMMiniMap::~BMMiniMap() = default;

void BMMiniMap::nextCorner()
{
    m_corner = static_cast<Corner>((m_corner + 1) % CORNER_COUNT);
}

BMPoint BMMiniMap::place(int viewWidth, int viewHeight) const
{
    const int bottom = viewHeight - HEIGHT - kMargin;
    switch (m_corner) {
    case CORNER_TOP_LEFT: return {kMargin, kMargin};
    case CORNER_TOP_RIGHT: return {viewWidth - kRightPanels - WIDTH, kMargin};
    case CORNER_BOTTOM_RIGHT: return {viewWidth - kRightPanels - WIDTH, bottom};
    default: return {kMargin, bottom};
    }
}

BMMiniMap::Part BMMiniMap::hit(int p, int q)
{
    if (!inside(p, q, 0, 0, WIDTH, HEIGHT)) {
        return PART_NONE;
    }
    if (inside(p, q, kCloseX, 0, WIDTH - kCloseX, kButtonHeight)) {
        return PART_CLOSE;
    }
    if (inside(p, q, kMoveX, 0, kMoveWidth, kButtonHeight)) {
        return PART_MOVE;
    }
    if (inside(p, q, PICTURE_X, PICTURE_Y, PICTURE_WIDTH, PICTURE_HEIGHT)) {
        return PART_PICTURE;
    }
    return PART_PANEL;
}

BMPoint BMMiniMap::mapPoint(int p, int q)
{
    const int scale = CELL_PIXELS / CELL;
    return {clampInt((p - PICTURE_X) * scale + scale / 2, 0, LAYER_WIDTH - 1),
            clampInt((q - PICTURE_Y) * scale + scale / 2, 0, LAYER_HEIGHT - 1)};
}

bool BMMiniMap::setHover(Part part)
{
    if (part != PART_MOVE && part != PART_CLOSE) {
        part = PART_NONE;
    }
    if (part == m_hover) {
        return false;
    }
    m_hover = part;
    return true;
}

HMemoryImage* BMMiniMap::getPixels() const
{
    return m_canvas != nullptr ? m_canvas->getPixels() : nullptr;
}

void BMMiniMap::forgetColours()
{
    std::memset(m_terrainKnown, 0, sizeof m_terrainKnown);
    std::memset(m_objectKnown, 0, sizeof m_objectKnown);
}

// The chip is drawn as the map layers draw it (its transparent colour skipped), so the colour
// is that of what the map shows.
uint32_t BMMiniMap::chipColour(HImage* chips, int chip, uint32_t* cache, bool* known)
{
    if (known[chip]) {
        return cache[chip];
    }
    HMemoryImage block(CELL_PIXELS, CELL_PIXELS);
    uint32_t colour = 0;
    if (chips != nullptr && block.getPixels() != nullptr) {
        chips->draw(&block, 0, 0, CELL_PIXELS, CELL_PIXELS, chip % kChipsPerRow * CELL_PIXELS,
                    chip / kChipsPerRow * CELL_PIXELS);
        uint64_t count = 0, red = 0, green = 0, blue = 0;
        const uint32_t* pixels = block.getPixels();
        for (int i = 0; i < CELL_PIXELS * CELL_PIXELS; ++i) {
            if ((pixels[i] >> 24) != 0) {
                ++count;
                red += pixels[i] >> 16 & 0xFF;
                green += pixels[i] >> 8 & 0xFF;
                blue += pixels[i] & 0xFF;
            }
        }
        if (count != 0) {
            auto mean = [count](uint64_t sum) { return static_cast<uint32_t>((sum + count / 2) / count); };
            colour = 0xFF000000u | mean(red) << 16 | mean(green) << 8 | mean(blue);
        }
    }
    cache[chip] = colour;
    known[chip] = true;
    return colour;
}

void BMMiniMap::paintTitle(HFont* font)
{
    HMemoryImage* panel = getPixels();
    HImageLoader::fillRect(panel, 1, 1, WIDTH - 2, kButtonHeight, kBackground);
    if (m_hover == PART_MOVE) {
        HImageLoader::fillRect(panel, kMoveX, 0, kMoveWidth, kButtonHeight, BMColors::HOVER_BLUE);
    } else if (m_hover == PART_CLOSE) {
        HImageLoader::fillRect(panel, kCloseX, 0, WIDTH - kCloseX, kButtonHeight,
                               BMColors::HOVER_BLUE);
    }
    HImageLoader::drawFrame(panel, 0, 0, WIDTH, HEIGHT, BMColors::VEIL_WHITE);
    HImageLoader::drawFrame(panel, kCloseX, 0, WIDTH - kCloseX, kButtonHeight, BMColors::VEIL_WHITE);
    HImageLoader::drawString(panel, 4, 2, font, kTitle, BMColors::CURSOR_WHITE);
    HImageLoader::drawString(panel, kMoveX + 2, 2, font, kMove, BMColors::CURSOR_WHITE);
    HImageLoader::drawString(panel, kCloseX + 3, 2, font, kClose, BMColors::CURSOR_WHITE);
}

void BMMiniMap::paint(const BMData* data, HFont* font)
{
    if (m_canvas == nullptr) {
        m_canvas.reset(new BMCanvas(WIDTH, HEIGHT));
    }
    HMemoryImage* panel = getPixels();
    if (panel == nullptr) {
        return;
    }
    panel->fill(kBackground);
    paintTitle(font);
    if (data != nullptr && data->getCurrent() != 0) {
        for (int y = 0; y < MAP_SIZE; ++y) {
            for (int x = 0; x < MAP_SIZE; ++x) {
                paintCell(data, x, y);
            }
        }
    }
}

BMRect BMMiniMap::paintCell(const BMData* data, int x, int y)
{
    BMRect touched;
    HMemoryImage* panel = getPixels();
    if (panel == nullptr || data == nullptr || data->getCurrent() == 0 || x < 0 || x >= MAP_SIZE
        || y < 0 || y >= MAP_SIZE) {
        return touched;
    }
    drawCell(*data, *data->getBMap(data->getCurrent() - 1), panel, PICTURE_X, PICTURE_Y, x, y);
    touched.add(PICTURE_X + x * CELL + (y % 2 != 0 ? CELL / 2 : 0), PICTURE_Y + y * CELL, CELL, CELL);
    return touched;
}

void BMMiniMap::drawMap(const BMData& data, uint32_t number, HMemoryImage* image, int left, int top)
{
    const ZDBMap* map = data.getBMap(number - 1);
    if (map == nullptr || image == nullptr || image->getPixels() == nullptr) {
        return;
    }
    HImageLoader::fillRect(image, left, top, PICTURE_WIDTH, PICTURE_HEIGHT, kBackground);
    for (int y = 0; y < MAP_SIZE; ++y) {
        for (int x = 0; x < MAP_SIZE; ++x) {
            drawCell(data, *map, image, left, top, x, y);
        }
    }
}

void BMMiniMap::drawCell(const BMData& data, const ZDBMap& map, HMemoryImage* image, int pictureX,
                         int pictureY, int x, int y)
{
    const int left = pictureX + x * CELL + (y % 2 != 0 ? CELL / 2 : 0);
    const int top = pictureY + y * CELL;
    const uint32_t ux = static_cast<uint32_t>(x);
    const uint32_t uy = static_cast<uint32_t>(y);
    int terrain = map.getCharacter(ux, uy);
    uint32_t colour = terrain < kTerrainChips
                          ? chipColour(data.getCharacterImage(), terrain, m_terrain, m_terrainKnown)
                          : 0;
    HImageLoader::fillRect(image, left, top, CELL, CELL, colour != 0 ? colourOf(colour) : kBackground);
    // A city fills its cell; walls and roads, thin on their chips, are a mark at the centre,
    // so that a run of them reads as a dotted line.
    int object = map.getObject(ux, uy);
    if (object != 0 && object < kObjectChips) {
        uint32_t mark = chipColour(data.getObjectImage(), object, m_objects, m_objectKnown);
        int inset = object <= kLastCity ? 0 : 1;
        if (mark != 0) {
            HImageLoader::fillRect(image, left + inset, top + inset, CELL - 2 * inset, CELL - 2 * inset,
                                   colourOf(mark));
        }
    }
}

BMRect BMMiniMap::outline(BMPoint scroll, BMPoint view, const BMZoom& zoom)
{
    const int scale = CELL_PIXELS / CELL;
    int64_t left = std::max<int64_t>(zoom.toMap(scroll.x), 0);
    int64_t top = std::max<int64_t>(zoom.toMap(scroll.y), 0);
    int64_t right = std::min<int64_t>(zoom.toMap(int64_t{scroll.x} + view.x), LAYER_WIDTH);
    int64_t bottom = std::min<int64_t>(zoom.toMap(int64_t{scroll.y} + view.y), LAYER_HEIGHT);
    BMRect rect;
    if (left < right && top < bottom) {
        int x = PICTURE_X + static_cast<int>(left / scale);
        int y = PICTURE_Y + static_cast<int>(top / scale);
        rect.add(x, y, PICTURE_X + static_cast<int>((right + scale - 1) / scale) - x,
                 PICTURE_Y + static_cast<int>((bottom + scale - 1) / scale) - y);
    }
    return rect;
}
