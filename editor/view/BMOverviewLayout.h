#pragma once

#include <cstdint>

#include "editor/model/BMConstants.h"
#include "editor/view/BMRegion.h"

// Where the overview puts every area: a grid of tiles in area order, row by row, each tile a
// label strip (number and name) over the map's thumbnail (the mini-map's picture), with room
// between the tiles for the lines of the group links. Pixels are the overview's content
// pixels (its scroll position added to a window's). No drawing: built and tested on the host.
class BMOverviewLayout {
public:
    static constexpr int THUMB_WIDTH = MAP_SIZE * 4 + 2;  // the mini-map's picture
    static constexpr int THUMB_HEIGHT = MAP_SIZE * 4;
    static constexpr int LABEL_HEIGHT = 16;
    static constexpr int MARGIN = 12;
    static constexpr int GAP_X = 40;
    static constexpr int GAP_Y = 28;
    static constexpr int TILE_WIDTH = THUMB_WIDTH;
    static constexpr int TILE_HEIGHT = LABEL_HEIGHT + THUMB_HEIGHT;

    // count areas in as many columns as a width of pixels holds (at least one), or in
    // exactly columns when width is 0.
    void setup(uint32_t count, int width, int columns = 0);
    uint32_t getCount() const { return m_count; }
    int getColumns() const { return m_columns; }
    int getRows() const;
    // Everything the tiles cover, margins included.
    BMPoint getSize() const;
    // The whole tile of area number (1-based), and its thumbnail; empty for no such area.
    BMRect tileOf(uint32_t number) const;
    BMRect thumbnailOf(uint32_t number) const;
    // The area whose tile holds (x, y); 0 for none.
    uint32_t hit(int x, int y) const;
    // The first and last area whose tile a band of rows from top, height high, touches; first
    // above last when none does.
    void visible(int top, int height, uint32_t* first, uint32_t* last) const;
    // The line of a link from area from to area to: from the edge of from's thumbnail to the
    // edge of to's, each end where the line between their centres leaves the thumbnail.
    // False for an area that is not there or a link to itself.
    bool linkLine(uint32_t from, uint32_t to, BMPoint* start, BMPoint* end) const;

private:
    uint32_t m_count = 0;
    int m_columns = 1;
};
