#pragma once

#include <cstdint>

#include "editor/model/BMConstants.h"
#include "editor/view/BMRegion.h"
#include "editor/view/BMRenderer.h"
#include "editor/view/BMViewFlags.h"

class BMMiniMap;
class BMZoom;
class HMemoryImage;

// The blend order of a frame, in one place for the editor's display and for pictures made
// without one: black, then the map layers as the zoom and the scroll position show them, then
// the panels at their places and the mini-map over them. Images are indexed by
// BMRenderer::Image; a missing one (nullptr) is left out.
class BMFrameComposer {
public:
    // One bit per BMRenderer::Image: the map layers that the view flags show at the zoom (the
    // digits only from 100 %), and the mark overlay, which always shows.
    static uint32_t mapLayersShown(uint32_t viewFlags, const BMZoom& zoom);
    // One bit per panel image that the view flags show.
    static uint32_t panelsShown(uint32_t viewFlags);
    // Fills the area of the frame black and blends the map layers of the shown bits over it.
    static void composeMap(HMemoryImage* const* images, uint32_t shown, HMemoryImage* frame,
                           const BMRect& area, BMPoint scroll, const BMZoom& zoom);
    // Blends the panels the view flags show at their places in a view of the given size.
    static void composePanels(HMemoryImage* const* images, uint32_t viewFlags, BMPoint view,
                              HMemoryImage* frame, const BMRect& area);
    // The mini-map at its corner, and the outline of what the view shows of the map.
    static void composeMiniMap(const BMMiniMap& miniMap, BMPoint scroll, BMPoint view,
                               const BMZoom& zoom, HMemoryImage* frame, const BMRect& area);
    // Where a panel image shows in the view; false when the view flags hide it (or it is no
    // panel).
    static bool panelPlace(int image, uint32_t viewFlags, BMPoint view, BMRect* place);
    // Blends w x h pixels of the source from (sx, sy) at (x, y) of the frame, as far as they
    // lie inside the area.
    static void blendInside(HMemoryImage* source, HMemoryImage* frame, const BMRect& area, int x,
                            int y, int w, int h, int sx, int sy);
};
