#include "editor/model/BMEditor.h"

#include <algorithm>
#include <cstring>

#include "editor/model/BMAreaRecordUndo.h"
#include "editor/model/BMBorderTracer.h"
#include "editor/model/BMBrush.h"
#include "editor/model/BMCellWriter.h"
#include "editor/model/BMClipboardText.h"
#include "editor/model/BMCurrentMapUndo.h"
#include "editor/model/BMData.h"
#include "editor/model/BMGeometry.h"
#include "editor/model/BMLineTool.h"
#include "editor/model/BMMapEditor.h"
#include "editor/model/BMPaste.h"
#include "editor/model/BMShapes.h"
#include "editor/model/BMToolBox.h"
#include "framework/base/HFile.h"

namespace {

const char* const kBorderFile = ".\\border.ini";

// A value below 0 becomes the maximum and one above it 0.
int wrap(int value, int maximum)
{
    if (value < 0) {
        return maximum;
    }
    return value > maximum ? 0 : value;
}

const int kObjectLast = 39;  // object chips 1..39: city, wall and road (BMMapLimits)

}  // namespace

BMEditor::BMEditor() : m_mapEditor(new BMMapEditor(*this))
{
    setClassName("BMEditor");
    m_borderProperties.load(HFile(kBorderFile));
}

BMEditor::~BMEditor() = default;

bool BMEditor::hasMap() const
{
    return m_data != nullptr && m_data->getCurrent() != 0;
}

void BMEditor::setCharacter(int value) { m_character = wrap(value, 239); }
void BMEditor::setObject(int value) { m_object = wrap(value, kObjectLast); }
void BMEditor::setHeight(int value) { m_height = wrap(value, 15); }
void BMEditor::setGroupIndex(int value) { m_groupIndex = wrap(value, 7); }

void BMEditor::setCursor(int x, int y)
{
    if (BMGeometry::inside(x, y)) {
        m_cursor = BMGeometry::index(x, y);
    }
}

BMPoint BMEditor::getCursor() const
{
    return BMGeometry::cellOf(m_cursor);
}

uint32_t BMEditor::getCellMark(int index) const
{
    return index >= 0 && index < MAP_CELLS ? m_marks[index] : 0;
}

bool BMEditor::inSelection(int index) const
{
    return (m_marks[index] & CELL_SELECTED) != 0 || index == m_cursor;
}

void BMEditor::resetState()
{
    m_cursor = 0;
    m_mouseMode = MOUSE_SELECT;
    m_marks.fill(0);
    m_character = 1;
    m_object = 1;
    m_height = 1;
    m_groupIndex = 0;
}

uint32_t BMEditor::nextOrder(int kind) const
{
    if (!hasMap()) {
        return 0;
    }
    if (kind == 2) {
        static const int counts[] = {BMData::TYPE_CITY_COUNT, BMData::TYPE_WALL_COUNT, BMData::TYPE_ROAD_COUNT};
        static const char* const names[] = {"city", "wall", "road"};
        const BMMapLimits::Category category = BMMapLimits::categoryOf(static_cast<uint8_t>(m_object));
        if (category == BMMapLimits::NO_CATEGORY) {
            return 0;
        }
        const uint32_t order = m_data->getWord(counts[category], 0, 0, 0);
        debug("%s order=%d", names[category], static_cast<int>(order));
        return order;
    }
    if (kind == 8) {
        return m_data->getWord(BMData::TYPE_CONNECT_COUNT, 0, static_cast<uint32_t>(m_groupIndex), 0);
    }
    return 0;
}

BMChange BMEditor::execSet(int mode)
{
    debug("execSet:mode=%d", mode);
    if (!hasMap()) {
        return BMChange();
    }
    bool clear = false;
    if (mode > 0 && (mode & MODE_CLEAR) != 0) {
        clear = true;
        mode &= ~MODE_CLEAR;
    }
    if (mode == 0) {
        mode = m_editMode;
    }
    if (!clear && (mode & MODE_BORDER) != 0) {
        return execSetBorder();
    }
    HLOG_START("execSet");
    BMChange change = setSelection(BMLayers::ofMode(mode), nullptr, clear);
    HLOG_END("execSet");
    return change;
}

BMUndoItem* BMEditor::openUndo(int32_t kind, int32_t cursor)
{
    return m_undoList.add(kind, 0, m_scrollX, m_scrollY, cursor);
}

// Every cell that gets a before-record also gets an after-record, so that redo writes back
// exactly what undo took away (cleared cells included).
BMChange BMEditor::setSelection(const BMLayers& layers, const BMCellRecord* values, bool clear)
{
    BMChange change;
    change.cells = BMCellWriter::edited(*this, layers);
    openUndo(layers.kinds(), m_cursor)->record(*m_data, change.cells, nullptr, 0, [&] {
        change.cut = BMCellWriter::writeSelection(*this, layers, values, clear, {});
    });
    change.data = layers.data();
    return change;
}

BMChange BMEditor::execReset()
{
    if (!hasMap()) {
        return BMChange();
    }
    HLOG_START("execReset");
    const BMLayers all = BMLayers::all();
    BMChange change;
    change.cells = BMCellWriter::edited(*this, all);
    bool everything = true;
    for (int index = 0; index < MAP_CELLS; ++index) {
        everything = everything && inSelection(index);
    }
    openUndo(all.kinds(), m_cursor)->record(*m_data, change.cells, nullptr, 0, [&] {
        // The whole map as it was read is one the file holds; parts of it mixed with edits
        // may not be.
        if (everything) {
            m_data->restore(BMData::TYPE_MAP, 0, 0, 0);
        } else {
            change.cut = BMCellWriter::restoreSelection(*this);
        }
        m_data->correct(0);
    });
    change.data = all.data();
    HLOG_END("execReset");
    return change;
}

BMChange BMEditor::selectNone()
{
    BMChange change;
    if (!hasMap()) {
        return change;
    }
    BMUndoItem* item = openUndo(UNDO_SELECTION, m_cursor);
    item->record(*m_data, m_marks.with(CELL_SELECTED), m_marks.words(), CELL_SELECTED,
                 [this] { m_marks.fill(0); });
    change.data = DATA_MARKS;
    return change;
}

BMChange BMEditor::selectAll()
{
    BMChange change;
    if (!hasMap()) {
        return change;
    }
    BMUndoItem* item = openUndo(UNDO_SELECTION, m_cursor);
    item->record(*m_data, BMGeometry::everyCell(), m_marks.words(), CELL_SELECTED,
                 [this] { m_marks.fill(CELL_SELECTED); });
    change.data = DATA_MARKS;
    return change;
}

void BMEditor::markLine(int ax, int ay, int bx, int by, uint32_t bits)
{
    markCells(BMLineTool::cells(ax, ay, bx, by), bits);
}

void BMEditor::markRect(int ax, int ay, int bx, int by, uint32_t bits)
{
    std::vector<uint16_t> cells;
    BMShapes::rectangle(ax, ay, bx, by, &cells);
    markCells(cells, bits);
}

void BMEditor::markHexagon(int ax, int ay, int bx, int by, uint32_t bits)
{
    std::vector<uint16_t> cells;
    BMShapes::hexagon(ax, ay, bx, by, &cells);
    markCells(cells, bits);
}

BMChange BMEditor::undo()
{
    return step(false);
}

BMChange BMEditor::redo()
{
    return step(true);
}

// Only a change of the list of areas can leave no current map, and only it can bring one.
BMChange BMEditor::step(bool redo)
{
    HLOG_START(redo ? "redo" : "undo");
    BMChange change;
    BMUndoItem* item = nullptr;
    if (m_data != nullptr) {
        item = redo ? m_undoList.redo() : m_undoList.undo();
    }
    if (item != nullptr && !hasMap() && item->needsMap()) {
        (void)(redo ? m_undoList.undo() : m_undoList.redo());
        item = nullptr;
    }
    if (item != nullptr) {
        change = item->apply(*this, redo);
    }
    HLOG_END(redo ? "redo" : "undo");
    return change;
}

BMChange BMEditor::editArea(uint32_t number, const ZDArea& record)
{
    BMChange change;
    ZDEditArea* area = m_data != nullptr ? m_data->getArea(number - 1) : nullptr;
    if (area == nullptr || area->sameFields(record)) {
        return change;
    }
    HLOG_START("editArea");
    ZDArea before = *area;
    ZDArea after = before;
    after.setFields(record);
    m_undoList.add(std::unique_ptr<BMUndoItem>(new BMAreaRecordUndo(number, before, after)),
                   m_scrollX, m_scrollY, m_cursor);
    area->setFields(after);
    change.data = DATA_AREA_RECORD;
    HLOG_END("editArea");
    return change;
}

void BMEditor::changeAreaSelection(uint32_t from, uint32_t to)
{
    HLOG_START("changeAreaSelection");
    debug("from=%u to=%u", from, to);
    m_undoList.add(std::unique_ptr<BMUndoItem>(new BMCurrentMapUndo(from, to)), m_scrollX,
                   m_scrollY, m_cursor);
    HLOG_END("changeAreaSelection");
}

std::string BMEditor::copySelection() const
{
    return hasMap() ? BMPaste::copy(*this) : std::string();
}

bool BMEditor::pasteSelection(const std::string& text, BMChange* change)
{
    *change = BMChange();
    std::vector<BMCellRecord> records;
    if (!BMClipboardText::read(text, &records, &m_pasteError)) {
        HLOG_INFO("pasteSelection:error clipboard text");
        debug("pasteSelection:%s", m_pasteError.c_str());
        return false;
    }
    if (!hasMap() || records.empty()) {
        return true;
    }
    const BMLayers layers = BMLayers::ofMode(m_editMode);
    if (records.size() == 1) {
        *change = setSelection(layers, &records[0], false);
    } else {
        *change = BMPaste::paste(*this, layers, records);
    }
    return true;
}

void BMEditor::reloadBorderFile()
{
    m_borderProperties.clear();
    m_borderProperties.load(HFile(kBorderFile));
}

void BMEditor::startScenario()
{
    m_undoList.clear();
    loadBorderTable();
}

void BMEditor::loadBorderTable()
{
    const std::string name =
        m_data != nullptr ? m_data->getScenarioDirectory().getName() : std::string();
    if (!name.empty()) {
        const bool found = m_borderTable.loadFor(m_borderProperties, name);
        debug(found ? "bdr:use properties" : "bdr:use default");
        m_borderTableName = found ? name : std::string();
    }
}

BMChange BMEditor::execSetBorder()
{
    BMChange change;
    if (!hasMap()) {
        return change;
    }
    HLOG_START("execSetBorder");
    change.cells = BMCellWriter::edited(*this, BMLayers());
    openUndo(UNDO_CHAR, m_cursor)->record(*m_data, change.cells, nullptr, 0,
                                          [this] { traceSelection(); });
    change.data = DATA_CHARACTER;
    HLOG_END("execSetBorder");
    return change;
}

void BMEditor::traceSelection()
{
    BMBorderTracer tracer(*m_data, m_marks.words(), m_borderTable, m_borderToggle);
    tracer.traceSelection(m_cursor, m_borderTable.getGroup(m_character));
    m_borderToggle = !m_borderToggle;
}

// The undo item records every cell whose mark or data the step can change: the old and the
// new selection, the cursor, and when objects or placements are set every cell the
// renumbering may touch. Undo zeroes all marks first, so cells left out had none to restore;
// pending marks are not restored.
BMChange BMEditor::selectRegion(const std::vector<uint16_t>& cells, bool join, int cursor, bool set)
{
    HLOG_START("selectRegion");
    const BMLayers layers = set ? BMLayers::ofMode(m_editMode) : BMLayers();
    std::vector<bool> region(MAP_CELLS, false);
    for (uint16_t index : cells) {
        region[index] = true;
    }
    BMChange change;
    std::vector<uint16_t> recorded;
    for (int index = 0; index < MAP_CELLS; ++index) {
        const BMPoint cell = BMGeometry::cellOf(index);
        if ((m_marks[index] & CELL_SELECTED) != 0 || region[static_cast<size_t>(index)] || index == cursor
            || (set && BMCellWriter::hasPlaced(*m_data, cell.x, cell.y, layers))) {
            recorded.push_back(static_cast<uint16_t>(index));
        }
    }
    BMUndoItem* item = openUndo(UNDO_SELECTION | layers.kinds(), cursor);
    item->record(*m_data, recorded, m_marks.words(), CELL_SELECTED, [&] {
        for (int index = 0; index < MAP_CELLS; ++index) {
            uint32_t& mark = m_marks[index];
            const bool selected = region[static_cast<size_t>(index)] || (join && (mark & CELL_SELECTED) != 0);
            mark = (mark & ~(CELL_SELECTED | CELL_PENDING)) | (selected ? CELL_SELECTED : 0);
        }
        m_marks.forgetPendingOrder();
        m_cursor = cursor;
        if (set && m_editMode == MODE_BORDER) {
            traceSelection();
        } else if (set) {
            change.cut = BMCellWriter::writeSelection(*this, layers, nullptr, false, cells);
        }
    });
    if (set) {
        change.cells = recorded;
        change.data = layers.data();
    }
    change.data |= DATA_MARKS;
    change.cursor = true;
    HLOG_END("selectRegion");
    return change;
}

BMChange BMEditor::moveCursor(int index)
{
    const std::vector<uint16_t> selected = m_marks.with(CELL_SELECTED);
    if (!selected.empty()) {
        BMUndoItem* item = openUndo(UNDO_SELECTION, index);
        item->record(*m_data, selected, m_marks.words(), CELL_SELECTED, [this] { m_marks.fill(0); });
    }
    m_cursor = index;
    BMChange change;
    change.cursor = true;
    change.data |= DATA_MARKS;
    return change;
}

std::vector<uint16_t> BMEditor::fillRegion(int index, BMFloodFill::Reach reach) const
{
    BMLayerValues values;
    BMFloodFill::readLayer(*m_data, m_editMode, &values);
    return BMFloodFill::region(values, index, reach);
}

BMChange BMEditor::selectSameValue()
{
    if (!hasMap()) {
        return BMChange();
    }
    return selectRegion(fillRegion(m_cursor, BMFloodFill::MAP_WIDE), false, m_cursor, false);
}

void BMEditor::setBrushRadius(int radius)
{
    m_brushRadius = BMBrush::limit(radius);
}

BMChange BMEditor::pressCell(int x, int y, BMFloodFill::Reach reach)
{
    if (!hasMap() || !BMGeometry::inside(x, y)) {
        return BMChange();
    }
    return BMToolBox::of(m_shape, m_mouseMode).press(*this, x, y, reach);
}

BMChange BMEditor::pressRightCell(int x, int y)
{
    BMChange change;
    const int index = BMGeometry::index(x, y);
    if (!hasMap() || !BMGeometry::inside(x, y)) {
        return change;
    }
    if (index != m_cursor) {
        if ((m_marks[index] & CELL_SELECTED) != 0) {
            m_marks[index] &= ~CELL_SELECTED;
        } else {
            setCellMark(-1, -1, CELL_SELECTED, false);
        }
    }
    change.data = DATA_MARKS;
    return change;
}

BMChange BMEditor::startDrag(int x, int y, BMFloodFill::Reach reach)
{
    BMChange change;
    if (!hasMap() || !BMGeometry::inside(x, y)) {
        return change;
    }
    m_cursor = BMGeometry::index(x, y);
    m_marks.forgetPendingOrder();
    markCells({static_cast<uint16_t>(m_cursor)}, CELL_PENDING);
    m_strokeCell = {x, y};
    BMToolBox::of(m_shape, m_mouseMode).drag(*this, x, y, reach);
    change.cursor = true;
    change.data = DATA_MARKS;
    return change;
}

BMChange BMEditor::moveDrag(int anchorX, int anchorY, int x, int y, BMFloodFill::Reach reach)
{
    BMChange change;
    if (!hasMap()) {
        return change;
    }
    BMToolBox::of(m_shape, m_mouseMode).preview(*this, {anchorX, anchorY}, x, y, reach);
    change.data = DATA_MARKS;
    return change;
}

BMChange BMEditor::endDrag(int x, int y)
{
    if (!hasMap()) {
        return BMChange();
    }
    return BMToolBox::of(m_shape, m_mouseMode).release(*this, x, y);
}
