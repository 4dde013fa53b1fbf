#include "editor/view/BMFrameComposer.h"

#include <algorithm>

#include "editor/view/BMColors.h"
#include "editor/view/BMLayerScaler.h"
#include "editor/view/BMMiniMap.h"
#include "editor/view/BMZoom.h"
#include "framework/graphics/HImageLoader.h"
#include "framework/graphics/HMemoryImage.h"

namespace {

// The map layers from the bottom up, with the view flags that show each (0: always) and how
// each is scaled below 100 %.
const struct {
    BMRenderer::Image image;
    uint32_t flags;
    BMLayerScaler::Filter filter;
} kMapLayers[] = {
    {BMRenderer::IMAGE_CHAR, VIEW_CHAR, BMLayerScaler::FILTER_AVERAGE},
    {BMRenderer::IMAGE_OBJ, VIEW_OBJ, BMLayerScaler::FILTER_AVERAGE},
    // Below 100 % placement cells show their fill without the digits.
    {BMRenderer::IMAGE_PLACEMENT, VIEW_PLACEMENT, BMLayerScaler::FILTER_CELL_FILL},
    {BMRenderer::IMAGE_NUMBER, VIEW_CHAR_NUMBER | VIEW_OBJ_NUMBER | VIEW_HEIGHT | VIEW_OBJ_ORDER,
     BMLayerScaler::FILTER_AVERAGE},
    {BMRenderer::IMAGE_GRID, VIEW_GRID, BMLayerScaler::FILTER_STRONGEST},
    {BMRenderer::IMAGE_OVERLAY, 0, BMLayerScaler::FILTER_STRONGEST},
};

const struct {
    BMRenderer::Image image;
    BMPanel panel;
    uint32_t flags;
    int width;
    int height;
} kPanels[] = {
    {BMRenderer::IMAGE_AREA_INFO, PANEL_AREA_INFO, VIEW_AREA_INFO, AREA_INFO_WIDTH, AREA_INFO_HEIGHT},
    {BMRenderer::IMAGE_PALETTE, PANEL_PALETTE, VIEW_PALETTE, PALETTE_WIDTH, PALETTE_HEIGHT},
    {BMRenderer::IMAGE_CHOOSER, PANEL_CHOOSER, VIEW_PAGES, CHOOSER_WIDTH, CHOOSER_HEIGHT},
};

}  // namespace

uint32_t BMFrameComposer::mapLayersShown(uint32_t viewFlags, const BMZoom& zoom)
{
    uint32_t shown = 0;
    for (const auto& layer : kMapLayers) {
        if (layer.flags == 0 || (viewFlags & layer.flags) != 0) {
            shown |= 1u << layer.image;
        }
    }
    if (!zoom.showsNumbers()) {
        shown &= ~(1u << BMRenderer::IMAGE_NUMBER);
    }
    return shown;
}

uint32_t BMFrameComposer::panelsShown(uint32_t viewFlags)
{
    uint32_t shown = 0;
    for (const auto& panel : kPanels) {
        if ((viewFlags & panel.flags) != 0) {
            shown |= 1u << panel.image;
        }
    }
    return shown;
}

void BMFrameComposer::composeMap(HMemoryImage* const* images, uint32_t shown, HMemoryImage* frame,
                                 const BMRect& area, BMPoint scroll, const BMZoom& zoom)
{
    HImageLoader::fillRect(frame, area.left, area.top, area.width(), area.height(), HColor::BLACK);
    BMRect mapArea;
    // The zoomed picture from the top left, within the area (which lies inside the frame).
    mapArea.add(0, 0, std::min(area.right, zoom.getPictureWidth()),
                std::min(area.bottom, zoom.getPictureHeight()));
    mapArea.left = std::max(mapArea.left, area.left);
    mapArea.top = std::max(mapArea.top, area.top);
    if (mapArea.isEmpty()) {
        return;
    }
    for (const auto& layer : kMapLayers) {
        if ((shown & 1u << layer.image) != 0) {
            const BMLayerScaler::Filter filter =
                layer.filter == BMLayerScaler::FILTER_CELL_FILL && zoom.showsNumbers()
                    ? BMLayerScaler::FILTER_AVERAGE
                    : layer.filter;
            BMLayerScaler::blend(images[layer.image], frame, mapArea, scroll, zoom, filter);
        }
    }
}

bool BMFrameComposer::panelPlace(int image, uint32_t viewFlags, BMPoint view, BMRect* place)
{
    for (const auto& panel : kPanels) {
        if (panel.image == image && (viewFlags & panel.flags) != 0) {
            const BMPoint at = panelOrigin(panel.panel, view.x, view.y);
            place->clear();
            place->add(at.x, at.y, panel.width, panel.height);
            return true;
        }
    }
    return false;
}

void BMFrameComposer::composePanels(HMemoryImage* const* images, uint32_t viewFlags, BMPoint view,
                                    HMemoryImage* frame, const BMRect& area)
{
    for (const auto& panel : kPanels) {
        BMRect place;
        if (panelPlace(panel.image, viewFlags, view, &place)) {
            blendInside(images[panel.image], frame, area, place.left, place.top, place.width(),
                        place.height(), 0, 0);
        }
    }
}

void BMFrameComposer::composeMiniMap(const BMMiniMap& miniMap, BMPoint scroll, BMPoint view,
                                     const BMZoom& zoom, HMemoryImage* frame, const BMRect& area)
{
    if (miniMap.getPixels() == nullptr) {
        return;  // released with the other images
    }
    const BMPoint at = miniMap.place(view.x, view.y);
    blendInside(miniMap.getPixels(), frame, area, at.x, at.y, BMMiniMap::WIDTH, BMMiniMap::HEIGHT,
                0, 0);
    BMRect outline = BMMiniMap::outline(scroll, view, zoom);
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

void BMFrameComposer::blendInside(HMemoryImage* source, HMemoryImage* frame, const BMRect& area,
                                  int x, int y, int w, int h, int sx, int sy)
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
