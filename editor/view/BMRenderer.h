#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/model/BMConstants.h"
#include "editor/view/BMCanvas.h"
#include "editor/view/BMViewFlags.h"
#include "framework/base/HObject.h"
#include "framework/graphics/HFPSCounter.h"
#include "framework/graphics/HFont.h"

class BMDisplay;
class HGraphics;
class HImage;
class HMemoryImage;

// The drawing half of the display: the six map layer images, the glyph sheet and the three
// panels, redrawn only when their data changes, and the composition of one frame onto a
// graphics device. Everything it shows is read through the display's getters.
//
// BMDisplay's drawing operations of the same names call these.
//
// The pictures are drawn into memory. A frame is composed from them in memory too, again
// only where something changed, blending the way the Direct3D device blends, and is handed
// to the device as one picture: the Direct3D device draws it as one textured quad (each draw
// costs a software renderer dearly), the GDI device copies it onto the window. Both devices
// show the same pixels.
class BMRenderer : public HObject {
public:
    // The images, in the order the display keeps them.
    enum Image {
        IMAGE_CHAR,
        IMAGE_OBJ,
        IMAGE_NUMBER,
        IMAGE_PLACEMENT,
        IMAGE_GRID,
        IMAGE_AREA_INFO,
        IMAGE_PALETTE,
        IMAGE_CHOOSER,
        IMAGE_OVERLAY,
        IMAGE_GLYPHS,
        IMAGE_COUNT
    };

    explicit BMRenderer(BMDisplay& display);  // not owned; outlives the renderer
    ~BMRenderer() override;

    void resetImageBuffer();
    void releaseImageBuffer();
    // (-1, -1) redraws the whole layer; a cell inside the map redraws only that cell's 32 x 32
    // pixels (nothing drawn for a cell reaches outside them).
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
    // Digits copied from the glyph sheet; the style bits choose the strip and the alignment.
    void drawNumber(HImage* target, int x, int y, uint32_t value, int digits, uint32_t style);
    void drawNumber(HGraphics* target, int x, int y, uint32_t value, int digits, uint32_t style);
    // One frame: composed where something changed since the last one, then handed to the
    // device as one picture.
    void drawDisplay(HGraphics* graphics);
    // Counts a frame and composes the frame picture where something changed, without drawing
    // it; false when there is no picture (an empty view, or no memory for it).
    bool composeFrame();
    // The part of the view that the next frame changes (view pixels), as far as it is known
    // before composing: what changed in the images, or the whole view when the view's size,
    // scroll position, zoom or shown layers and panels changed. The window asks only this
    // part to be painted.
    BMRegion pendingArea() const;
    // The mini-map panel again, wholly (-1, -1) or one cell.
    void drawMiniMap(int x, int y);
    void redrawLayers(uint32_t redraw, const std::vector<uint16_t>* cells);

    // The pixels of an image as last drawn (top-down A8R8G8B8), nullptr while it is missing.
    HMemoryImage* getImage(Image image) const;
    // The font of the panel texts.
    HFont* getPanelFont() { return &m_panelFont; }
    // The chip bitmap of the editor data (objects false: the character chips), or numbered
    // stand-ins for it when it could not be loaded; nullptr without data.
    HImage* chipSheet(bool objects);

private:
    // The image's pixels, made first if missing; nullptr when it cannot be made.
    HMemoryImage* makeImage(Image image);
    BMCanvas* canvas(Image image) const { return m_images[image].get(); }
    // Says that pixels of an image changed (map pixels for a layer): the frame is stale where
    // they show.
    void touchImage(Image image, int x, int y, int width, int height);
    // Clears and redraws a map layer, wholly or one cell, calling drawCell(image, x, y, px,
    // py) for every cell drawn. Nothing while no map is loaded.
    template <class DrawCell>
    void redrawLayer(Image image, int x, int y, DrawCell drawCell);

    // What a frame shows besides the images' pixels; when it changes, the whole frame is
    // composed anew.
    struct FrameState {
        bool map = false;
        BMPoint scroll = {0, 0};
        uint32_t layers = 0;  // one bit per Image shown, and MINI_MAP_SHOWN
        int zoomStep = 0;
        int miniMapCorner = 0;
        bool operator==(const FrameState& other) const
        {
            return map == other.map && scroll.x == other.scroll.x && scroll.y == other.scroll.y
                   && layers == other.layers && zoomStep == other.zoomStep
                   && miniMapCorner == other.miniMapCorner;
        }
    };
    static constexpr uint32_t MINI_MAP_SHOWN = 1u << IMAGE_COUNT;
    FrameState frameState() const;
    // Composes the frame inside the area of the view, from black up: the layers, the panels,
    // the frame rate.
    void compose(const BMRect& area);

    BMDisplay& m_display;
    std::unique_ptr<BMCanvas> m_images[IMAGE_COUNT];
    HFont m_panelFont;
    HFont m_smallDigitFont;
    HFont m_largeDigitFont;
    HFPSCounter m_frameRate;
    // The frame in the size of the view, the part of it that no longer shows the images, and
    // what it was composed with.
    std::unique_ptr<BMCanvas> m_frame;
    BMRegion m_stale;
    BMRegion m_composed;  // what the last frame composed
    FrameState m_shown;
    int m_shownRate = -1;
    // The look each cell of the mark overlay was last drawn with; valid while
    // m_overlayDrawn, so that a redraw touches only the cells whose look changed.
    uint8_t m_overlayLooks[MAP_CELLS] = {};
    std::string m_areaInfoLook;  // what the area information panel was last drawn with
    bool m_overlayDrawn = false;
    // Stand-ins for the character and the object chips, made when first needed.
    std::unique_ptr<HMemoryImage> m_standIns[2];
};
