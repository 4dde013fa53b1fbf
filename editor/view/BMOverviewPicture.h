#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/view/BMMiniMap.h"
#include "editor/view/BMOverviewLayout.h"
#include "framework/graphics/HFont.h"

class BMData;
class HMemoryImage;
class ZDBMap;

// The overview's drawing: every area's tile (its number and name over the mini-map's picture
// of its map), the current map framed, and each placement group's link drawn as a line from
// its area to the linked one, the group number at the start and a square at the end. The
// thumbnails are drawn when first shown and again only when their map's chips or objects
// changed. The editor's window draws a scrolled part of it; the saved picture and the
// companion's overview command draw it whole.
class BMOverviewPicture {
public:
    BMOverviewPicture();
    ~BMOverviewPicture();
    BMOverviewPicture(const BMOverviewPicture&) = delete;
    BMOverviewPicture& operator=(const BMOverviewPicture&) = delete;

    BMOverviewLayout& layout() { return m_layout; }
    const BMOverviewLayout& layout() const { return m_layout; }
    // Forgets the thumbnails and chip colours (another scenario).
    void reset();
    // Draws the part of the overview whose top left is content pixel origin over the whole
    // image, for the data's areas as the layout was set up for.
    void draw(const BMData& data, HMemoryImage* image, BMPoint origin);
    // The whole overview as pixels 0x00RRGGBB, top row first; false without memory.
    bool drawWhole(const BMData& data, std::vector<uint32_t>* pixels, BMPoint* size);
    // A map's chips and objects, what its thumbnail shows, hashed; never 0.
    static uint64_t stampOf(const ZDBMap& map);
    // How many thumbnails have been drawn since the last reset (the lazy drawing's figure).
    uint32_t getThumbnailsDrawn() const { return m_drawn; }

private:
    struct Thumbnail {
        std::unique_ptr<HMemoryImage> image;
        uint64_t stamp = 0;
    };
    // The thumbnail of area number, drawn again when its map changed.
    HMemoryImage* thumbnail(const BMData& data, uint32_t number);
    void drawTile(const BMData& data, uint32_t number, HMemoryImage* image, BMPoint origin);
    void drawLabel(const BMData& data, uint32_t number, HMemoryImage* image, BMPoint origin);
    void drawLinks(const BMData& data, HMemoryImage* image, BMPoint origin);

    BMOverviewLayout m_layout;
    BMMiniMap m_drawer;  // its picture drawing only
    HFont m_font;
    std::vector<Thumbnail> m_thumbnails;  // by area index
    uint32_t m_drawn = 0;
};
