#include "editor/BMDisplay.h"

#include <cstdio>
#include <cstring>

#include "editor/BMData.h"
#include "editor/BMRenderer.h"
#include "framework/HScrollBar.h"
#include "framework/HWindow.h"

namespace {

// A value below 0 becomes the maximum and one above it 0.
int wrap(int value, int maximum)
{
    if (value < 0) {
        return maximum;
    }
    return value > maximum ? 0 : value;
}

}  // namespace

BMDisplay::BMDisplay()
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
        m_verticalBar = dynamic_cast<HScrollBar*>(window->findById(2002));
        m_horizontalBar = dynamic_cast<HScrollBar*>(window->findById(2003));
    }
}

void BMDisplay::setData(bool create)
{
    m_data = BMData::getInstance(create);
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

void BMDisplay::setScroll(int x, int y)
{
    m_scrollX = x;
    m_scrollY = y;
}

BMPoint BMDisplay::getScroll() const
{
    return {m_scrollX, m_scrollY};
}

bool BMDisplay::hasMap() const
{
    return m_data != nullptr && m_data->getCurrent() != 0;
}

int BMDisplay::getEditMode() const { return m_editMode; }
void BMDisplay::setEditMode(int mode) { m_editMode = mode; }
int BMDisplay::getShape() const { return m_shape; }
void BMDisplay::setShape(int shape) { m_shape = shape; }

bool BMDisplay::isViewFlag(uint32_t mask) const
{
    return (m_viewFlags & mask) != 0;
}

void BMDisplay::setViewFlag(uint32_t mask, bool on)
{
    m_viewFlags = on ? (m_viewFlags | mask) : (m_viewFlags & ~mask);
}

uint32_t BMDisplay::getViewFlags() const { return m_viewFlags; }
int BMDisplay::getMouseMode() const { return m_mouseMode; }
void BMDisplay::setMouseMode(int mode) { m_mouseMode = mode; }
int BMDisplay::getCharacter() const { return m_character; }
int BMDisplay::getObject() const { return m_object; }
int BMDisplay::getHeight() const { return m_height; }
int BMDisplay::getGroupIndex() const { return m_groupIndex; }
void BMDisplay::setCharacter(int value) { m_character = wrap(value, 239); }
void BMDisplay::setObject(int value) { m_object = wrap(value, 39); }
void BMDisplay::setHeight(int value) { m_height = wrap(value, 15); }
void BMDisplay::setGroupIndex(int value) { m_groupIndex = wrap(value, 7); }
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
}

void BMDisplay::setupChooserPage()
{
    // FIXME: the pages' own counts and indices
    m_chooserPage = 1;
    m_chooserPageCount = 1;
    m_chooserIndex = 1;
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
    m_cursor = y * MAP_SIZE + x;
    // FIXME: the status bar text
}

BMPoint BMDisplay::getCursor() const
{
    return {m_cursor % MAP_SIZE, m_cursor / MAP_SIZE};
}

int BMDisplay::getCursorIndex() const { return m_cursor; }

void BMDisplay::setCellMark(int x, int y, uint32_t mask, bool on)
{
    for (int row = 0; row < MAP_SIZE; ++row) {
        for (int column = 0; column < MAP_SIZE; ++column) {
            if ((x != -1 && x != column) || (y != -1 && y != row)) {
                continue;
            }
            uint32_t& mark = m_marks[row * MAP_SIZE + column];
            if (mask == 0) {
                mark = 0;
            } else {
                mark = on ? (mark | mask) : (mark & ~mask);
            }
        }
    }
}

uint32_t BMDisplay::getCellMark(int index) const
{
    return index >= 0 && index < MAP_CELLS ? m_marks[index] : 0;
}

bool BMDisplay::getBorderToggle() const { return m_borderToggle; }

void BMDisplay::resetState()
{
    setCursor(0, 0);
    m_mouseMode = MOUSE_SELECT;
    std::memset(m_marks, 0, sizeof m_marks);
    setHoverMark(0, 0);
    m_character = 1;
    m_object = 1;
    m_height = 1;
    m_groupIndex = 0;
}

BMUndoList* BMDisplay::getUndoList() const { return nullptr; }  // FIXME

// FIXME: pointer input, editing and border tracing.
bool BMDisplay::pressLeft(int, int) { return true; }
bool BMDisplay::pressHotSpot(int, int) { return false; }
bool BMDisplay::pressRight(int, int) { return false; }
bool BMDisplay::startDrag(int, int) { return true; }
bool BMDisplay::moveDrag(int, int) { return true; }
bool BMDisplay::endDrag(int, int) { return true; }
bool BMDisplay::startPan() { return true; }
bool BMDisplay::movePan(int, int) { return true; }
bool BMDisplay::hover(int, int) { return true; }
bool BMDisplay::scrollBy(uint32_t, int, int) { return true; }
bool BMDisplay::execSet(int) { return true; }
bool BMDisplay::execReset() { return true; }
void BMDisplay::selectAll() {}
void BMDisplay::selectNone() {}
void BMDisplay::markLine(int, int, int, int, uint32_t) {}
void BMDisplay::markRect(int, int, int, int, uint32_t) {}
void BMDisplay::markHexagon(int, int, int, int, uint32_t) {}
void BMDisplay::undo() {}
void BMDisplay::redo() {}
void BMDisplay::changeAreaSelection(uint32_t, uint32_t) {}
std::string BMDisplay::copySelection() const { return std::string(); }
bool BMDisplay::pasteSelection(const std::string&) { return false; }
uint32_t BMDisplay::nextOrder(int) const { return 0; }
void BMDisplay::loadBorderTable() {}
void BMDisplay::reloadBorderFile() {}
int BMDisplay::findBorderChip(uint32_t, int, bool) const { return -1; }
bool BMDisplay::execSetBorder() { return true; }

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

void BMDisplay::repaint()
{
    if (m_window != nullptr) {
        m_window->repaint();
    }
}
