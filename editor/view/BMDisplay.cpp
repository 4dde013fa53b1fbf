#include "editor/view/BMDisplay.h"

#include <cstdio>
#include <cstring>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMEyedropperTool.h"
#include "editor/model/BMGeometry.h"
#include "editor/model/BMToolBox.h"
#include "editor/view/BMCommandId.h"
#include "editor/view/BMHotSpots.h"
#include "editor/view/BMLimitText.h"
#include "editor/view/BMMiniMap.h"
#include "editor/view/BMRedraw.h"
#include "editor/view/BMRenderer.h"
#include "editor/view/BMViewHost.h"
#include "framework/base/HWin32.h"

namespace {

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

void BMDisplay::setHost(BMViewHost* host)
{
    m_host = host;
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
    m_layout.setViewSize(width, height);
}

// The engine keeps the position in map pixels, so that undo brings the same place back
// whatever the zoom is by then.
void BMDisplay::setScroll(int x, int y)
{
    m_layout.setScroll(x, y);
    const BMZoom& zoom = m_layout.getZoom();
    m_editor->setScroll(static_cast<int>(zoom.toMap(x)), static_cast<int>(zoom.toMap(y)));
}

bool BMDisplay::setZoomStep(int step)
{
    if (!m_layout.setZoomStep(step)) {
        return false;
    }
    setScroll(m_layout.getScroll().x, m_layout.getScroll().y);
    return true;
}

// The status line names the border table while the border mode is on.
void BMDisplay::setEditMode(int mode)
{
    const bool border = mode == MODE_BORDER || m_editor->getEditMode() == MODE_BORDER;
    m_editor->setEditMode(mode);
    if (border) {
        showCursor();
    }
}

// A page turned or opened afresh shows no hover mark of the page before.
void BMDisplay::setChooserPage(int page)
{
    if (m_chooser.setPage(page)) {
        m_layout.setHoverMark(0, 0);
    }
}

void BMDisplay::setupChooserPage()
{
    const int maps = m_data != nullptr ? static_cast<int>(m_data->getAreaCount()) : 0;
    const int current = m_data != nullptr ? static_cast<int>(m_data->getCurrent()) : 0;
    m_chooser.setup(m_layout.getViewFlags(), maps, current, *m_editor);
    m_layout.setHoverMark(0, 0);
}

void BMDisplay::setCursor(int x, int y)
{
    m_editor->setCursor(x, y);
    showCursor();
}

void BMDisplay::showCursor()
{
    const BMPoint cursor = m_editor->getCursor();
    char text[64];
    std::snprintf(text, sizeof text, "カーソル位置：(%2d,%2d)  ブラシ半径：%d", cursor.x, cursor.y,
                  m_editor->getBrushRadius());
    if (m_editor->getEditMode() == MODE_BORDER) {
        const std::string& table = m_editor->getBorderTableName();
        showStatus(std::string(text) + "  "
                   + (table.empty() ? std::string("境界表: 既定") : "境界表: border.ini の " + table));
        return;
    }
    showStatus(text);
}

void BMDisplay::showStatus(const std::string& text)
{
    if (m_host != nullptr) {
        m_host->showStatus(text);
    }
}

void BMDisplay::setBrushRadius(int radius)
{
    m_editor->setBrushRadius(radius);
    showCursor();
}

void BMDisplay::resetState()
{
    m_editor->resetState();
    m_layout.setHoverMark(0, 0);
    showCursor();
}

// What an edit left out is told at once, in place of the cursor position.
void BMDisplay::show(const BMChange& change)
{
    m_lastCut = change.cut;
    if (change.cut.any()) {
        showStatus(BMLimitText::status(change.cut));
    } else if (change.cursor) {
        showCursor();
    }
    // The list of areas has its pages from the count and opens on the current map's page.
    if (change.areas && m_layout.isViewFlag(VIEW_PAGE_AREA)) {
        setupChooserPage();
    }
    // A value taken by the eyedropper shows on the chooser's page that holds it.
    if ((change.data & DATA_CURRENT) != 0 && !m_layout.isViewFlag(VIEW_PAGE_AREA)) {
        setupChooserPage();
    }
    const uint32_t redraw = BMRedraw::of(change.data);
    if (redraw != 0) {
        redrawLayers(redraw, change.cells.empty() ? nullptr : &change.cells);
    }
    // Setting the bars costs a great deal under Wine: only when the view really moves.
    const BMZoom& zoom = m_layout.getZoom();
    const int toX = static_cast<int>(zoom.toZoomed(change.scrollTo.x));
    const int toY = static_cast<int>(zoom.toZoomed(change.scrollTo.y));
    const BMPoint shown = m_layout.getScroll();
    const bool scroll = change.scroll && (toX != shown.x || toY != shown.y);
    if (scroll) {
        scrollBy(0, toX, toY);
    }
    if (redraw != 0 || scroll) {
        repaint();
    }
    if (m_host != nullptr && (change.data & DATA_SAVED) != 0) {
        m_host->dataChanged(change);
    }
}

bool BMDisplay::pressHotSpot(int px, int py)
{
    if (!m_editor->hasMap()) {
        return false;
    }
    int index = m_chooser.getIndex();
    const int number = m_layout.hotSpotAt(px, py, &index);
    m_chooser.setIndex(index);
    if (number == 0) {
        return false;
    }
    const uint32_t command = BMHotSpots::get(number)->command;
    if (command != 0 && m_host != nullptr) {
        m_host->runCommand(command);
    }
    return true;
}

int BMDisplay::miniMapPart(int px, int py, BMPoint* at) const
{
    if (!m_layout.isViewFlag(VIEW_MINIMAP) || !m_editor->hasMap()) {
        return BMMiniMap::PART_NONE;
    }
    *at = m_miniMap->place(m_layout.getViewSize().x, m_layout.getViewSize().y);
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
        if (m_host != nullptr) {
            m_host->runCommand(kCommandShowMiniMap);  // the View menu's item hides it
        }
        break;
    case BMMiniMap::PART_PICTURE: scrollToMiniMapPoint(p, q); break;
    default: break;
    }
}

void BMDisplay::scrollToMiniMapPoint(int p, int q)
{
    const BMPoint point = BMMiniMap::mapPoint(p, q);
    const BMZoom& zoom = m_layout.getZoom();
    scrollBy(0, static_cast<int>(zoom.toZoomed(point.x)) - m_layout.getViewSize().x / 2,
             static_cast<int>(zoom.toZoomed(point.y)) - m_layout.getViewSize().y / 2);
}

bool BMDisplay::pressLeft(int px, int py, uint32_t keys)
{
    if (!m_editor->hasMap() || pressHotSpot(px, py)) {
        return true;
    }
    BMPoint at;
    const int part = miniMapPart(px, py, &at);
    if (part != BMMiniMap::PART_NONE) {
        pressMiniMap(part, px - at.x, py - at.y);
        return true;
    }
    const BMPoint cell = m_layout.cellAt(px, py, BMViewLayout::PICK_PRESS);
    if (!BMGeometry::inside(cell.x, cell.y)) {
        return false;
    }
    if ((keys & KEY_ALT) != 0) {
        return pickCell(cell.x, cell.y);
    }
    show(m_editor->pressCell(cell.x, cell.y, reachOf(keys)));
    return true;
}

bool BMDisplay::pickCell(int x, int y)
{
    if (!m_editor->hasMap() || !BMGeometry::inside(x, y)) {
        return false;
    }
    show(BMToolBox::eyedropper().press(*m_editor, x, y, BMFloodFill::CONNECTED));
    showStatus(BMEyedropperTool::status(*m_editor, x, y));
    return true;
}

bool BMDisplay::pressRight(int px, int py)
{
    BMPoint at;
    if (!m_editor->hasMap() || miniMapPart(px, py, &at) != BMMiniMap::PART_NONE) {
        return true;
    }
    const BMPoint cell = m_layout.cellAt(px, py, BMViewLayout::PICK_PRESS);
    if (!BMGeometry::inside(cell.x, cell.y)) {
        return false;
    }
    show(m_editor->pressRightCell(cell.x, cell.y));
    return true;
}

// A press on a panel (a hover mark is set under the pointer) never starts a drag.
// A drag that begins on the mini-map's picture scrolls the view along; on the rest of the
// mini-map it does nothing.
bool BMDisplay::startDrag(int px, int py, uint32_t keys)
{
    m_anchor = {-1, -1};
    m_miniMapDrag = false;
    if (m_layout.anyHoverMark() || !m_editor->hasMap()) {
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
    if ((keys & KEY_ALT) != 0) {
        return true;  // the press took its value; the drag takes nothing more
    }
    m_anchor = BMGeometry::clamp(m_layout.cellAt(px, py, BMViewLayout::PICK_DRAG));
    show(m_editor->startDrag(m_anchor.x, m_anchor.y, reachOf(keys)));
    return true;
}

bool BMDisplay::moveDrag(int px, int py, uint32_t keys)
{
    if (m_miniMapDrag) {
        const BMPoint at = m_miniMap->place(m_layout.getViewSize().x, m_layout.getViewSize().y);
        scrollToMiniMapPoint(px - at.x, py - at.y);
        return true;
    }
    if (m_anchor.x < 0 || m_layout.inDeadBand(px, py)) {
        return true;
    }
    const BMPoint cell = m_layout.cellAt(px, py, BMViewLayout::PICK_DRAG);
    show(m_editor->moveDrag(m_anchor.x, m_anchor.y, cell.x, cell.y, reachOf(keys)));
    return true;
}

bool BMDisplay::endDrag(int px, int py)
{
    m_miniMapDrag = false;
    if (m_anchor.x < 0) {
        return true;
    }
    m_anchor = {-1, -1};
    const BMPoint cell = BMGeometry::clamp(m_layout.cellAt(px, py, BMViewLayout::PICK_DRAG));
    show(m_editor->endDrag(cell.x, cell.y));
    return true;
}

bool BMDisplay::startPan()
{
    m_panOrigin = m_host != nullptr ? m_host->getScrollBars() : BMPoint{0, 0};
    return true;
}

bool BMDisplay::movePan(int dx, int dy)
{
    if (m_host != nullptr) {
        m_host->scrollTo(m_panOrigin.x - dx, m_panOrigin.y - dy);
    }
    return true;
}

bool BMDisplay::scrollBy(uint32_t command, int x, int y)
{
    if (m_host == nullptr) {
        return true;
    }
    switch (command) {
    case 0: m_host->scrollTo(x, y); break;
    case kCommandScrollUp: m_host->scrollPage(false, false); break;
    case kCommandScrollDown: m_host->scrollPage(false, true); break;
    case kCommandScrollRight: m_host->scrollPage(true, true); break;
    case kCommandScrollLeft: m_host->scrollPage(true, false); break;
    default: break;
    }
    return true;
}

bool BMDisplay::hover(int px, int py)
{
    if (!m_editor->hasMap()) {
        return true;
    }
    const uint32_t redraw = m_layout.hover(px, py);
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

bool BMDisplay::pasteSelection(const std::string& text)
{
    BMChange change;
    const bool accepted = m_editor->pasteSelection(text, &change);
    show(change);
    return accepted;
}

// Called on a scenario just opened: its history starts empty.
void BMDisplay::startScenario()
{
    m_editor->startScenario();
    if (m_editor->getEditMode() == MODE_BORDER) {
        showCursor();  // the table may be another one now
    }
}

void BMDisplay::redrawLayers(uint32_t redraw, const std::vector<uint16_t>* cells)
{
    m_renderer->redrawLayers(redraw, cells);
    if ((redraw & REDRAW_TITLE) != 0 && m_host != nullptr) {
        m_host->shownChanged();
    }
}

// Only the part of the view that the next frame changes is painted again.
void BMDisplay::repaint()
{
    if (m_host == nullptr) {
        return;
    }
    const BMRegion area = m_renderer->pendingArea();
    // A new map, scenario or view paints in full, through the host, which follows what is
    // shown.
    if (m_layout.coversView(area)) {
        m_host->repaintAll();
        return;
    }
    m_host->invalidate(area);
}
