#include "tool/TCPicture.h"

#include "editor/model/BMConstants.h"
#include "editor/model/BMData.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMRenderer.h"
#include "framework/graphics/HImageLoader.h"
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

// The map layers in the order a frame of the display blends them, each with the view flags
// that show it and the renderer's drawing of it.
const struct {
    BMRenderer::Image image;
    uint32_t flags;
    void (*draw)(BMRenderer& renderer);
} kBlendOrder[] = {
    {BMRenderer::IMAGE_CHAR, VIEW_CHAR, [](BMRenderer& r) { r.drawCharLayer(-1, -1); }},
    {BMRenderer::IMAGE_OBJ, VIEW_OBJ, [](BMRenderer& r) { r.drawObjLayer(-1, -1); }},
    {BMRenderer::IMAGE_PLACEMENT, VIEW_PLACEMENT, [](BMRenderer& r) { r.drawPlacementLayer(-1, -1); }},
    {BMRenderer::IMAGE_NUMBER, VIEW_CHAR_NUMBER | VIEW_OBJ_NUMBER | VIEW_HEIGHT | VIEW_OBJ_ORDER,
     [](BMRenderer& r) { r.drawNumberLayer(-1, -1); }},
    {BMRenderer::IMAGE_GRID, VIEW_GRID, [](BMRenderer& r) { r.drawGridLayer(); }},
};

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
    display.setViewFlag(0xFFFF, false);
    display.setViewFlag(layers & kAllLayers, true);
    display.setViewSize(WIDTH, HEIGHT);
    // The layers shown, as the display's full redraw draws them; digits come from the glyph
    // sheet. The panels and the overlay are not part of the picture.
    BMRenderer renderer(display);
    renderer.drawGlyphSheet();
    for (const auto& layer : kBlendOrder) {
        if (display.isViewFlag(layer.flags)) {
            layer.draw(renderer);
        }
    }

    // A frame starts black; the layers shown are blended over it.
    HMemoryImage picture(WIDTH, HEIGHT);
    if (picture.getPixels() == nullptr) {
        return false;
    }
    HImageLoader::fillRect(&picture, 0, 0, WIDTH, HEIGHT, HColor::BLACK);
    for (const auto& layer : kBlendOrder) {
        HMemoryImage* image = renderer.getImage(layer.image);
        if (display.isViewFlag(layer.flags) && image != nullptr) {
            image->blend(&picture, 0, 0, WIDTH, HEIGHT, 0, 0);
        }
    }
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
