#include "editor/view/BMViewLayout.h"

#include <cstring>
#include <vector>

#include "editor/model/BMGeometry.h"
#include "editor/view/BMRedraw.h"
#include "editor/view/BMRegion.h"

namespace {

// Panel visibility: a change leaves the hover marks of the hidden spots behind.
const uint32_t kPanelFlags = VIEW_AREA_INFO | VIEW_PALETTE | VIEW_PAGES;
const uint32_t kChipPages = VIEW_PAGE_CHAR | VIEW_PAGE_OBJ | VIEW_PAGE_HEIGHT;
const uint32_t kListPages = VIEW_PAGE_AREA | VIEW_PAGE_CONNECTION;

}  // namespace

void BMViewLayout::setViewSize(int width, int height)
{
    m_viewWidth = width;
    m_viewHeight = height;
}

void BMViewLayout::setScroll(int x, int y)
{
    m_scrollX = x;
    m_scrollY = y;
}

void BMViewLayout::setViewFlag(uint32_t mask, bool on)
{
    const uint32_t flags = on ? (m_viewFlags | mask) : (m_viewFlags & ~mask);
    if (((flags ^ m_viewFlags) & kPanelFlags) != 0) {
        setHoverMark(0, 0);
    }
    m_viewFlags = flags;
}

void BMViewLayout::setHoverMark(int spot, uint8_t value)
{
    if (spot == 0) {
        std::memset(m_hoverMarks, 0, sizeof m_hoverMarks);
    } else if (spot > 0 && spot < static_cast<int>(sizeof m_hoverMarks)) {
        m_hoverMarks[spot] = value;
    }
}

uint8_t BMViewLayout::getHoverMark(int spot) const
{
    return spot >= 0 && spot < static_cast<int>(sizeof m_hoverMarks) ? m_hoverMarks[spot] : 0;
}

bool BMViewLayout::anyHoverMark() const
{
    for (uint8_t mark : m_hoverMarks) {
        if (mark != 0) {
            return true;
        }
    }
    return false;
}

bool BMViewLayout::hoverSpots(int first, int last, int px, int py)
{
    bool changed = false;
    for (int number = first; number <= last; ++number) {
        const BMHotSpot* spot = BMHotSpots::get(number);
        const BMPoint origin = panelOrigin(spot->panel, m_viewWidth, m_viewHeight);
        const uint8_t mark = spot->contains(px - origin.x, py - origin.y) ? 1 : 0;
        changed = changed || m_hoverMarks[number] != mark;
        m_hoverMarks[number] = mark;
    }
    return changed;
}

uint32_t BMViewLayout::hover(int px, int py)
{
    uint32_t redraw = 0;
    if (isViewFlag(VIEW_AREA_INFO) && hoverSpots(1, 5, px, py)) {
        redraw |= REDRAW_AREA_INFO;
    }
    if (isViewFlag(VIEW_PALETTE)) {
        bool changed = hoverSpots(6, 32, px, py);
        changed = hoverSpots(BMHotSpots::FILL_BUTTON, BMHotSpots::BRUSH_LARGER, px, py) || changed;
        if (changed) {
            redraw |= REDRAW_PALETTE;
        }
    }
    if (isViewFlag(VIEW_PAGES)) {
        bool changed = hoverSpots(33, 35, px, py);
        changed = hoverSpots(92, 92, px, py) || changed;
        if (isViewFlag(kListPages)) {
            changed = hoverSpots(36, 51, px, py) || changed;
        }
        if (isViewFlag(kChipPages)) {
            changed = hoverSpots(52, 91, px, py) || changed;
        }
        if (changed) {
            redraw |= REDRAW_CHOOSER;
        }
    }
    return redraw;
}

BMPoint BMViewLayout::cellAt(int px, int py, CellPick pick) const
{
    const int mx = m_scrollX + px;
    const int my = m_scrollY + py;
    return pick == PICK_PRESS ? BMGeometry::pressCell(mx, my, m_zoom.getCellPixels())
                              : BMGeometry::dragCell(mx, my, m_zoom.getCellPixels());
}

bool BMViewLayout::inDeadBand(int px, int py) const
{
    return BMGeometry::inDeadBand(m_scrollX + px, m_scrollY + py, m_zoom.getCellPixels(),
                                  m_zoom.getDeadBand());
}

BMPoint BMViewLayout::scrollShowing(int x, int y) const
{
    const int cell = m_zoom.getCellPixels();
    const int left = x * cell + (y % 2 != 0 ? cell / 2 : 0);
    const int top = y * cell;
    BMPoint scroll = {m_scrollX, m_scrollY};
    auto show = [cell](int* position, int start, int view) {
        if (start < *position) {
            *position = start;
        } else if (start + cell > *position + view) {
            *position = start + cell - view;
        }
    };
    show(&scroll.x, left, m_viewWidth);
    show(&scroll.y, top, m_viewHeight);
    return scroll;
}

int BMViewLayout::hotSpotAt(int px, int py, int* chooserIndex) const
{
    struct Group {
        int first;
        int last;
        int indexBase;  // chooser index = spot - base; 0: the spot picks no entry
    };
    std::vector<Group> groups;
    const BMPoint chooser = panelOrigin(PANEL_CHOOSER, m_viewWidth, m_viewHeight);
    if (isViewFlag(VIEW_PAGES) && px - chooser.x > 0 && py - chooser.y > 0) {
        groups.push_back({33, 35, 0});
        groups.push_back({92, 92, 0});
        if (isViewFlag(kChipPages)) {
            groups.push_back({52, 91, 51});
        }
        if (isViewFlag(kListPages)) {
            groups.push_back({36, 51, 35});
        }
    }
    if (isViewFlag(VIEW_AREA_INFO)) {
        groups.push_back({1, 5, 0});
    }
    if (isViewFlag(VIEW_PALETTE)) {
        groups.push_back({6, 32, 0});
        groups.push_back({BMHotSpots::FILL_BUTTON, BMHotSpots::BRUSH_LARGER, 0});
    }
    for (const Group& group : groups) {
        for (int number = group.first; number <= group.last; ++number) {
            const BMHotSpot* spot = BMHotSpots::get(number);
            const BMPoint origin = panelOrigin(spot->panel, m_viewWidth, m_viewHeight);
            if (spot->contains(px - origin.x, py - origin.y)) {
                if (group.indexBase != 0) {
                    *chooserIndex = number - group.indexBase;
                }
                return number;
            }
        }
    }
    return 0;
}

bool BMViewLayout::coversView(const BMRegion& area) const
{
    return area.size() == 1 && area[0].left <= 0 && area[0].top <= 0
           && area[0].right >= m_viewWidth && area[0].bottom >= m_viewHeight;
}
