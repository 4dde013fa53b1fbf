#pragma once

#include "editor/model/BMConstants.h"

class BMZoom;
class HMemoryImage;
struct BMRect;

// Blends a map layer, drawn at 100 %, into a frame at a zoom step: view pixel (X, Y) of the
// area shows pixel (X + scroll.x, Y + scroll.y) of the zoomed picture, where that lies inside
// it. At 200 % every layer pixel covers 2 x 2 view pixels. At 50 % and 25 % a view pixel
// stands for a block of 2 x 2 or 4 x 4 layer pixels and shows, by the filter, either
//   - their average: each colour channel weighted by alpha and rounded, alpha the plain
//     average rounded (pictures: terrain, objects, placement cells, digits), or
//   - their strongest pixel: the first, row by row, of the highest alpha (lines a pixel wide,
//     the grid, cursor and selection frames, stay whole lines instead of fading or gaps), or
//   - the pixel at the top left of the cell the block lies in, a pixel that nothing drawn over
//     a cell's fill reaches (placement cells without their digits), clear outside the cells.
// The result is blended as HMemoryImage::blend blends.
class BMLayerScaler {
public:
    enum Filter { FILTER_AVERAGE, FILTER_STRONGEST, FILTER_CELL_FILL };

    // area: view pixels, inside the frame.
    static void blend(HMemoryImage* layer, HMemoryImage* frame, const BMRect& area,
                      BMPoint scroll, const BMZoom& zoom, Filter filter);
    // The pixel of the zoomed layer at (zx, zy), which must lie inside the zoomed picture.
    static uint32_t zoomedPixel(HMemoryImage* layer, int zx, int zy, int step, Filter filter);
};
