#include "editor/BMRenderer.h"

#include "editor/BMDisplay.h"

BMRenderer::BMRenderer(BMDisplay& display) : m_display(display)
{
    setClassName("BMRenderer");
}

BMRenderer::~BMRenderer() = default;

// FIXME: the layers, panels, glyph sheet and frame.
void BMRenderer::resetImageBuffer() {}
void BMRenderer::releaseImageBuffer() {}
void BMRenderer::drawCharLayer(int, int) {}
void BMRenderer::drawObjLayer(int, int) {}
void BMRenderer::drawNumberLayer(int, int) {}
void BMRenderer::drawPlacementLayer(int, int) {}
void BMRenderer::drawGridLayer() {}
void BMRenderer::drawMarkOverlay() {}
void BMRenderer::drawAreaInfo() {}
void BMRenderer::drawPalette() {}
void BMRenderer::drawChooser() {}
void BMRenderer::drawGlyphSheet() {}
void BMRenderer::drawNumber(HImage*, int, int, uint32_t, int, uint32_t) {}
void BMRenderer::drawNumber(HGraphics*, int, int, uint32_t, int, uint32_t) {}
void BMRenderer::drawDisplay(HGraphics*) {}
bool BMRenderer::updateTitle() { return true; }
void BMRenderer::redrawLayers(uint32_t, const std::vector<uint16_t>*) {}
