#include "editor/view/BMRenderer.h"

#include <algorithm>
#include <cstdint>

#include "editor/model/BMData.h"
#include "editor/view/BMCanvas.h"
#include "editor/view/BMChipStandIn.h"
#include "editor/view/BMColors.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMLayerScaler.h"
#include "editor/view/BMMiniMap.h"
#include "editor/view/BMPanelPainter.h"
#include "editor/view/BMRedraw.h"
#include "editor/view/BMZoom.h"
#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HImageLoader.h"
#include "framework/graphics/HMemoryImage.h"

namespace {

const char* const kFontName = "ＭＳ ゴシック";

const int kChipsPerRow = 20;  // chips per row of a chip bitmap
const int kGlyphSheetSize = 256;

// The glyph sheet: seven strips of the digits 0..9, each in a cell of its own, and below
// them the arrow buttons of the palette.
struct Strip {
    int y;
    bool large;
};
const Strip kStrips[] = {{0, false}, {10, true}, {30, false}, {40, true},
                         {60, false}, {70, true}, {90, false}};
const int kSmallCell[2] = {6, 9};   // width, height of a small digit's cell
const int kLargeCell[2] = {10, 17};
const int kSmallAdvance = 5;  // the cells overlap by their blank last column
const int kLargeAdvance = 9;

struct Size {
    int width;
    int height;
};
const Size kImageSizes[BMRenderer::IMAGE_COUNT] = {
    {LAYER_WIDTH, LAYER_HEIGHT},       {LAYER_WIDTH, LAYER_HEIGHT},
    {LAYER_WIDTH, LAYER_HEIGHT},       {LAYER_WIDTH, LAYER_HEIGHT},
    {LAYER_WIDTH, LAYER_HEIGHT},       {AREA_INFO_WIDTH, AREA_INFO_HEIGHT},
    {PALETTE_WIDTH, PALETTE_HEIGHT},   {CHOOSER_WIDTH, CHOOSER_HEIGHT},
    {LAYER_WIDTH, LAYER_HEIGHT},       {kGlyphSheetSize, kGlyphSheetSize},
};

// The top left pixel of a cell in a map layer: odd rows are shifted half a cell right.
int cellLeft(int x, int y)
{
    return x * CELL_PIXELS + (y % 2 != 0 ? ROW_SHIFT : 0);
}

int cellTop(int y)
{
    return y * CELL_PIXELS;
}

bool insideMap(int x, int y)
{
    return x >= 0 && x < MAP_SIZE && y >= 0 && y < MAP_SIZE;
}

}  // namespace

BMRenderer::BMRenderer(BMDisplay& display)
    : m_display(display),
      m_panelFont(kFontName, HFont::STYLE_PLAIN, 9),
      m_smallDigitFont(kFontName, HFont::STYLE_PLAIN, 8),
      m_largeDigitFont(kFontName, HFont::STYLE_BOLD, 13),
      m_frameRate(1000)
{
    setClassName("BMRenderer");
}

BMRenderer::~BMRenderer() = default;

HMemoryImage* BMRenderer::getImage(Image image) const
{
    return m_images[image] != nullptr ? m_images[image]->getPixels() : nullptr;
}

HMemoryImage* BMRenderer::makeImage(Image image)
{
    if (m_images[image] == nullptr) {
        m_images[image].reset(new BMCanvas(kImageSizes[image].width, kImageSizes[image].height));
        touchImage(image, 0, 0, kImageSizes[image].width, kImageSizes[image].height);
        if (image == IMAGE_OVERLAY) {
            m_overlayDrawn = false;
        }
    }
    return m_images[image]->getPixels();
}

void BMRenderer::touchImage(Image image, int x, int y, int width, int height)
{
    BMRect place;
    if (image == IMAGE_GLYPHS) {  // the frame rate
        BMPoint view = m_display.getViewSize();
        m_stale.add(0, 0, view.x, view.y);
    } else if (panelPlace(image, &place)) {
        m_stale.add(place.left + x, place.top + y, width, height);
    } else if (image != IMAGE_AREA_INFO && image != IMAGE_PALETTE && image != IMAGE_CHOOSER) {
        // Map pixels, zoomed, in the view; a scroll position far off the map shows none of
        // them.
        const BMZoom& zoom = m_display.getZoom();
        BMPoint scroll = m_display.getScroll();
        int64_t left = zoom.toZoomed(x) - scroll.x;
        int64_t top = zoom.toZoomed(y) - scroll.y;
        int64_t right = zoom.toZoomedEnd(int64_t{x} + width) - scroll.x;
        int64_t bottom = zoom.toZoomedEnd(int64_t{y} + height) - scroll.y;
        const int64_t limit = INT32_MAX / 2;
        if (right > 0 && left < limit && bottom > 0 && top < limit) {
            left = std::max<int64_t>(left, 0);
            top = std::max<int64_t>(top, 0);
            m_stale.add(static_cast<int>(left), static_cast<int>(top),
                        static_cast<int>(std::min(right, limit) - left),
                        static_cast<int>(std::min(bottom, limit) - top));
        }
    }
}

void BMRenderer::resetImageBuffer()
{
    HLOG_START("resetImageBuffer");
    // The sheet depends on nothing that changes: it is drawn once for the images' life.
    if (getImage(IMAGE_GLYPHS) == nullptr) {
        drawGlyphSheet();
    }
    m_display.getMiniMap().forgetColours();
    drawCharLayer(-1, -1);
    drawObjLayer(-1, -1);
    drawNumberLayer(-1, -1);
    drawPlacementLayer(-1, -1);
    drawGridLayer();
    drawAreaInfo();
    drawPalette();
    drawChooser();
    drawMarkOverlay();
    HLOG_END("resetImageBuffer");
}

void BMRenderer::releaseImageBuffer()
{
    for (std::unique_ptr<BMCanvas>& image : m_images) {
        image.reset();
    }
    m_frame.reset();
    m_display.getMiniMap().release();
}

// A cell's drawing never leaves its 32 x 32 pixels, and cells do not overlap, so redrawing
// one cell gives the same pixels as redrawing the whole layer.
template <class DrawCell>
void BMRenderer::redrawLayer(Image image, int x, int y, DrawCell drawCell)
{
    HMemoryImage* layer = makeImage(image);
    if (layer == nullptr || !m_display.hasMap()) {
        return;
    }
    if (x < 0 || y < 0) {
        layer->fill(BMColors::CLEAR);
        for (int row = 0; row < MAP_SIZE; ++row) {
            for (int column = 0; column < MAP_SIZE; ++column) {
                drawCell(layer, column, row, cellLeft(column, row), cellTop(row));
            }
        }
        touchImage(image, 0, 0, LAYER_WIDTH, LAYER_HEIGHT);
    } else if (insideMap(x, y)) {
        int px = cellLeft(x, y);
        int py = cellTop(y);
        HImageLoader::fillRect(layer, px, py, CELL_PIXELS, CELL_PIXELS, BMColors::CLEAR);
        drawCell(layer, x, y, px, py);
        touchImage(image, px, py, CELL_PIXELS, CELL_PIXELS);
    }
}

void BMRenderer::drawChip(HImage* chips, HMemoryImage* layer, int chip, int px, int py)
{
    chips->draw(layer, px, py, CELL_PIXELS, CELL_PIXELS, chip % kChipsPerRow * CELL_PIXELS,
                chip / kChipsPerRow * CELL_PIXELS);
}

HImage* BMRenderer::chipSheet(bool objects)
{
    BMData* data = m_display.getData();
    if (data == nullptr) {
        return nullptr;
    }
    HImage* loaded = objects ? data->getObjectImage() : data->getCharacterImage();
    if (loaded != nullptr) {
        return loaded;
    }
    std::unique_ptr<HMemoryImage>& standIn = m_standIns[objects ? 1 : 0];
    if (standIn == nullptr) {
        standIn = BMChipStandIn::make(*this, objects);
    }
    return standIn.get();
}

void BMRenderer::drawCharLayer(int x, int y)
{
    BMData* data = m_display.getData();
    HImage* chips = chipSheet(false);
    if (chips == nullptr) {
        return;
    }
    redrawLayer(IMAGE_CHAR, x, y, [&](HMemoryImage* layer, int cx, int cy, int px, int py) {
        drawChip(chips, layer, data->getByte(BMData::TYPE_CHARACTER, 0, cx, cy), px, py);
    });
    drawMiniMap(x, y);
}

void BMRenderer::drawObjLayer(int x, int y)
{
    BMData* data = m_display.getData();
    HImage* chips = chipSheet(true);
    if (chips == nullptr) {
        return;
    }
    redrawLayer(IMAGE_OBJ, x, y, [&](HMemoryImage* layer, int cx, int cy, int px, int py) {
        int object = data->getByte(BMData::TYPE_OBJECT, 0, cx, cy);
        if (object != 0) {
            drawChip(chips, layer, object, px, py);
        }
    });
    drawMiniMap(x, y);
}

void BMRenderer::drawMiniMap(int x, int y)
{
    if (!m_display.hasMap()) {
        return;
    }
    BMMiniMap& miniMap = m_display.getMiniMap();
    const BMPoint view = m_display.getViewSize();
    const BMPoint at = miniMap.place(view.x, view.y);
    if (x < 0 || y < 0 || miniMap.getPixels() == nullptr) {
        miniMap.paint(m_display.getData(), &m_panelFont);
        m_stale.add(at.x, at.y, BMMiniMap::WIDTH, BMMiniMap::HEIGHT);
        return;
    }
    BMRect cell = miniMap.paintCell(m_display.getData(), x, y);
    m_stale.add(at.x + cell.left, at.y + cell.top, cell.width(), cell.height());
}

void BMRenderer::drawCellNumbers(HMemoryImage* layer, int x, int y, int px, int py)
{
    const BMData* data = m_display.getData();
    int object = data->getByte(BMData::TYPE_OBJECT, 0, x, y);
    if (object != 0) {
        if (m_display.isViewFlag(VIEW_OBJ_NUMBER)) {
            drawNumber(layer, px + 2, py, object, 2, 0x82);
        }
        if (m_display.isViewFlag(VIEW_OBJ_ORDER)) {
            drawNumber(layer, px + 14, py, data->getWord(BMData::TYPE_ORDER, 0, x, y), 3, 0x80);
        }
    }
    if (m_display.isViewFlag(VIEW_CHAR_NUMBER)) {
        drawNumber(layer, px + 2, py + 23, data->getByte(BMData::TYPE_CHARACTER, 0, x, y), 3, 0x01);
    }
    if (m_display.isViewFlag(VIEW_HEIGHT)) {
        drawNumber(layer, px + 19, py + 23, data->getByte(BMData::TYPE_HEIGHT, 0, x, y), 2, 0x20);
    }
}

void BMRenderer::drawNumberLayer(int x, int y)
{
    redrawLayer(IMAGE_NUMBER, x, y, [this](HMemoryImage* layer, int cx, int cy, int px, int py) {
        drawCellNumbers(layer, cx, cy, px, py);
    });
}

void BMRenderer::drawCellPlacement(HMemoryImage* layer, int x, int y, int px, int py)
{
    const BMData* data = m_display.getData();
    int group = data->getByte(BMData::TYPE_CONNECT, 0, x, y);
    if (group == 0) {
        return;
    }
    HImageLoader::fillRect(layer, px, py, CELL_PIXELS, CELL_PIXELS, BMColors::SHADE_OLIVE);
    drawNumber(layer, px + 4, py + 8, group, 1, 0x04);
    drawNumber(layer, px + 16, py + 14, data->getWord(BMData::TYPE_CONNECT_ORDER, 0, x, y), 2, 0x09);
}

void BMRenderer::drawPlacementLayer(int x, int y)
{
    redrawLayer(IMAGE_PLACEMENT, x, y, [this](HMemoryImage* layer, int cx, int cy, int px, int py) {
        drawCellPlacement(layer, cx, cy, px, py);
    });
}

void BMRenderer::drawGridLayer()
{
    HColor color = BMColors::modeColor(m_display.getEditMode());
    redrawLayer(IMAGE_GRID, -1, -1, [&color](HMemoryImage* layer, int, int, int px, int py) {
        HImageLoader::drawFrame(layer, px, py, CELL_PIXELS, CELL_PIXELS, color);
    });
}

namespace {

// What a cell of the mark overlay shows: a mark in the low bits, the cursor in the high ones.
enum OverlayLook : uint8_t {
    LOOK_PENDING_SELECT = 1,
    LOOK_PENDING_DIRECT = 2,
    LOOK_SELECTED = 3,
    LOOK_MARKS = 0x0F,
    LOOK_CURSOR_SELECT = 0x10,
    LOOK_CURSOR_DIRECT = 0x20,
};

void drawOverlayCell(HMemoryImage* layer, int px, int py, uint8_t look)
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

}  // namespace

// Pending cells are filled (olive in select mode, grey in direct mode), selected cells framed
// in red, the cursor framed over either (yellow in select mode, white in direct mode).
uint8_t BMRenderer::overlayLook(int index, bool select) const
{
    uint32_t mark = m_display.getCellMark(index);
    uint8_t look = 0;
    if ((mark & CELL_PENDING) != 0) {
        look = select ? LOOK_PENDING_SELECT : LOOK_PENDING_DIRECT;
    } else if ((mark & CELL_SELECTED) != 0) {
        look = LOOK_SELECTED;
    }
    if (index == m_display.getCursorIndex()) {
        look |= select ? LOOK_CURSOR_SELECT : LOOK_CURSOR_DIRECT;
    }
    return look;
}

// Only the cells whose look changed since the last redraw are drawn again: a drag step
// touches a few cells, not the whole overlay.
void BMRenderer::drawMarkOverlay()
{
    HMemoryImage* layer = makeImage(IMAGE_OVERLAY);
    if (layer == nullptr || !m_display.hasMap()) {
        return;
    }
    bool select = m_display.getMouseMode() != MOUSE_DIRECT;
    for (int index = 0; index < MAP_CELLS; ++index) {
        uint8_t look = overlayLook(index, select);
        if (m_overlayDrawn && look == m_overlayLooks[index]) {
            continue;
        }
        m_overlayLooks[index] = look;
        int px = cellLeft(index % MAP_SIZE, index / MAP_SIZE);
        int py = cellTop(index / MAP_SIZE);
        drawOverlayCell(layer, px, py, look);
        touchImage(IMAGE_OVERLAY, px, py, CELL_PIXELS, CELL_PIXELS);
    }
    m_overlayDrawn = true;
}

// Every edit asks for the panel, whose counts it may change; drawing its text costs more than
// the rest of a one-cell edit, so the panel is drawn only when what it shows changed.
void BMRenderer::drawAreaInfo()
{
    if (getImage(IMAGE_AREA_INFO) == nullptr) {
        m_areaInfoLook.clear();
    }
    HMemoryImage* panel = makeImage(IMAGE_AREA_INFO);
    if (panel != nullptr && m_display.hasMap()) {
        BMPanelPainter painter(*this, m_display);
        std::string look = painter.areaInfoLook();
        if (look == m_areaInfoLook) {
            return;
        }
        m_areaInfoLook = look;
        painter.paintAreaInfo(panel);
        touchImage(IMAGE_AREA_INFO, 0, 0, AREA_INFO_WIDTH, AREA_INFO_HEIGHT);
    }
}

void BMRenderer::drawPalette()
{
    HMemoryImage* panel = makeImage(IMAGE_PALETTE);
    if (panel != nullptr && m_display.hasMap()) {
        BMPanelPainter(*this, m_display).paintPalette(panel);
        touchImage(IMAGE_PALETTE, 0, 0, PALETTE_WIDTH, PALETTE_HEIGHT);
    }
}

void BMRenderer::drawChooser()
{
    HMemoryImage* panel = makeImage(IMAGE_CHOOSER);
    if (panel != nullptr && m_display.hasMap()) {
        BMPanelPainter(*this, m_display).paintChooser(panel);
        touchImage(IMAGE_CHOOSER, 0, 0, CHOOSER_WIDTH, CHOOSER_HEIGHT);
    }
}

// Each digit is drawn at the left of its own cell, so the cells hold their digits whatever
// advances the font gives.
void BMRenderer::drawGlyphSheet()
{
    HMemoryImage* sheet = makeImage(IMAGE_GLYPHS);
    if (sheet == nullptr) {
        return;
    }
    sheet->fill(BMColors::SHADE_GREY);
    HImageLoader::fillRect(sheet, 0, 10, 100, 30, BMColors::SHADE_OLIVE);
    HImageLoader::fillRect(sheet, 0, 40, 100, 30, BMColors::SHADE_RED);
    HImageLoader::fillRect(sheet, 0, 70, 100, 30, BMColors::SHADE_BLUE);
    for (const Strip& strip : kStrips) {
        HFont* font = strip.large ? &m_largeDigitFont : &m_smallDigitFont;
        int cell = strip.large ? kLargeCell[0] : kSmallCell[0];
        for (int digit = 0; digit < 10; ++digit) {
            HImageLoader::drawString(sheet, 1 + cell * digit, strip.y, font,
                                     std::string(1, static_cast<char>('0' + digit)),
                                     BMColors::VEIL_WHITE);
        }
    }
    // The arrow buttons: the hovered forms, then the normal ones.
    const std::string up = "▲";
    const std::string down = "▼";
    HImageLoader::fillRect(sheet, 0, 100, 30, 15, BMColors::VEIL_WHITE);
    HImageLoader::drawString(sheet, 2, 102, &m_panelFont, up, BMColors::SHADE_GREY);
    HImageLoader::drawString(sheet, 17, 102, &m_panelFont, down, BMColors::SHADE_GREY);
    HImageLoader::drawFrame(sheet, 30, 100, 15, 15, BMColors::VEIL_WHITE);
    HImageLoader::drawFrame(sheet, 45, 100, 15, 15, BMColors::VEIL_WHITE);
    HImageLoader::drawString(sheet, 32, 102, &m_panelFont, up, BMColors::VEIL_WHITE);
    HImageLoader::drawString(sheet, 47, 102, &m_panelFont, down, BMColors::VEIL_WHITE);
    touchImage(IMAGE_GLYPHS, 0, 0, kGlyphSheetSize, kGlyphSheetSize);
}

// The strip is chosen by the style bits 0x04..0x80, later bits winning; 0x01 draws leading
// zeros; 0x02 lets leading zeros take no room, so the number starts at x. The value is shown
// modulo 10 to the number of digits (at most 16).
int BMRenderer::layoutNumber(int x, uint32_t value, int digits, uint32_t style, Glyph* glyphs)
{
    if (x < INT32_MIN / 2 || x > INT32_MAX / 2) {
        return 0;  // nowhere near any image; the advances must not overflow
    }
    // Strip k (1..6) goes with style bit 1 << (k + 1); none of them gives strip 0.
    const Strip* strip = &kStrips[0];
    for (int k = 1; k < 7; ++k) {
        if ((style & 1u << (k + 1)) != 0) {
            strip = &kStrips[k];
        }
    }
    int advance = strip->large ? kLargeAdvance : kSmallAdvance;
    const int* cell = strip->large ? kLargeCell : kSmallCell;
    int count = std::min(digits, 16);
    int values[16] = {};
    for (int i = 0; i < count && value != 0; ++i) {
        values[i] = static_cast<int>(value % 10);
        value /= 10;
    }
    int placed = 0;
    for (int i = count - 1; i >= 0; --i) {
        bool leadingZero = values[i] == 0 && i != 0 && placed == 0 && (style & 0x01) == 0;
        if (leadingZero) {
            if ((style & 0x02) == 0) {
                x += advance;
            }
            continue;
        }
        glyphs[placed++] = {x, values[i] * cell[0], strip->y, cell[0], cell[1]};
        x += advance;
    }
    return placed;
}

void BMRenderer::drawNumber(HImage* target, int x, int y, uint32_t value, int digits,
                            uint32_t style)
{
    if (getImage(IMAGE_GLYPHS) == nullptr) {
        drawGlyphSheet();  // a layer redrawn while the images were released
    }
    HMemoryImage* sheet = getImage(IMAGE_GLYPHS);
    if (sheet == nullptr || target == nullptr) {
        return;
    }
    Glyph glyphs[16];
    int count = layoutNumber(x, value, digits, style, glyphs);
    for (int i = 0; i < count; ++i) {
        const Glyph& glyph = glyphs[i];
        sheet->draw(target, glyph.x, y, glyph.width, glyph.height, glyph.sx, glyph.sy);
    }
}

// Straight onto the device, unblended under GDI; a frame of the display composes its digits
// itself.
void BMRenderer::drawNumber(HGraphics* target, int x, int y, uint32_t value, int digits,
                            uint32_t style)
{
    BMCanvas* sheet = canvas(IMAGE_GLYPHS);
    HImage* picture = sheet != nullptr ? sheet->forDevice(target) : nullptr;
    if (picture == nullptr) {
        return;
    }
    Glyph glyphs[16];
    int count = layoutNumber(x, value, digits, style, glyphs);
    for (int i = 0; i < count; ++i) {
        const Glyph& glyph = glyphs[i];
        target->drawImage(picture, glyph.x, y, glyph.width, glyph.height, glyph.sx, glyph.sy);
    }
}

bool BMRenderer::panelPlace(Image image, BMRect* place) const
{
    const struct {
        Image image;
        BMPanel panel;
        uint32_t flags;
        int width;
        int height;
    } panels[] = {
        {IMAGE_AREA_INFO, PANEL_AREA_INFO, VIEW_AREA_INFO, AREA_INFO_WIDTH, AREA_INFO_HEIGHT},
        {IMAGE_PALETTE, PANEL_PALETTE, VIEW_PALETTE, PALETTE_WIDTH, PALETTE_HEIGHT},
        {IMAGE_CHOOSER, PANEL_CHOOSER, VIEW_PAGES, CHOOSER_WIDTH, CHOOSER_HEIGHT},
    };
    for (const auto& panel : panels) {
        if (panel.image == image && m_display.isViewFlag(panel.flags)) {
            BMPoint view = m_display.getViewSize();
            BMPoint at = panelOrigin(panel.panel, view.x, view.y);
            place->clear();
            place->add(at.x, at.y, panel.width, panel.height);
            return true;
        }
    }
    return false;
}

BMRenderer::FrameState BMRenderer::frameState() const
{
    const struct {
        Image image;
        uint32_t flags;
    } layers[] = {
        {IMAGE_CHAR, VIEW_CHAR},
        {IMAGE_OBJ, VIEW_OBJ},
        {IMAGE_PLACEMENT, VIEW_PLACEMENT},
        {IMAGE_NUMBER, VIEW_CHAR_NUMBER | VIEW_OBJ_NUMBER | VIEW_HEIGHT | VIEW_OBJ_ORDER},
        {IMAGE_GRID, VIEW_GRID},
        {IMAGE_AREA_INFO, VIEW_AREA_INFO},
        {IMAGE_PALETTE, VIEW_PALETTE},
        {IMAGE_CHOOSER, VIEW_PAGES},
    };
    FrameState state;
    state.map = m_display.hasMap();
    state.scroll = m_display.getScroll();
    state.zoomStep = m_display.getZoom().getStep();
    state.miniMapCorner = m_display.getMiniMap().getCorner();
    state.layers = 1u << IMAGE_OVERLAY;
    for (const auto& layer : layers) {
        if (m_display.isViewFlag(layer.flags)) {
            state.layers |= 1u << layer.image;
        }
    }
    if (!m_display.getZoom().showsNumbers()) {
        state.layers &= ~(1u << IMAGE_NUMBER);
    }
    if (m_display.isViewFlag(VIEW_MINIMAP)) {
        state.layers |= MINI_MAP_SHOWN;
    }
    return state;
}

namespace {

// Blends w x h pixels of the source from (sx, sy) at (x, y) of the frame, as far as they lie
// inside the area.
void blendInside(HMemoryImage* source, HMemoryImage* frame, const BMRect& area, int x, int y,
                 int w, int h, int sx, int sy)
{
    if (source == nullptr) {
        return;
    }
    int left = std::max(x, area.left);
    int top = std::max(y, area.top);
    int right = std::min(x + w, area.right);
    int bottom = std::min(y + h, area.bottom);
    int64_t fromX = int64_t{sx} + left - x;
    int64_t fromY = int64_t{sy} + top - y;
    if (left < right && top < bottom && fromX > INT32_MIN && fromX < INT32_MAX && fromY > INT32_MIN
        && fromY < INT32_MAX) {
        source->blend(frame, left, top, right - left, bottom - top, static_cast<int>(fromX),
                      static_cast<int>(fromY));
    }
}

}  // namespace

// The order of the frame: the map layers as the scroll position and the zoom show them, at
// most the zoomed picture's size from the top left; the panels at their places, the mini-map
// last of them; the frame rate at the top right.
void BMRenderer::compose(const BMRect& area)
{
    HMemoryImage* frame = m_frame->getPixels();
    HImageLoader::fillRect(frame, area.left, area.top, area.width(), area.height(), HColor::BLACK);
    BMPoint view = m_display.getViewSize();
    if (m_shown.map) {
        struct {
            Image image;
            BMLayerScaler::Filter filter;
        } layers[] = {
            {IMAGE_CHAR, BMLayerScaler::FILTER_AVERAGE},
            {IMAGE_OBJ, BMLayerScaler::FILTER_AVERAGE},
            {IMAGE_PLACEMENT, BMLayerScaler::FILTER_AVERAGE},
            {IMAGE_NUMBER, BMLayerScaler::FILTER_AVERAGE},
            {IMAGE_GRID, BMLayerScaler::FILTER_STRONGEST},
            {IMAGE_OVERLAY, BMLayerScaler::FILTER_STRONGEST},
        };
        const BMZoom& zoom = m_display.getZoom();
        // Below 100 % placement cells show their fill without the digits.
        if (!zoom.showsNumbers()) {
            layers[2].filter = BMLayerScaler::FILTER_CELL_FILL;
        }
        BMRect mapArea;
        mapArea.add(0, 0, std::min(view.x, zoom.getPictureWidth()),
                    std::min(view.y, zoom.getPictureHeight()));
        mapArea.left = std::max(mapArea.left, area.left);
        mapArea.top = std::max(mapArea.top, area.top);
        mapArea.right = std::min(mapArea.right, area.right);
        mapArea.bottom = std::min(mapArea.bottom, area.bottom);
        for (const auto& layer : layers) {
            if ((m_shown.layers & 1u << layer.image) != 0 && !mapArea.isEmpty()) {
                BMLayerScaler::blend(getImage(layer.image), frame, mapArea, m_shown.scroll, zoom,
                                     layer.filter);
            }
        }
        for (Image panel : {IMAGE_AREA_INFO, IMAGE_PALETTE, IMAGE_CHOOSER}) {
            BMRect place;
            if (panelPlace(panel, &place)) {
                blendInside(getImage(panel), frame, area, place.left, place.top, place.width(),
                            place.height(), 0, 0);
            }
        }
        if ((m_shown.layers & MINI_MAP_SHOWN) != 0) {
            composeMiniMap(frame, area);
        }
    }
    Glyph glyphs[16];
    int count = layoutNumber(view.x - 18, static_cast<uint32_t>(m_shownRate), 3, 0, glyphs);
    for (int i = 0; i < count; ++i) {
        const Glyph& glyph = glyphs[i];
        blendInside(getImage(IMAGE_GLYPHS), frame, area, glyph.x, 0, glyph.width, glyph.height,
                    glyph.sx, glyph.sy);
    }
}

void BMRenderer::composeMiniMap(HMemoryImage* frame, const BMRect& area)
{
    const BMMiniMap& miniMap = m_display.getMiniMap();
    if (miniMap.getPixels() == nullptr) {
        return;  // released with the other images
    }
    const BMPoint view = m_display.getViewSize();
    const BMPoint at = miniMap.place(view.x, view.y);
    blendInside(miniMap.getPixels(), frame, area, at.x, at.y, BMMiniMap::WIDTH, BMMiniMap::HEIGHT,
                0, 0);
    BMRect outline = BMMiniMap::outline(m_shown.scroll, view, m_display.getZoom());
    if (outline.isEmpty()) {
        return;
    }
    // A frame a pixel wide, drawn only inside the area.
    const int left = at.x + outline.left;
    const int top = at.y + outline.top;
    const int edges[4][4] = {
        {left, top, outline.width(), 1},
        {left, top + outline.height() - 1, outline.width(), 1},
        {left, top, 1, outline.height()},
        {left + outline.width() - 1, top, 1, outline.height()},
    };
    for (const auto& edge : edges) {
        int x0 = std::max(edge[0], area.left);
        int y0 = std::max(edge[1], area.top);
        int x1 = std::min(edge[0] + edge[2], area.right);
        int y1 = std::min(edge[1] + edge[3], area.bottom);
        if (x0 < x1 && y0 < y1) {
            HImageLoader::fillRect(frame, x0, y0, x1 - x0, y1 - y0, BMColors::CURSOR_WHITE);
        }
    }
}

BMRegion BMRenderer::pendingArea() const
{
    BMPoint view = m_display.getViewSize();
    BMRegion area;
    HMemoryImage* frame = m_frame != nullptr ? m_frame->getPixels() : nullptr;
    if (frame == nullptr || frame->getWidth() != view.x || frame->getHeight() != view.y
        || !(frameState() == m_shown)) {
        area.add(0, 0, view.x, view.y);
        return area;
    }
    return m_stale.clippedTo(view.x, view.y);
}

bool BMRenderer::composeFrame()
{
    BMPoint view = m_display.getViewSize();
    if (view.x <= 0 || view.y <= 0) {
        return false;
    }
    if (m_frame == nullptr || m_frame->getPixels() == nullptr
        || m_frame->getPixels()->getWidth() != view.x || m_frame->getPixels()->getHeight() != view.y) {
        m_frame.reset(new BMCanvas(view.x, view.y));
        m_stale.add(0, 0, view.x, view.y);
    }
    if (m_frame->getPixels() == nullptr) {
        return false;
    }
    FrameState state = frameState();
    if (!(state == m_shown)) {
        m_shown = state;
        m_stale.add(0, 0, view.x, view.y);
    }
    m_frameRate.tick();
    if (m_frameRate.getFPS() != m_shownRate) {
        m_shownRate = m_frameRate.getFPS();
        m_stale.add(view.x - 18, 0, 16, kSmallCell[1]);
    }
    m_composed = m_stale.clippedTo(view.x, view.y);
    for (int i = 0; i < m_composed.size(); ++i) {
        const BMRect& area = m_composed[i];
        compose(area);
        m_frame->touch(area.left, area.top, area.width(), area.height());
    }
    m_stale.clear();
    return true;
}

void BMRenderer::drawDisplay(HGraphics* graphics)
{
    if (graphics == nullptr || !composeFrame()) {
        return;
    }
    HImage* picture = m_frame->forDevice(graphics);
    if (picture == nullptr) {
        return;
    }
    if (graphics->getType() == HGraphics::TYPE_GDI) {
        presentByGdi(graphics, picture, m_composed);
    } else {
        graphics->drawImage(picture, 0, 0, picture->getWidth(), picture->getHeight(), 0, 0);
    }
}

namespace {

// The rectangles of the paint's own region (what the window asked for, where it shows) in
// the window's pixels, at most a few: a one-cell edit asks for its cell and perhaps a panel
// far away, and the box around both would be copied as a whole. The box around them in box;
// false when the region cannot be had.
bool paintedParts(HDC dc, std::vector<RECT>* parts, RECT* box)
{
    const size_t kMostParts = 16;
    if (dc == nullptr) {
        return false;
    }
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (region == nullptr) {
        return false;
    }
    bool known = false;
    POINT origin = {0, 0};
    // The system region is in screen coordinates.
    if (GetRandomRgn(dc, region, SYSRGN) == 1 && GetDCOrgEx(dc, &origin)) {
        OffsetRgn(region, -origin.x, -origin.y);
        const DWORD size = GetRegionData(region, 0, nullptr);
        std::vector<uint8_t> bytes(size);
        auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
        if (size >= sizeof(RGNDATAHEADER) && GetRegionData(region, size, data) == size) {
            const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
            *box = data->rdh.rcBound;
            if (data->rdh.nCount <= kMostParts) {
                parts->assign(rects, rects + data->rdh.nCount);
            } else {
                parts->assign(1, *box);
            }
            known = true;
        }
    }
    DeleteObject(region);
    return known;
}

}  // namespace

// Copying the whole frame costs milliseconds; the part a one-cell edit changes, microseconds.
void BMRenderer::presentByGdi(HGraphics* graphics, HImage* picture, const BMRegion& composed)
{
    HDC dc = static_cast<HDC>(graphics->getDrawingHandle());
    const RECT whole = {0, 0, picture->getWidth(), picture->getHeight()};
    std::vector<RECT> parts;
    RECT clip = whole;
    if (!paintedParts(dc, &parts, &clip)) {
        RECT box;
        const int kind = dc != nullptr ? GetClipBox(dc, &box) : ERROR;
        clip = kind == NULLREGION ? RECT{0, 0, 0, 0} : (kind == ERROR ? whole : box);
        parts.assign(1, clip);
    }
    for (const RECT& part : parts) {
        RECT shown;
        if (IntersectRect(&shown, &part, &whole)) {
            graphics->drawImage(picture, shown.left, shown.top, shown.right - shown.left,
                                shown.bottom - shown.top, shown.left, shown.top);
        }
    }
    // Parts just composed that this paint did not ask for get a paint of their own.
    HWND window = graphics->getMainWindow();
    for (int i = 0; i < composed.size() && window != nullptr; ++i) {
        const BMRect& part = composed[i];
        if (part.left < clip.left || part.top < clip.top || part.right > clip.right
            || part.bottom > clip.bottom) {
            RECT rect = {part.left, part.top, part.right, part.bottom};
            InvalidateRect(window, &rect, FALSE);
        }
    }
}

void BMRenderer::redrawLayers(uint32_t redraw, const std::vector<uint16_t>* cells)
{
    if ((redraw & REDRAW_ALL) != 0) {
        resetImageBuffer();
    } else {
        const struct {
            uint32_t bit;
            void (BMRenderer::*draw)(int, int);
        } layers[] = {
            {REDRAW_CHAR, &BMRenderer::drawCharLayer},
            {REDRAW_OBJ, &BMRenderer::drawObjLayer},
            {REDRAW_NUMBER, &BMRenderer::drawNumberLayer},
            {REDRAW_PLACEMENT, &BMRenderer::drawPlacementLayer},
        };
        for (const auto& layer : layers) {
            if ((redraw & layer.bit) == 0) {
                continue;
            }
            if (cells == nullptr) {
                (this->*layer.draw)(-1, -1);
                continue;
            }
            for (uint16_t cell : *cells) {
                (this->*layer.draw)(cell % MAP_SIZE, cell / MAP_SIZE);
            }
        }
        if ((redraw & REDRAW_GRID) != 0) {
            drawGridLayer();
        }
        if ((redraw & REDRAW_OVERLAY) != 0) {
            drawMarkOverlay();
        }
        if ((redraw & REDRAW_AREA_INFO) != 0) {
            drawAreaInfo();
        }
        if ((redraw & REDRAW_PALETTE) != 0) {
            drawPalette();
        }
        if ((redraw & REDRAW_CHOOSER) != 0) {
            drawChooser();
        }
    }
}
