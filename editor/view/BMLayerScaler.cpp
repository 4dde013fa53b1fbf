#include "editor/view/BMLayerScaler.h"

#include <algorithm>
#include <cstdint>

#include "editor/view/BMCanvas.h"
#include "editor/view/BMZoom.h"
#include "framework/graphics/HMemoryImage.h"

namespace {

uint32_t averageOf(const uint32_t* pixels, int stride, int block)
{
    uint32_t alpha = 0, red = 0, green = 0, blue = 0;
    for (int row = 0; row < block; ++row) {
        const uint32_t* line = pixels + static_cast<size_t>(row) * stride;
        for (int column = 0; column < block; ++column) {
            uint32_t pixel = line[column];
            uint32_t a = pixel >> 24;
            alpha += a;
            red += (pixel >> 16 & 0xFF) * a;
            green += (pixel >> 8 & 0xFF) * a;
            blue += (pixel & 0xFF) * a;
        }
    }
    if (alpha == 0) {
        return 0;
    }
    uint32_t count = static_cast<uint32_t>(block * block);
    auto channel = [alpha](uint32_t sum) { return (sum + alpha / 2) / alpha; };
    return ((alpha + count / 2) / count) << 24 | channel(red) << 16 | channel(green) << 8
           | channel(blue);
}

uint32_t strongestOf(const uint32_t* pixels, int stride, int block)
{
    uint32_t strongest = pixels[0];
    for (int row = 0; row < block; ++row) {
        const uint32_t* line = pixels + static_cast<size_t>(row) * stride;
        for (int column = 0; column < block; ++column) {
            if ((line[column] >> 24) > (strongest >> 24)) {
                strongest = line[column];
            }
        }
    }
    return strongest;
}

// The layer's pixel at the top left of the cell that map pixel (mx, my) lies in.
uint32_t cellFillAt(const uint32_t* pixels, int stride, int mx, int my)
{
    const int row = my / CELL_PIXELS;
    const int shift = row % 2 != 0 ? ROW_SHIFT : 0;
    const int t = mx - shift;
    if (t < 0 || t / CELL_PIXELS >= MAP_SIZE) {
        return 0;  // the half cell at an end of a row
    }
    return pixels[static_cast<size_t>(row) * CELL_PIXELS * stride + t / CELL_PIXELS * CELL_PIXELS + shift];
}

}  // namespace

uint32_t BMLayerScaler::zoomedPixel(HMemoryImage* layer, int zx, int zy, int step, Filter filter)
{
    const uint32_t* pixels = layer->getPixels();
    const int stride = layer->getWidth();
    if (step >= BMZoom::START_STEP) {
        int shift = step - BMZoom::START_STEP;
        return pixels[static_cast<size_t>(zy >> shift) * stride + (zx >> shift)];
    }
    int block = 1 << (BMZoom::START_STEP - step);
    const uint32_t* corner = pixels + static_cast<size_t>(zy) * block * stride + zx * block;
    switch (filter) {
    case FILTER_AVERAGE: return averageOf(corner, stride, block);
    case FILTER_STRONGEST: return strongestOf(corner, stride, block);
    default: return cellFillAt(pixels, stride, zx * block, zy * block);
    }
}

void BMLayerScaler::blend(HMemoryImage* layer, HMemoryImage* frame, const BMRect& area,
                          BMPoint scroll, const BMZoom& zoom, Filter filter)
{
    if (layer == nullptr || layer->getPixels() == nullptr || frame == nullptr) {
        return;
    }
    // The view pixels that show the zoomed picture, within the area (64-bit: any scroll).
    int64_t left = std::max<int64_t>(area.left, -int64_t{scroll.x});
    int64_t top = std::max<int64_t>(area.top, -int64_t{scroll.y});
    int64_t right = std::min<int64_t>(area.right, int64_t{zoom.getPictureWidth()} - scroll.x);
    int64_t bottom = std::min<int64_t>(area.bottom, int64_t{zoom.getPictureHeight()} - scroll.y);
    if (left >= right || top >= bottom) {
        return;
    }
    const int x = static_cast<int>(left);
    const int width = static_cast<int>(right - left);
    const int zx = static_cast<int>(left + scroll.x);
    if (zoom.getStep() == BMZoom::START_STEP) {
        layer->blend(frame, x, static_cast<int>(top), width, static_cast<int>(bottom - top), zx,
                     static_cast<int>(top + scroll.y));
        return;
    }
    // One zoomed row at a time, blended like any picture.
    HMemoryImage row(width, 1);
    uint32_t* pixels = row.getPixels();
    if (pixels == nullptr) {
        return;
    }
    int filledFor = -1;
    for (int64_t y = top; y < bottom; ++y) {
        const int zy = static_cast<int>(y + scroll.y);
        // At 200 % two view rows show the same layer row.
        const int source = zoom.getStep() > BMZoom::START_STEP ? zy >> 1 : zy;
        if (source != filledFor) {
            for (int column = 0; column < width; ++column) {
                pixels[column] = zoomedPixel(layer, zx + column, zy, zoom.getStep(), filter);
            }
            filledFor = source;
        }
        row.blend(frame, x, static_cast<int>(y), width, 1, 0, 0);
    }
}
