#pragma once

#include <cstdint>

#include "editor/model/BMConstants.h"
#include "editor/view/BMHotSpots.h"
#include "editor/view/BMViewFlags.h"
#include "editor/view/BMZoom.h"

class BMRegion;

// Where things are in the view, without drawing anything: the zoom, the scroll position, the
// view's size, which layers and panels show, the hover marks of the panels' hot spots, and
// what a view pixel points at. The display keeps one; it builds and is tested on any platform.
class BMViewLayout {
public:
    // How a pointer position picks a cell (cellAt).
    enum CellPick {
        PICK_PRESS,  // column -1 in the strip before an odd row's first cell
        PICK_DRAG,   // columns and rows truncate toward zero: the strip is column 0
    };

    void setViewSize(int width, int height);
    BMPoint getViewSize() const { return {m_viewWidth, m_viewHeight}; }
    // In zoomed view pixels.
    void setScroll(int x, int y);
    BMPoint getScroll() const { return {m_scrollX, m_scrollY}; }
    const BMZoom& getZoom() const { return m_zoom; }
    // False when the step stays as it was (already there, or beyond the last step).
    bool setZoomStep(int step) { return m_zoom.setStep(step); }

    bool isViewFlag(uint32_t mask) const { return (m_viewFlags & mask) != 0; }  // any bit
    uint32_t getViewFlags() const { return m_viewFlags; }
    // Showing or hiding a panel leaves no hover mark behind.
    void setViewFlag(uint32_t mask, bool on);

    // 0 zeroes every mark; 1..95 sets that spot's mark; anything larger is ignored.
    void setHoverMark(int spot, uint8_t value);
    uint8_t getHoverMark(int spot) const;
    bool anyHoverMark() const;
    // Marks the hot spots of the shown panels under view pixel (px, py) and clears the others;
    // the REDRAW_ bits of the panels whose marks changed.
    uint32_t hover(int px, int py);

    // The cell under view pixel (px, py); not clamped to the map.
    BMPoint cellAt(int px, int py, CellPick pick) const;
    // True where a drag ignores the pointer: along the edges of the cell under view pixel
    // (px, py), as wide as the zoom's dead band in view pixels.
    bool inDeadBand(int px, int py) const;
    // The scroll position closest to the current one that shows the whole of cell (x, y).
    BMPoint scrollShowing(int x, int y) const;
    // The hot spot under view pixel (px, py) among the shown panels, 0 for none. A spot of the
    // chooser's lists or grids also gives the entry it picks in chooserIndex (else untouched).
    int hotSpotAt(int px, int py, int* chooserIndex) const;
    // True when the area covers the whole view: the frame is painted in full.
    bool coversView(const BMRegion& area) const;

private:
    // Sets each given spot's mark from whether (px, py) lies in it; true if one changed.
    bool hoverSpots(int first, int last, int px, int py);

    BMZoom m_zoom;
    int m_scrollX = 0;
    int m_scrollY = 0;
    int m_viewWidth = 0;
    int m_viewHeight = 0;
    uint32_t m_viewFlags = VIEW_INITIAL;
    uint8_t m_hoverMarks[BMHotSpots::COUNT] = {};
};
