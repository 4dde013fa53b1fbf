#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/HObject.h"

class BMDisplay;
class HGraphics;
class HImage;

// The drawing half of the display: the six map layer images, the glyph sheet and the three
// panels, redrawn only when their data changes, and the composition of one frame onto a
// graphics device. Everything it shows is read through the display's getters.
//
// BMDisplay's drawing operations of the same names call these.
class BMRenderer : public HObject {
public:
    explicit BMRenderer(BMDisplay& display);  // not owned; outlives the renderer
    ~BMRenderer() override;

    void resetImageBuffer();
    void releaseImageBuffer();
    void drawCharLayer(int x, int y);
    void drawObjLayer(int x, int y);
    void drawNumberLayer(int x, int y);
    void drawPlacementLayer(int x, int y);
    void drawGridLayer();
    void drawMarkOverlay();
    void drawAreaInfo();
    void drawPalette();
    void drawChooser();
    void drawGlyphSheet();
    void drawNumber(HImage* target, int x, int y, uint32_t value, int digits, uint32_t style);
    void drawNumber(HGraphics* target, int x, int y, uint32_t value, int digits, uint32_t style);
    void drawDisplay(HGraphics* graphics);
    bool updateTitle();
    void redrawLayers(uint32_t redraw, const std::vector<uint16_t>* cells);

private:
    BMDisplay& m_display;
};
