#include "tool/TCPicture.h"

#include "editor/model/BMConstants.h"
#include "editor/model/BMData.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMFrameComposer.h"
#include "editor/view/BMRenderer.h"
#include "editor/view/BMZoom.h"
#include "framework/graphics/HMemoryImage.h"

namespace {

struct Layer {
    const char* name;
    uint32_t flag;
};

const Layer kLayers[] = {
    {"chips", VIEW_CHAR},          {"objects", VIEW_OBJ},
    {"placement", VIEW_PLACEMENT}, {"grid", VIEW_GRID},
    {"chip-numbers", VIEW_CHAR_NUMBER}, {"object-numbers", VIEW_OBJ_NUMBER},
    {"orders", VIEW_OBJ_ORDER},    {"heights", VIEW_HEIGHT},
};

const uint32_t kAllLayers = VIEW_CHAR | VIEW_OBJ | VIEW_PLACEMENT | VIEW_GRID | VIEW_CHAR_NUMBER
                            | VIEW_OBJ_NUMBER | VIEW_OBJ_ORDER | VIEW_HEIGHT;

}  // namespace

const int TCPicture::WIDTH = LAYER_WIDTH;
const int TCPicture::HEIGHT = LAYER_HEIGHT;
const uint32_t TCPicture::DEFAULT_LAYERS = VIEW_INITIAL & kAllLayers;

bool TCPicture::parseLayers(const std::string& list, uint32_t* flags, std::string* error)
{
    *flags = 0;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(',', start);
        end = end == std::string::npos ? list.size() : end;
        std::string name = list.substr(start, end - start);
        uint32_t flag = name == "all" ? kAllLayers : 0;
        for (const Layer& layer : kLayers) {
            flag = name == layer.name ? layer.flag : flag;
        }
        if (flag == 0) {
            *error = "unknown layer \"" + name + "\"";
            return false;
        }
        *flags |= flag;
        start = end + 1;
    }
    return true;
}

bool TCPicture::draw(uint32_t map, uint32_t layers, std::vector<uint32_t>* pixels)
{
    BMData* data = BMData::getInstance(false);
    if (data == nullptr || map == 0 || map > data->getAreaCount()) {
        return false;
    }
    data->setCurrent(map);
    BMDisplay display;
    display.setData(false);
    display.resetState();
    display.getLayout().setViewFlag(0xFFFF, false);
    display.getLayout().setViewFlag(layers & kAllLayers, true);
    display.setViewSize(WIDTH, HEIGHT);
    // The layers shown, as the display's full redraw draws them; digits come from the glyph
    // sheet. The panels and the overlay are not part of the picture.
    const uint32_t shown = BMFrameComposer::mapLayersShown(display.getLayout().getViewFlags(), BMZoom())
                           & ~(1u << BMRenderer::IMAGE_OVERLAY);
    auto shows = [shown](BMRenderer::Image image) { return (shown & 1u << image) != 0; };
    BMRenderer renderer(display);
    renderer.drawGlyphSheet();
    if (shows(BMRenderer::IMAGE_CHAR)) {
        renderer.drawCharLayer(-1, -1);
    }
    if (shows(BMRenderer::IMAGE_OBJ)) {
        renderer.drawObjLayer(-1, -1);
    }
    if (shows(BMRenderer::IMAGE_PLACEMENT)) {
        renderer.drawPlacementLayer(-1, -1);
    }
    if (shows(BMRenderer::IMAGE_NUMBER)) {
        renderer.drawNumberLayer(-1, -1);
    }
    if (shows(BMRenderer::IMAGE_GRID)) {
        renderer.drawGridLayer();
    }

    // Composed as a frame of the display composes the map at 100 %.
    HMemoryImage picture(WIDTH, HEIGHT);
    if (picture.getPixels() == nullptr) {
        return false;
    }
    HMemoryImage* images[BMRenderer::IMAGE_COUNT];
    for (int image = 0; image < BMRenderer::IMAGE_COUNT; ++image) {
        images[image] = renderer.getImage(static_cast<BMRenderer::Image>(image));
    }
    BMRect whole;
    whole.add(0, 0, WIDTH, HEIGHT);
    BMFrameComposer::composeMap(images, shown, &picture, whole, {0, 0}, BMZoom());
    const uint32_t* argb = picture.getPixels();
    int stride = picture.getStride() / 4;
    pixels->resize(static_cast<size_t>(WIDTH) * HEIGHT);
    for (int y = 0; y < HEIGHT; ++y) {
        for (int x = 0; x < WIDTH; ++x) {
            (*pixels)[static_cast<size_t>(y) * WIDTH + x] = argb[static_cast<size_t>(y) * stride + x] & 0xFFFFFF;
        }
    }
    return true;
}
