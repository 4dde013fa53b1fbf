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

const int kAreaRows = 16;      // maps on a page of the area list
const int kCharacterCells = 40;  // character chips on a page
const int kCharacterPages = 6;

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
    setScroll(getScroll().x, getScroll().y);
    return true;
}

bool BMDisplay::hasMap() const
{
    return m_editor->hasMap();
}

int BMDisplay::getEditMode() const { return m_editor->getEditMode(); }
// The status line names the border table while the border mode is on.
void BMDisplay::setEditMode(int mode)
{
    const bool border = mode == MODE_BORDER || getEditMode() == MODE_BORDER;
    m_editor->setEditMode(mode);
    if (border) {
        showCursor();
    }
}
int BMDisplay::getShape() const { return m_editor->getShape(); }
void BMDisplay::setShape(int shape) { m_editor->setShape(shape); }

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
    if (getEditMode() == MODE_BORDER) {
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

BMPoint BMDisplay::getCursor() const { return m_editor->getCursor(); }

void BMDisplay::setCellMark(int x, int y, uint32_t mask, bool on)
{
    m_editor->setCellMark(x, y, mask, on);
}

uint32_t BMDisplay::getCellMark(int index) const { return m_editor->getCellMark(index); }
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
    // A value taken by the eyedropper shows on the chooser's page that holds it.
    if ((change.data & DATA_CURRENT) != 0 && !isViewFlag(VIEW_PAGE_AREA)) {
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
    const bool scroll = change.scroll && (toX != getScroll().x || toY != getScroll().y);
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
    if (!hasMap()) {
        return false;
    }
    const int number = m_layout.hotSpotAt(px, py, &m_chooserIndex);
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
    if (!isViewFlag(VIEW_MINIMAP) || !hasMap()) {
        return BMMiniMap::PART_NONE;
    }
    *at = m_miniMap->place(getViewSize().x, getViewSize().y);
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
    scrollBy(0, static_cast<int>(zoom.toZoomed(point.x)) - getViewSize().x / 2,
             static_cast<int>(zoom.toZoomed(point.y)) - getViewSize().y / 2);
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
    if ((keys & KEY_ALT) != 0) {
        return pickCell(cell.x, cell.y);
    }
    apply(m_editor->pressCell(cell.x, cell.y, reachOf(keys)));
    return true;
}

bool BMDisplay::pickCell(int x, int y)
{
    if (!hasMap() || !BMGeometry::inside(x, y)) {
        return false;
    }
    apply(BMToolBox::eyedropper().press(*m_editor, x, y, BMFloodFill::CONNECTED));
    showStatus(BMEyedropperTool::status(*m_editor, x, y));
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
    if (m_layout.anyHoverMark() || !hasMap()) {
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
    m_anchor = BMGeometry::clamp(cellAt(px, py, PICK_DRAG));
    apply(m_editor->startDrag(m_anchor.x, m_anchor.y, reachOf(keys)));
    return true;
}

bool BMDisplay::moveDrag(int px, int py, uint32_t keys)
{
    if (m_miniMapDrag) {
        const BMPoint at = m_miniMap->place(getViewSize().x, getViewSize().y);
        scrollToMiniMapPoint(px - at.x, py - at.y);
        return true;
    }
    if (m_anchor.x < 0 || m_layout.inDeadBand(px, py)) {
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
    if (!hasMap()) {
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
// Called on a scenario just opened: its history starts empty.
void BMDisplay::startScenario()
{
    m_editor->startScenario();
    if (getEditMode() == MODE_BORDER) {
        showCursor();  // the table may be another one now
    }
}
void BMDisplay::reloadBorderFile() { m_editor->reloadBorderFile(); }

bool BMDisplay::execSetBorder()
{
    apply(m_editor->execSetBorder());
    return true;
}

// Drawing belongs to the renderer.
void BMDisplay::resetImageBuffer() { m_renderer->resetImageBuffer(); }
void BMDisplay::releaseImageBuffer() { m_renderer->releaseImageBuffer(); }
void BMDisplay::drawNumberLayer(int x, int y) { m_renderer->drawNumberLayer(x, y); }
void BMDisplay::drawGridLayer() { m_renderer->drawGridLayer(); }
void BMDisplay::drawMarkOverlay() { m_renderer->drawMarkOverlay(); }
void BMDisplay::drawAreaInfo() { m_renderer->drawAreaInfo(); }
void BMDisplay::drawPalette() { m_renderer->drawPalette(); }
void BMDisplay::drawChooser() { m_renderer->drawChooser(); }

void BMDisplay::drawDisplay(HGraphics* graphics) { m_renderer->drawDisplay(graphics); }
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
