#include "editor/view/BMDisplay.h"

#include <cstdio>
#include <cstring>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"
#include "editor/view/BMHotSpots.h"
#include "editor/view/BMLimitText.h"
#include "editor/view/BMMiniMap.h"
#include "editor/view/BMRedraw.h"
#include "editor/view/BMRenderer.h"
#include "framework/base/HWin32.h"
#include "framework/gui/HScrollBar.h"
#include "framework/gui/HWindow.h"

namespace {

const uint32_t kVerticalBar = 2002;
const uint32_t kHorizontalBar = 2003;
const uint32_t kMapView = 2001;
const uint32_t kStatusBar = 2004;
const uint32_t kMiniMapItem = 2205;  // the View menu's mini-map item: shows and hides it
const uint32_t kPageUp = 2262;
const uint32_t kPageDown = 2263;
const uint32_t kPageRight = 2264;
const uint32_t kPageLeft = 2265;
// Scroll-bar request codes of the scroll messages.
const int kScrollPageUp = 2;
const int kScrollPageDown = 3;
const int kScrollThumb = 4;
const int kAreaRows = 16;      // maps on a page of the area list
const int kCharacterCells = 40;  // character chips on a page
const int kCharacterPages = 6;
// Panel visibility: a change leaves the hover marks of the hidden spots behind.
const uint32_t kPanelFlags = VIEW_AREA_INFO | VIEW_PALETTE | VIEW_PAGES;

// Shift with the fill shape reaches every cell of the value.
BMFloodFill::Reach reachOf(uint32_t keys)
{
    return (keys & MK_SHIFT) != 0 ? BMFloodFill::MAP_WIDE : BMFloodFill::CONNECTED;
}

}  // namespace

BMDisplay::BMDisplay() : m_editor(new BMEditor()), m_miniMap(new BMMiniMap())
{
    setClassName("BMDisplay");
    m_renderer.reset(new BMRenderer(*this));
}

BMDisplay::~BMDisplay() = default;

void BMDisplay::setWindow(HWindow* window)
{
    m_window = window;
    m_verticalBar = nullptr;
    m_horizontalBar = nullptr;
    if (window != nullptr) {
        m_verticalBar = dynamic_cast<HScrollBar*>(window->findById(kVerticalBar));
        m_horizontalBar = dynamic_cast<HScrollBar*>(window->findById(kHorizontalBar));
    }
}

void BMDisplay::setData(bool create)
{
    m_data = BMData::getInstance(create);
    m_editor->setData(m_data);
}

BMData* BMDisplay::getData() const
{
    return m_data;
}

void BMDisplay::setViewSize(int width, int height)
{
    m_viewWidth = width;
    m_viewHeight = height;
}

BMPoint BMDisplay::getViewSize() const
{
    return {m_viewWidth, m_viewHeight};
}

// The engine keeps the position in map pixels, so that undo brings the same place back
// whatever the zoom is by then.
void BMDisplay::setScroll(int x, int y)
{
    m_scrollX = x;
    m_scrollY = y;
    m_editor->setScroll(static_cast<int>(m_zoom.toMap(x)), static_cast<int>(m_zoom.toMap(y)));
}

bool BMDisplay::setZoomStep(int step)
{
    if (!m_zoom.setStep(step)) {
        return false;
    }
    setScroll(m_scrollX, m_scrollY);
    return true;
}

BMPoint BMDisplay::cellAt(int px, int py, CellPick pick) const
{
    const int mx = m_scrollX + px;
    const int my = m_scrollY + py;
    return pick == PICK_PRESS ? BMGeometry::pressCell(mx, my, m_zoom.getCellPixels())
                              : BMGeometry::dragCell(mx, my, m_zoom.getCellPixels());
}

bool BMDisplay::inDeadBand(int px, int py) const
{
    return BMGeometry::inDeadBand(m_scrollX + px, m_scrollY + py, m_zoom.getCellPixels(),
                                  m_zoom.getDeadBand());
}

BMPoint BMDisplay::scrollShowing(int x, int y) const
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

BMPoint BMDisplay::getScroll() const
{
    return {m_scrollX, m_scrollY};
}

bool BMDisplay::hasMap() const
{
    return m_editor->hasMap();
}

int BMDisplay::getEditMode() const { return m_editor->getEditMode(); }
void BMDisplay::setEditMode(int mode) { m_editor->setEditMode(mode); }
int BMDisplay::getShape() const { return m_editor->getShape(); }
void BMDisplay::setShape(int shape) { m_editor->setShape(shape); }

bool BMDisplay::isViewFlag(uint32_t mask) const
{
    return (m_viewFlags & mask) != 0;
}

void BMDisplay::setViewFlag(uint32_t mask, bool on)
{
    const uint32_t flags = on ? (m_viewFlags | mask) : (m_viewFlags & ~mask);
    if (((flags ^ m_viewFlags) & kPanelFlags) != 0) {
        setHoverMark(0, 0);
    }
    m_viewFlags = flags;
}

uint32_t BMDisplay::getViewFlags() const { return m_viewFlags; }
int BMDisplay::getMouseMode() const { return m_editor->getMouseMode(); }
void BMDisplay::setMouseMode(int mode) { m_editor->setMouseMode(mode); }
int BMDisplay::getCharacter() const { return m_editor->getCharacter(); }
int BMDisplay::getObject() const { return m_editor->getObject(); }
int BMDisplay::getHeight() const { return m_editor->getHeight(); }
int BMDisplay::getGroupIndex() const { return m_editor->getGroupIndex(); }
void BMDisplay::setCharacter(int value) { m_editor->setCharacter(value); }
void BMDisplay::setObject(int value) { m_editor->setObject(value); }
void BMDisplay::setHeight(int value) { m_editor->setHeight(value); }
void BMDisplay::setGroupIndex(int value) { m_editor->setGroupIndex(value); }
int BMDisplay::getChooserPage() const { return m_chooserPage; }
int BMDisplay::getChooserPageCount() const { return m_chooserPageCount; }
int BMDisplay::getChooserIndex() const { return m_chooserIndex; }

void BMDisplay::setChooserPage(int page)
{
    if (m_chooserPageCount < 1) {
        return;
    }
    if (page < 1) {
        page = m_chooserPageCount;
    } else if (page > m_chooserPageCount) {
        page = 1;
    }
    m_chooserPage = page;
    setHoverMark(0, 0);
}

void BMDisplay::setupChooserPage()
{
    m_chooserPage = 1;
    m_chooserPageCount = 1;
    m_chooserIndex = 1;
    setHoverMark(0, 0);
    if (isViewFlag(VIEW_PAGE_AREA)) {
        const int maps = m_data != nullptr ? static_cast<int>(m_data->getAreaCount()) : 0;
        const int current = m_data != nullptr ? static_cast<int>(m_data->getCurrent()) : 0;
        m_chooserPageCount = (maps + kAreaRows - 1) / kAreaRows;
        // Without a current map the list opens on its first page with no row chosen.
        m_chooserIndex = 0;
        if (current > 0) {
            m_chooserPage = (current - 1) / kAreaRows + 1;
            m_chooserIndex = (current - 1) % kAreaRows + 1;
        }
    } else if (isViewFlag(VIEW_PAGE_CHAR)) {
        m_chooserPageCount = kCharacterPages;
        m_chooserPage = getCharacter() / kCharacterCells + 1;
        m_chooserIndex = getCharacter() % kCharacterCells + 1;
    } else if (isViewFlag(VIEW_PAGE_OBJ)) {
        m_chooserIndex = getObject() + 1;
    } else if (isViewFlag(VIEW_PAGE_HEIGHT)) {
        m_chooserIndex = getHeight() + 1;
    } else if (isViewFlag(VIEW_PAGE_CONNECTION)) {
        m_chooserIndex = getGroupIndex() + 1;
    }
}

void BMDisplay::setHoverMark(int spot, uint8_t value)
{
    if (spot == 0) {
        std::memset(m_hoverMarks, 0, sizeof m_hoverMarks);
    } else if (spot > 0 && spot < static_cast<int>(sizeof m_hoverMarks)) {
        m_hoverMarks[spot] = value;
    }
}

uint8_t BMDisplay::getHoverMark(int spot) const
{
    return spot >= 0 && spot < static_cast<int>(sizeof m_hoverMarks) ? m_hoverMarks[spot] : 0;
}

void BMDisplay::setCursor(int x, int y)
{
    m_editor->setCursor(x, y);
    showCursor();
}

void BMDisplay::showCursor()
{
    const BMPoint cursor = getCursor();
    char text[64];
    std::snprintf(text, sizeof text, "カーソル位置：(%2d,%2d)  ブラシ半径：%d", cursor.x, cursor.y,
                  getBrushRadius());
    showStatus(text);
}

void BMDisplay::showStatus(const std::string& text)
{
    HComponent* status = m_window != nullptr ? m_window->findById(kStatusBar) : nullptr;
    if (status != nullptr) {
        status->setWindowText(text);
    }
}

BMPoint BMDisplay::getCursor() const { return m_editor->getCursor(); }
int BMDisplay::getCursorIndex() const { return m_editor->getCursorIndex(); }

void BMDisplay::setCellMark(int x, int y, uint32_t mask, bool on)
{
    m_editor->setCellMark(x, y, mask, on);
}

uint32_t BMDisplay::getCellMark(int index) const { return m_editor->getCellMark(index); }
bool BMDisplay::getBorderToggle() const { return m_editor->getBorderToggle(); }
int BMDisplay::getBrushRadius() const { return m_editor->getBrushRadius(); }

void BMDisplay::setBrushRadius(int radius)
{
    m_editor->setBrushRadius(radius);
    showCursor();
}

void BMDisplay::resetState()
{
    m_editor->resetState();
    setHoverMark(0, 0);
    showCursor();
}

BMUndoList* BMDisplay::getUndoList() const { return &m_editor->getUndoList(); }

// What an edit left out is told at once, in place of the cursor position.
void BMDisplay::apply(const BMChange& change)
{
    m_lastCut = change.cut;
    if (change.cut.any()) {
        showStatus(BMLimitText::status(change.cut));
    } else if (change.cursor) {
        showCursor();
    }
    // The list of areas has its pages from the count and opens on the current map's page.
    if (change.areas && isViewFlag(VIEW_PAGE_AREA)) {
        setupChooserPage();
    }
    const uint32_t redraw = BMRedraw::of(change.data);
    if (redraw != 0) {
        redrawLayers(redraw, change.cells.empty() ? nullptr : &change.cells);
    }
    // Setting the bars costs a great deal under Wine: only when the view really moves.
    const int toX = static_cast<int>(m_zoom.toZoomed(change.scrollTo.x));
    const int toY = static_cast<int>(m_zoom.toZoomed(change.scrollTo.y));
    const bool scroll = change.scroll && (toX != m_scrollX || toY != m_scrollY);
    if (scroll) {
        scrollBy(0, toX, toY);
    }
    if (redraw != 0 || scroll) {
        repaint();
    }
}

int BMDisplay::hitHotSpot(int px, int py)
{
    struct Group {
        int first;
        int last;
        int indexBase;  // chooser index = spot - base; 0: the spot picks no entry
    };
    const uint32_t chipPages = VIEW_PAGE_CHAR | VIEW_PAGE_OBJ | VIEW_PAGE_HEIGHT;
    const uint32_t listPages = VIEW_PAGE_AREA | VIEW_PAGE_CONNECTION;
    std::vector<Group> groups;
    const BMPoint chooser = panelOrigin(PANEL_CHOOSER, m_viewWidth, m_viewHeight);
    if (isViewFlag(VIEW_PAGES) && px - chooser.x > 0 && py - chooser.y > 0) {
        groups.push_back({33, 35, 0});
        groups.push_back({92, 92, 0});
        if (isViewFlag(chipPages)) {
            groups.push_back({52, 91, 51});
        }
        if (isViewFlag(listPages)) {
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
                    m_chooserIndex = number - group.indexBase;
                }
                return number;
            }
        }
    }
    return 0;
}

bool BMDisplay::pressHotSpot(int px, int py)
{
    if (!hasMap()) {
        return false;
    }
    const int number = hitHotSpot(px, py);
    if (number == 0) {
        return false;
    }
    const uint32_t command = BMHotSpots::get(number)->command;
    if (command != 0 && m_window != nullptr && m_window->getHandle() != nullptr) {
        SendMessageA(m_window->getHandle(), WM_COMMAND, command, 0);
    }
    return true;
}

int BMDisplay::miniMapPart(int px, int py, BMPoint* at) const
{
    if (!isViewFlag(VIEW_MINIMAP) || !hasMap()) {
        return BMMiniMap::PART_NONE;
    }
    *at = m_miniMap->place(m_viewWidth, m_viewHeight);
    return BMMiniMap::hit(px - at->x, py - at->y);
}

void BMDisplay::pressMiniMap(int part, int p, int q)
{
    switch (part) {
    case BMMiniMap::PART_MOVE:
        m_miniMap->nextCorner();
        m_miniMap->setHover(BMMiniMap::PART_NONE);
        m_renderer->drawMiniMap(-1, -1);
        repaint();
        break;
    case BMMiniMap::PART_CLOSE:
        m_miniMap->setHover(BMMiniMap::PART_NONE);
        m_renderer->drawMiniMap(-1, -1);
        if (m_window != nullptr && m_window->getHandle() != nullptr) {
            SendMessageA(m_window->getHandle(), WM_COMMAND, kMiniMapItem, 0);
        }
        break;
    case BMMiniMap::PART_PICTURE: scrollToMiniMapPoint(p, q); break;
    default: break;
    }
}

void BMDisplay::scrollToMiniMapPoint(int p, int q)
{
    const BMPoint point = BMMiniMap::mapPoint(p, q);
    scrollBy(0, static_cast<int>(m_zoom.toZoomed(point.x)) - m_viewWidth / 2,
             static_cast<int>(m_zoom.toZoomed(point.y)) - m_viewHeight / 2);
}

bool BMDisplay::pressLeft(int px, int py, uint32_t keys)
{
    if (!hasMap() || pressHotSpot(px, py)) {
        return true;
    }
    BMPoint at;
    const int part = miniMapPart(px, py, &at);
    if (part != BMMiniMap::PART_NONE) {
        pressMiniMap(part, px - at.x, py - at.y);
        return true;
    }
    const BMPoint cell = cellAt(px, py, PICK_PRESS);
    if (!BMGeometry::inside(cell.x, cell.y)) {
        return false;
    }
    apply(m_editor->pressCell(cell.x, cell.y, reachOf(keys)));
    return true;
}

bool BMDisplay::pressRight(int px, int py)
{
    BMPoint at;
    if (!hasMap() || miniMapPart(px, py, &at) != BMMiniMap::PART_NONE) {
        return true;
    }
    const BMPoint cell = cellAt(px, py, PICK_PRESS);
    if (!BMGeometry::inside(cell.x, cell.y)) {
        return false;
    }
    apply(m_editor->pressRightCell(cell.x, cell.y));
    return true;
}

// A press on a panel (a hover mark is set under the pointer) never starts a drag.
// A drag that begins on the mini-map's picture scrolls the view along; on the rest of the
// mini-map it does nothing.
bool BMDisplay::startDrag(int px, int py, uint32_t keys)
{
    m_anchor = {-1, -1};
    m_miniMapDrag = false;
    for (uint8_t mark : m_hoverMarks) {
        if (mark != 0) {
            return true;
        }
    }
    if (!hasMap()) {
        return true;
    }
    BMPoint at;
    const int part = miniMapPart(px, py, &at);
    if (part != BMMiniMap::PART_NONE) {
        m_miniMapDrag = part == BMMiniMap::PART_PICTURE;
        if (m_miniMapDrag) {
            scrollToMiniMapPoint(px - at.x, py - at.y);
        }
        return true;
    }
    m_anchor = BMGeometry::clamp(cellAt(px, py, PICK_DRAG));
    apply(m_editor->startDrag(m_anchor.x, m_anchor.y, reachOf(keys)));
    return true;
}

bool BMDisplay::moveDrag(int px, int py, uint32_t keys)
{
    if (m_miniMapDrag) {
        const BMPoint at = m_miniMap->place(m_viewWidth, m_viewHeight);
        scrollToMiniMapPoint(px - at.x, py - at.y);
        return true;
    }
    if (m_anchor.x < 0 || inDeadBand(px, py)) {
        return true;
    }
    const BMPoint cell = cellAt(px, py, PICK_DRAG);
    apply(m_editor->moveDrag(m_anchor.x, m_anchor.y, cell.x, cell.y, reachOf(keys)));
    return true;
}

bool BMDisplay::endDrag(int px, int py)
{
    m_miniMapDrag = false;
    if (m_anchor.x < 0) {
        return true;
    }
    m_anchor = {-1, -1};
    const BMPoint cell = BMGeometry::clamp(cellAt(px, py, PICK_DRAG));
    apply(m_editor->endDrag(cell.x, cell.y));
    return true;
}

bool BMDisplay::startPan()
{
    m_panOrigin.x = m_horizontalBar != nullptr ? m_horizontalBar->getPosition() : 0;
    m_panOrigin.y = m_verticalBar != nullptr ? m_verticalBar->getPosition() : 0;
    return true;
}

bool BMDisplay::movePan(int dx, int dy)
{
    scrollBarTo(m_horizontalBar, m_panOrigin.x - dx);
    scrollBarTo(m_verticalBar, m_panOrigin.y - dy);
    return true;
}

void BMDisplay::scrollBarTo(HScrollBar* bar, int position)
{
    if (bar == nullptr) {
        return;
    }
    const int highest = bar->getMaximum() - bar->getPage();
    if (position > highest) {
        position = highest;
    }
    if (position < bar->getMinimum()) {
        position = bar->getMinimum();
    }
    sendScroll(bar, kScrollThumb, position);
}

void BMDisplay::sendScroll(HScrollBar* bar, int code, int position)
{
    if (bar == nullptr || !bar->isVisible() || m_window == nullptr
        || m_window->getHandle() == nullptr) {
        return;
    }
    const UINT message = bar == m_horizontalBar ? WM_HSCROLL : WM_VSCROLL;
    SendMessageA(m_window->getHandle(), message,
                 MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position)),
                 reinterpret_cast<LPARAM>(bar->getHandle()));
}

bool BMDisplay::scrollBy(uint32_t command, int x, int y)
{
    switch (command) {
    case 0:
        scrollBarTo(m_horizontalBar, x);
        scrollBarTo(m_verticalBar, y);
        break;
    case kPageUp: sendScroll(m_verticalBar, kScrollPageUp, 0); break;
    case kPageDown: sendScroll(m_verticalBar, kScrollPageDown, 0); break;
    case kPageRight: sendScroll(m_horizontalBar, kScrollPageDown, 0); break;
    case kPageLeft: sendScroll(m_horizontalBar, kScrollPageUp, 0); break;
    default: break;
    }
    return true;
}

bool BMDisplay::hoverSpots(int first, int last, int px, int py)
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

bool BMDisplay::hover(int px, int py)
{
    if (!hasMap()) {
        return true;
    }
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
        if (isViewFlag(VIEW_PAGE_AREA | VIEW_PAGE_CONNECTION)) {
            changed = hoverSpots(36, 51, px, py) || changed;
        }
        if (isViewFlag(VIEW_PAGE_CHAR | VIEW_PAGE_OBJ | VIEW_PAGE_HEIGHT)) {
            changed = hoverSpots(52, 91, px, py) || changed;
        }
        if (changed) {
            redraw |= REDRAW_CHOOSER;
        }
    }
    BMPoint at;
    const bool miniMapChanged = m_miniMap->setHover(
        static_cast<BMMiniMap::Part>(miniMapPart(px, py, &at)));
    if (miniMapChanged) {
        m_renderer->drawMiniMap(-1, -1);
    }
    if (redraw != 0) {
        redrawLayers(redraw);
    }
    if (redraw != 0 || miniMapChanged) {
        repaint();
    }
    return true;
}

bool BMDisplay::execSet(int mode)
{
    apply(m_editor->execSet(mode));
    return true;
}

bool BMDisplay::execReset()
{
    apply(m_editor->execReset());
    return true;
}

void BMDisplay::selectAll() { apply(m_editor->selectAll()); }
void BMDisplay::selectNone() { apply(m_editor->selectNone()); }
void BMDisplay::selectSameValue() { apply(m_editor->selectSameValue()); }

void BMDisplay::markLine(int ax, int ay, int bx, int by, uint32_t bits)
{
    m_editor->markLine(ax, ay, bx, by, bits);
}

void BMDisplay::markRect(int ax, int ay, int bx, int by, uint32_t bits)
{
    m_editor->markRect(ax, ay, bx, by, bits);
}

void BMDisplay::markHexagon(int ax, int ay, int bx, int by, uint32_t bits)
{
    m_editor->markHexagon(ax, ay, bx, by, bits);
}

void BMDisplay::show(const BMChange& change) { apply(change); }
void BMDisplay::undo() { apply(m_editor->undo()); }
void BMDisplay::redo() { apply(m_editor->redo()); }

void BMDisplay::changeAreaSelection(uint32_t from, uint32_t to)
{
    m_editor->changeAreaSelection(from, to);
}

void BMDisplay::editArea(uint32_t number, const ZDArea& record)
{
    apply(m_editor->editArea(number, record));
}

std::string BMDisplay::copySelection() const { return m_editor->copySelection(); }

bool BMDisplay::pasteSelection(const std::string& text)
{
    BMChange change;
    const bool accepted = m_editor->pasteSelection(text, &change);
    apply(change);
    return accepted;
}

std::string BMDisplay::getPasteError() const { return m_editor->getPasteError(); }
uint32_t BMDisplay::nextOrder(int kind) const { return m_editor->nextOrder(kind); }
// Called on a scenario just opened: its history starts empty.
void BMDisplay::loadBorderTable() { m_editor->startScenario(); }
void BMDisplay::reloadBorderFile() { m_editor->reloadBorderFile(); }

int BMDisplay::findBorderChip(uint32_t mask, int group, bool exact) const
{
    return m_editor->findBorderChip(mask, group, exact);
}

bool BMDisplay::execSetBorder()
{
    apply(m_editor->execSetBorder());
    return true;
}

// Drawing belongs to the renderer.
void BMDisplay::resetImageBuffer() { m_renderer->resetImageBuffer(); }
void BMDisplay::releaseImageBuffer() { m_renderer->releaseImageBuffer(); }
void BMDisplay::drawCharLayer(int x, int y) { m_renderer->drawCharLayer(x, y); }
void BMDisplay::drawObjLayer(int x, int y) { m_renderer->drawObjLayer(x, y); }
void BMDisplay::drawNumberLayer(int x, int y) { m_renderer->drawNumberLayer(x, y); }
void BMDisplay::drawPlacementLayer(int x, int y) { m_renderer->drawPlacementLayer(x, y); }
void BMDisplay::drawGridLayer() { m_renderer->drawGridLayer(); }
void BMDisplay::drawMarkOverlay() { m_renderer->drawMarkOverlay(); }
void BMDisplay::drawAreaInfo() { m_renderer->drawAreaInfo(); }
void BMDisplay::drawPalette() { m_renderer->drawPalette(); }
void BMDisplay::drawChooser() { m_renderer->drawChooser(); }
void BMDisplay::drawGlyphSheet() { m_renderer->drawGlyphSheet(); }

void BMDisplay::drawNumber(HImage* target, int x, int y, uint32_t value, int digits,
                           uint32_t style)
{
    m_renderer->drawNumber(target, x, y, value, digits, style);
}

void BMDisplay::drawNumber(HGraphics* target, int x, int y, uint32_t value, int digits,
                           uint32_t style)
{
    m_renderer->drawNumber(target, x, y, value, digits, style);
}

void BMDisplay::drawDisplay(HGraphics* graphics) { m_renderer->drawDisplay(graphics); }
bool BMDisplay::updateTitle() { return m_renderer->updateTitle(); }

void BMDisplay::redrawLayers(uint32_t redraw, const std::vector<uint16_t>* cells)
{
    m_renderer->redrawLayers(redraw, cells);
}

// Only the part of the view that the next frame changes is painted again; a window without
// the map view paints all of itself.
void BMDisplay::repaint()
{
    if (m_window == nullptr) {
        return;
    }
    HComponent* view = m_window->findById(kMapView);
    if (view == nullptr || view->getHandle() == nullptr) {
        m_window->repaint();
        return;
    }
    const BMRegion area = m_renderer->pendingArea();
    // A new map, scenario or view paints in full, through the window, which follows what is
    // shown (the music of a map no longer shown stops there).
    if (area.size() == 1 && area[0].left <= 0 && area[0].top <= 0 && area[0].right >= m_viewWidth
        && area[0].bottom >= m_viewHeight) {
        m_window->repaint();
        return;
    }
    for (int i = 0; i < area.size(); ++i) {
        const RECT rect = {area[i].left, area[i].top, area[i].right, area[i].bottom};
        InvalidateRect(view->getHandle(), &rect, FALSE);
    }
}
