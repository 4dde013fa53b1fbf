#pragma once

#include <cstdint>
#include <memory>

#include "editor/model/BMConstants.h"
#include "editor/view/BMCanvas.h"

class BMData;
class BMZoom;
class HFont;
class HImage;
class HMemoryImage;
class ZDBMap;

// The mini-map panel: the whole current map at 4 x 4 pixels a cell (odd rows shifted by 2),
// each cell in the average colour of its terrain chip, a city's cell in that of its city chip,
// a wall or road as a 2 x 2 mark at the centre in that of its chip; above it a title strip
// with two buttons, one that moves the panel to the next corner of the view and one that
// closes it. The renderer draws the panel and outlines on it the part of the map that the
// view shows; the display hands it the pointer.
class BMMiniMap {
public:
    static constexpr int CELL = 4;
    static constexpr int WIDTH = 136;
    static constexpr int HEIGHT = 150;
    static constexpr int PICTURE_X = 3;  // the map picture inside the panel
    static constexpr int PICTURE_Y = 19;
    static constexpr int PICTURE_WIDTH = MAP_SIZE * CELL + CELL / 2;
    static constexpr int PICTURE_HEIGHT = MAP_SIZE * CELL;

    // Where the panel sits, in the order the move button goes round. The right-hand corners
    // stay left of the area information, palette and chooser panels.
    enum Corner { CORNER_BOTTOM_LEFT, CORNER_TOP_LEFT, CORNER_TOP_RIGHT, CORNER_BOTTOM_RIGHT };
    static constexpr int CORNER_COUNT = 4;
    // What a panel pixel belongs to.
    enum Part { PART_NONE, PART_PANEL, PART_PICTURE, PART_MOVE, PART_CLOSE };

    BMMiniMap();
    ~BMMiniMap();
    BMMiniMap(const BMMiniMap&) = delete;
    BMMiniMap& operator=(const BMMiniMap&) = delete;

    Corner getCorner() const { return m_corner; }
    void setCorner(Corner corner) { m_corner = corner; }
    void nextCorner();
    // The panel's top left in a view of the given size.
    BMPoint place(int viewWidth, int viewHeight) const;
    // The part under panel pixel (p, q); PART_NONE outside the panel.
    static Part hit(int p, int q);
    // The map pixel (at 100 %) that panel pixel (p, q) shows, moved into the map when the
    // pixel lies beside the picture.
    static BMPoint mapPoint(int p, int q);
    // The button under the pointer (PART_MOVE or PART_CLOSE) is filled in hover blue; true
    // when that changed.
    bool setHover(Part part);
    Part getHover() const { return m_hover; }

    // The panel's pixels (top-down A8R8G8B8), nullptr before the first paint or without
    // memory.
    HMemoryImage* getPixels() const;
    // Draws the whole panel from the data's current map (the picture stays empty without a
    // map or chip images). font: the panel text's, not owned.
    void paint(const BMData* data, HFont* font);
    // Draws cell (x, y) again; the rectangle it touched in panel pixels (empty outside the
    // map or before the first paint).
    BMRect paintCell(const BMData* data, int x, int y);
    // Draws the picture of map number (1-based) as the panel shows the current map, with its
    // top left at (left, top) of image: the overview's thumbnails.
    void drawMap(const BMData& data, uint32_t number, HMemoryImage* image, int left, int top);
    // Lets the pixels go (they are made again by the next paint).
    void release() { m_canvas.reset(); }
    // Forgets the chip colours, so that the next paint takes them from the chip images anew
    // (after loading, or when another map or scenario comes).
    void forgetColours();
    // The outline, in panel pixels, of the part of the map that a view of the given size and
    // scroll position shows at the zoom; empty when none of the map shows.
    static BMRect outline(BMPoint scroll, BMPoint view, const BMZoom& zoom);

private:
    // The average colour of a chip's opaque pixels, or clear for a chip without any.
    uint32_t chipColour(HImage* chips, int chip, uint32_t* cache, bool* known);
    void paintTitle(HFont* font);
    void drawCell(const BMData& data, const ZDBMap& map, HMemoryImage* image, int pictureX,
                  int pictureY, int x, int y);

    std::unique_ptr<BMCanvas> m_canvas;
    Corner m_corner = CORNER_BOTTOM_LEFT;
    Part m_hover = PART_NONE;
    uint32_t m_terrain[240] = {};
    bool m_terrainKnown[240] = {};
    uint32_t m_objects[40] = {};
    bool m_objectKnown[40] = {};
};
