#include "editor/view/BMRenderer.h"

#include <algorithm>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/view/BMChipStandIn.h"
#include "editor/view/BMColors.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMFrameComposer.h"
#include "editor/view/BMGdiPresenter.h"
#include "editor/view/BMGlyphSheet.h"
#include "editor/view/BMLayerPainter.h"
#include "editor/view/BMMiniMap.h"
#include "editor/view/BMPanelPainter.h"
#include "editor/view/BMRedraw.h"
#include "editor/view/BMZoom.h"
#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HImageLoader.h"
#include "framework/graphics/HMemoryImage.h"

namespace {

const char* const kFontName = "ＭＳ ゴシック";

struct Size {
    int width;
    int height;
};
const Size kImageSizes[BMRenderer::IMAGE_COUNT] = {
    {LAYER_WIDTH, LAYER_HEIGHT},       {LAYER_WIDTH, LAYER_HEIGHT},
    {LAYER_WIDTH, LAYER_HEIGHT},       {LAYER_WIDTH, LAYER_HEIGHT},
    {LAYER_WIDTH, LAYER_HEIGHT},       {AREA_INFO_WIDTH, AREA_INFO_HEIGHT},
    {PALETTE_WIDTH, PALETTE_HEIGHT},   {CHOOSER_WIDTH, CHOOSER_HEIGHT},
    {LAYER_WIDTH, LAYER_HEIGHT},       {BMGlyphSheet::SIZE, BMGlyphSheet::SIZE},
};

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
        BMPoint view = m_display.getLayout().getViewSize();
        m_stale.add(0, 0, view.x, view.y);
    } else if (BMFrameComposer::panelPlace(image, m_display.getLayout().getViewFlags(), m_display.getLayout().getViewSize(),
                                           &place)) {
        m_stale.add(place.left + x, place.top + y, width, height);
    } else if (image != IMAGE_AREA_INFO && image != IMAGE_PALETTE && image != IMAGE_CHOOSER) {
        // Map pixels, zoomed, in the view; a scroll position far off the map shows none of
        // them.
        const BMZoom& zoom = m_display.getLayout().getZoom();
        BMPoint scroll = m_display.getLayout().getScroll();
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
    if (layer == nullptr || !m_display.getEditor().hasMap()) {
        return;
    }
    if (x < 0 || y < 0) {
        layer->fill(BMColors::CLEAR);
        for (int row = 0; row < MAP_SIZE; ++row) {
            for (int column = 0; column < MAP_SIZE; ++column) {
                drawCell(layer, column, row, BMLayerPainter::cellLeft(column, row),
                         BMLayerPainter::cellTop(row));
            }
        }
        touchImage(image, 0, 0, LAYER_WIDTH, LAYER_HEIGHT);
    } else if (x < MAP_SIZE && y < MAP_SIZE) {
        int px = BMLayerPainter::cellLeft(x, y);
        int py = BMLayerPainter::cellTop(y);
        HImageLoader::fillRect(layer, px, py, CELL_PIXELS, CELL_PIXELS, BMColors::CLEAR);
        drawCell(layer, x, y, px, py);
        touchImage(image, px, py, CELL_PIXELS, CELL_PIXELS);
    }
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
        BMLayerPainter::chip(chips, layer, data->getByte(BMData::TYPE_CHARACTER, 0, cx, cy), px, py);
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
            BMLayerPainter::chip(chips, layer, object, px, py);
        }
    });
    drawMiniMap(x, y);
}

void BMRenderer::drawMiniMap(int x, int y)
{
    if (!m_display.getEditor().hasMap()) {
        return;
    }
    BMMiniMap& miniMap = m_display.getMiniMap();
    const BMPoint view = m_display.getLayout().getViewSize();
    const BMPoint at = miniMap.place(view.x, view.y);
    if (x < 0 || y < 0 || miniMap.getPixels() == nullptr) {
        miniMap.paint(m_display.getData(), &m_panelFont);
        m_stale.add(at.x, at.y, BMMiniMap::WIDTH, BMMiniMap::HEIGHT);
        return;
    }
    BMRect cell = miniMap.paintCell(m_display.getData(), x, y);
    m_stale.add(at.x + cell.left, at.y + cell.top, cell.width(), cell.height());
}

void BMRenderer::drawNumberLayer(int x, int y)
{
    redrawLayer(IMAGE_NUMBER, x, y, [this](HMemoryImage* layer, int cx, int cy, int px, int py) {
        BMLayerPainter::numbers(*this, *m_display.getData(), m_display.getLayout().getViewFlags(), layer, cx,
                                cy, px, py);
    });
}

void BMRenderer::drawPlacementLayer(int x, int y)
{
    redrawLayer(IMAGE_PLACEMENT, x, y, [this](HMemoryImage* layer, int cx, int cy, int px, int py) {
        BMLayerPainter::placement(*this, *m_display.getData(), layer, cx, cy, px, py);
    });
}

void BMRenderer::drawGridLayer()
{
    HColor color = BMColors::modeColor(m_display.getEditor().getEditMode());
    redrawLayer(IMAGE_GRID, -1, -1, [&color](HMemoryImage* layer, int, int, int px, int py) {
        HImageLoader::drawFrame(layer, px, py, CELL_PIXELS, CELL_PIXELS, color);
    });
}

// Only the cells whose look changed since the last redraw are drawn again: a drag step
// touches a few cells, not the whole overlay.
void BMRenderer::drawMarkOverlay()
{
    HMemoryImage* layer = makeImage(IMAGE_OVERLAY);
    if (layer == nullptr || !m_display.getEditor().hasMap()) {
        return;
    }
    bool select = m_display.getEditor().getMouseMode() != MOUSE_DIRECT;
    for (int index = 0; index < MAP_CELLS; ++index) {
        uint8_t look = BMLayerPainter::overlayLook(
            m_display.getEditor().getCellMark(index), index == m_display.getEditor().getCursorIndex(), select);
        if (m_overlayDrawn && look == m_overlayLooks[index]) {
            continue;
        }
        m_overlayLooks[index] = look;
        int px = BMLayerPainter::cellLeft(index % MAP_SIZE, index / MAP_SIZE);
        int py = BMLayerPainter::cellTop(index / MAP_SIZE);
        BMLayerPainter::overlayCell(layer, px, py, look);
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
    if (panel != nullptr && m_display.getEditor().hasMap()) {
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
    if (panel != nullptr && m_display.getEditor().hasMap()) {
        BMPanelPainter(*this, m_display).paintPalette(panel);
        touchImage(IMAGE_PALETTE, 0, 0, PALETTE_WIDTH, PALETTE_HEIGHT);
    }
}

void BMRenderer::drawChooser()
{
    HMemoryImage* panel = makeImage(IMAGE_CHOOSER);
    if (panel != nullptr && m_display.getEditor().hasMap()) {
        BMPanelPainter(*this, m_display).paintChooser(panel);
        touchImage(IMAGE_CHOOSER, 0, 0, CHOOSER_WIDTH, CHOOSER_HEIGHT);
    }
}

void BMRenderer::drawGlyphSheet()
{
    HMemoryImage* sheet = makeImage(IMAGE_GLYPHS);
    if (sheet == nullptr) {
        return;
    }
    BMGlyphSheet::paint(sheet, &m_smallDigitFont, &m_largeDigitFont, &m_panelFont);
    touchImage(IMAGE_GLYPHS, 0, 0, BMGlyphSheet::SIZE, BMGlyphSheet::SIZE);
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
    BMGlyphSheet::Glyph glyphs[16];
    int count = BMGlyphSheet::layoutNumber(x, value, digits, style, glyphs);
    for (int i = 0; i < count; ++i) {
        const BMGlyphSheet::Glyph& glyph = glyphs[i];
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
    BMGlyphSheet::Glyph glyphs[16];
    int count = BMGlyphSheet::layoutNumber(x, value, digits, style, glyphs);
    for (int i = 0; i < count; ++i) {
        const BMGlyphSheet::Glyph& glyph = glyphs[i];
        target->drawImage(picture, glyph.x, y, glyph.width, glyph.height, glyph.sx, glyph.sy);
    }
}

BMRenderer::FrameState BMRenderer::frameState() const
{
    FrameState state;
    state.map = m_display.getEditor().hasMap();
    state.scroll = m_display.getLayout().getScroll();
    state.zoomStep = m_display.getLayout().getZoom().getStep();
    state.miniMapCorner = m_display.getMiniMap().getCorner();
    const uint32_t flags = m_display.getLayout().getViewFlags();
    state.layers = BMFrameComposer::mapLayersShown(flags, m_display.getLayout().getZoom())
                   | BMFrameComposer::panelsShown(flags);
    if (m_display.getLayout().isViewFlag(VIEW_MINIMAP)) {
        state.layers |= MINI_MAP_SHOWN;
    }
    return state;
}

// The frame of the display: the composer's map layers, panels and mini-map, and the frame
// rate at the top right.
void BMRenderer::compose(const BMRect& area)
{
    HMemoryImage* frame = m_frame->getPixels();
    const BMPoint view = m_display.getLayout().getViewSize();
    HMemoryImage* images[IMAGE_COUNT];
    for (int image = 0; image < IMAGE_COUNT; ++image) {
        images[image] = getImage(static_cast<Image>(image));
    }
    const BMZoom& zoom = m_display.getLayout().getZoom();
    BMFrameComposer::composeMap(images, m_shown.map ? m_shown.layers : 0, frame, area,
                                m_shown.scroll, zoom);
    if (m_shown.map) {
        BMFrameComposer::composePanels(images, m_display.getLayout().getViewFlags(), view, frame, area);
        if ((m_shown.layers & MINI_MAP_SHOWN) != 0) {
            BMFrameComposer::composeMiniMap(m_display.getMiniMap(), m_shown.scroll, view, zoom,
                                            frame, area);
        }
    }
    BMGlyphSheet::Glyph glyphs[16];
    const uint32_t rate = static_cast<uint32_t>(m_shownRate);
    int count = BMGlyphSheet::layoutNumber(view.x - 18, rate, 3, 0, glyphs);
    for (int i = 0; i < count; ++i) {
        const BMGlyphSheet::Glyph& glyph = glyphs[i];
        BMFrameComposer::blendInside(getImage(IMAGE_GLYPHS), frame, area, glyph.x, 0,
                                     glyph.width, glyph.height, glyph.sx, glyph.sy);
    }
}

BMRegion BMRenderer::pendingArea() const
{
    BMPoint view = m_display.getLayout().getViewSize();
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
    BMPoint view = m_display.getLayout().getViewSize();
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
        m_stale.add(view.x - 18, 0, 16, BMGlyphSheet::SMALL_DIGIT_HEIGHT);
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
        BMGdiPresenter::present(graphics, picture, m_composed);
    } else {
        graphics->drawImage(picture, 0, 0, picture->getWidth(), picture->getHeight(), 0, 0);
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
