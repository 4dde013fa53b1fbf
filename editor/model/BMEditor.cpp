#include "editor/model/BMEditor.h"

#include <algorithm>
#include <cstring>

#include "editor/model/BMBorderTracer.h"
#include "editor/model/BMBrush.h"
#include "editor/model/BMClipboardText.h"
#include "editor/model/BMData.h"
#include "editor/model/BMGeometry.h"
#include "editor/model/BMMapEdit.h"
#include "editor/model/BMMapEditor.h"
#include "editor/model/BMShapes.h"
#include "framework/base/HFile.h"

namespace {

const char* const kBorderFile = ".\\border.ini";
const int32_t kAllData = UNDO_CHAR | UNDO_OBJ | UNDO_ORDER | UNDO_HEIGHT | UNDO_CONNECT
                         | UNDO_CONNECT_ORDER;
const uint32_t kSelectionMark = 1;  // the mark of selection records

// A value below 0 becomes the maximum and one above it 0.
int wrap(int value, int maximum)
{
    if (value < 0) {
        return maximum;
    }
    return value > maximum ? 0 : value;
}

uint32_t ux(int x)
{
    return static_cast<uint32_t>(x);
}

// Object chips by category: 1..15 city, 16..24 wall, 25..39 road.
const int kWallFirst = 16;
const int kRoadFirst = 25;
const int kObjectLast = 39;

}  // namespace

BMEditor::BMEditor() : m_mapEditor(new BMMapEditor(*this))
{
    setClassName("BMEditor");
    m_borderProperties.load(HFile(kBorderFile));
}

BMEditor::~BMEditor() = default;

void BMEditor::setData(BMData* data)
{
    m_data = data;
}

bool BMEditor::hasMap() const
{
    return m_data != nullptr && m_data->getCurrent() != 0;
}

void BMEditor::setCharacter(int value) { m_character = wrap(value, 239); }
void BMEditor::setObject(int value) { m_object = wrap(value, kObjectLast); }
void BMEditor::setHeight(int value) { m_height = wrap(value, 15); }
void BMEditor::setGroupIndex(int value) { m_groupIndex = wrap(value, 7); }

void BMEditor::setScroll(int x, int y)
{
    m_scrollX = x;
    m_scrollY = y;
}

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

void BMEditor::setCellMark(int x, int y, uint32_t mask, bool on)
{
    if ((x != -1 && (x < 0 || x >= MAP_SIZE)) || (y != -1 && (y < 0 || y >= MAP_SIZE))) {
        return;
    }
    const int firstRow = y == -1 ? 0 : y;
    const int lastRow = y == -1 ? MAP_SIZE - 1 : y;
    const int firstColumn = x == -1 ? 0 : x;
    const int lastColumn = x == -1 ? MAP_SIZE - 1 : x;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            uint32_t& mark = m_marks[BMGeometry::index(column, row)];
            if (mask == 0) {
                mark = 0;
            } else {
                mark = on ? (mark | mask) : (mark & ~mask);
            }
        }
    }
}

uint32_t BMEditor::getCellMark(int index) const
{
    return index >= 0 && index < MAP_CELLS ? m_marks[index] : 0;
}

bool BMEditor::inSelection(int index) const
{
    return (m_marks[index] & CELL_SELECTED) != 0 || index == m_cursor;
}

bool BMEditor::anySelected() const
{
    for (uint32_t mark : m_marks) {
        if ((mark & CELL_SELECTED) != 0) {
            return true;
        }
    }
    return false;
}

void BMEditor::resetState()
{
    m_cursor = 0;
    m_mouseMode = MOUSE_SELECT;
    std::memset(m_marks, 0, sizeof m_marks);
    m_character = 1;
    m_object = 1;
    m_height = 1;
    m_groupIndex = 0;
}

BMEditor::Layers BMEditor::layersOf(int mode)
{
    return {(mode & (MODE_CHAR | MODE_BORDER)) != 0, (mode & MODE_OBJ) != 0,
            (mode & MODE_HEIGHT) != 0, (mode & MODE_PLACEMENT) != 0};
}

int32_t BMEditor::kindsOf(const Layers& layers)
{
    int32_t kinds = 0;
    kinds |= layers.character ? UNDO_CHAR : 0;
    kinds |= layers.object ? UNDO_OBJ | UNDO_ORDER : 0;
    kinds |= layers.height ? UNDO_HEIGHT : 0;
    kinds |= layers.placement ? UNDO_CONNECT | UNDO_CONNECT_ORDER : 0;
    return kinds;
}

uint32_t BMEditor::dataOf(const Layers& layers)
{
    uint32_t data = 0;
    data |= layers.character ? DATA_CHARACTER : 0;
    data |= layers.object ? DATA_OBJECT : 0;
    data |= layers.height ? DATA_HEIGHT : 0;
    data |= layers.placement ? DATA_PLACEMENT : 0;
    return data;
}

BMUndoItem* BMEditor::open(int32_t kind, int32_t value, int32_t cursor)
{
    return m_undoList.add(kind, value, m_scrollX, m_scrollY, cursor);
}

// Object and placement edits renumber the whole map, so every cell holding an object or a
// placement is recorded, not only the selection.
bool BMEditor::hasPlacedData(int x, int y, const Layers& layers) const
{
    return (layers.object && m_data->getByte(BMData::TYPE_OBJECT, 0, ux(x), ux(y)) != 0)
           || (layers.placement && m_data->getByte(BMData::TYPE_CONNECT, 0, ux(x), ux(y)) != 0);
}

void BMEditor::write(int x, int y, const Layers& layers, const BMCellRecord& values)
{
    if (layers.character) {
        m_data->setByte(BMData::TYPE_CHARACTER, values.character, 0, ux(x), ux(y));
    }
    if (layers.object) {
        m_data->setByte(BMData::TYPE_OBJECT, values.object, 0, ux(x), ux(y));
        m_data->setWord(BMData::TYPE_ORDER, values.order, 0, ux(x), ux(y));
    }
    if (layers.height) {
        m_data->setByte(BMData::TYPE_HEIGHT, values.height, 0, ux(x), ux(y));
    }
    // A cell without a group has no placement order: the map file has no slot to keep one in.
    if (layers.placement) {
        const uint16_t order = values.group != 0 ? static_cast<uint16_t>(values.placementOrder) : 0;
        m_data->setByte(BMData::TYPE_CONNECT, static_cast<uint8_t>(values.group), 0, ux(x), ux(y));
        m_data->setWord(BMData::TYPE_CONNECT_ORDER, order, 0, ux(x), ux(y));
    }
}

BMEditor::Layers BMEditor::fitted(const Layers& layers, const BMMapLimits::Write& write)
{
    return {layers.character, write.object, layers.height, write.placement};
}

const ZDBMap& BMEditor::currentMap() const
{
    return *m_data->getBMap(m_data->getCurrent() - 1);
}

uint32_t BMEditor::nextOrder(int kind) const
{
    if (!hasMap()) {
        return 0;
    }
    if (kind == 2) {
        if (m_object >= 1 && m_object < kWallFirst) {
            const uint32_t order = m_data->getWord(BMData::TYPE_CITY_COUNT, 0, 0, 0);
            debug("city order=%d", static_cast<int>(order));
            return order;
        }
        if (m_object >= kWallFirst && m_object < kRoadFirst) {
            const uint32_t order = m_data->getWord(BMData::TYPE_WALL_COUNT, 0, 0, 0);
            debug("wall order=%d", static_cast<int>(order));
            return order;
        }
        if (m_object >= kRoadFirst && m_object <= kObjectLast) {
            const uint32_t order = m_data->getWord(BMData::TYPE_ROAD_COUNT, 0, 0, 0);
            debug("road order=%d", static_cast<int>(order));
            return order;
        }
        return 0;
    }
    if (kind == 8) {
        return m_data->getWord(BMData::TYPE_CONNECT_COUNT, 0, ux(m_groupIndex), 0);
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
    BMChange change = setSelection(layersOf(mode), nullptr, clear);
    HLOG_END("execSet");
    return change;
}

// Every cell that gets a before-record also gets an after-record, so that redo writes back
// exactly what undo took away (cleared cells included).
BMChange BMEditor::setSelection(const Layers& layers, const BMCellRecord* values, bool clear)
{
    BMUndoItem* item = open(kindsOf(layers), 0);
    BMChange change;
    for (int index = 0; index < MAP_CELLS; ++index) {
        const BMPoint cell = BMGeometry::cellOf(index);
        if (inSelection(index) || hasPlacedData(cell.x, cell.y, layers)) {
            item->addB(cell.x, cell.y, *m_data, 0);
            change.cells.push_back(static_cast<uint16_t>(index));
        }
    }
    change.cut = writeSelection(layers, values, clear);
    for (uint16_t index : change.cells) {
        const BMPoint cell = BMGeometry::cellOf(index);
        item->addA(cell.x, cell.y, *m_data, 0);
    }
    change.data = dataOf(layers);
    return change;
}

// New objects and placements are numbered in cell order from their category's count; the
// renumbering then makes the orders of the whole map dense again.
BMLimitCut BMEditor::writeSelection(const Layers& layers, const BMCellRecord* values, bool clear,
                                    const std::vector<uint16_t>& painted)
{
    BMCellRecord current;
    if (values == nullptr) {
        current.character = clear ? 0 : static_cast<uint8_t>(m_character);
        current.object = clear ? 0 : static_cast<uint8_t>(m_object);
        current.height = clear ? 0 : static_cast<uint8_t>(m_height);
        current.group = clear ? 0 : static_cast<uint32_t>(m_groupIndex + 1);
    }
    const BMCellRecord& written = values != nullptr ? *values : current;
    std::vector<bool> taken(MAP_CELLS, false);
    std::vector<BMMapLimits::Write> writes;
    auto take = [&](uint16_t index) {
        if (inSelection(index) && !taken[index]) {
            taken[index] = true;
            writes.push_back({index, layers.object, written.object, layers.placement,
                              static_cast<uint8_t>(written.group)});
        }
    };
    for (uint16_t index : painted) {
        take(index);
    }
    for (int index = 0; index < MAP_CELLS; ++index) {
        take(static_cast<uint16_t>(index));
    }
    const BMLimitCut cut = BMMapLimits::fit(currentMap(), &writes);
    std::vector<const BMMapLimits::Write*> writeOf(MAP_CELLS, nullptr);
    for (const BMMapLimits::Write& write : writes) {
        writeOf[write.cell] = &write;
    }

    uint32_t counter = layers.object ? nextOrder(2) : (layers.placement ? nextOrder(8) : 0);
    const bool renumber = layers.object || layers.placement;
    for (int index = 0; index < MAP_CELLS; ++index) {
        if (writeOf[static_cast<size_t>(index)] == nullptr) {
            continue;
        }
        const Layers fits = fitted(layers, *writeOf[static_cast<size_t>(index)]);
        if (values == nullptr) {
            current.order = clear ? 0 : static_cast<uint16_t>(counter);
            current.placementOrder = clear ? 0 : counter;
            if (!clear && (fits.object || fits.placement)) {
                ++counter;
            }
        }
        const BMPoint cell = BMGeometry::cellOf(index);
        write(cell.x, cell.y, fits, written);
    }
    if (renumber) {
        m_data->correct(0);
    }
    return cut;
}

BMChange BMEditor::execReset()
{
    if (!hasMap()) {
        return BMChange();
    }
    HLOG_START("execReset");
    const Layers all = {true, true, true, true};
    BMUndoItem* item = open(kAllData, 0);
    BMChange change;
    bool everything = true;
    for (int index = 0; index < MAP_CELLS; ++index) {
        const BMPoint cell = BMGeometry::cellOf(index);
        const bool selected = inSelection(index);
        everything = everything && selected;
        if (selected || hasPlacedData(cell.x, cell.y, all)) {
            item->addB(cell.x, cell.y, *m_data, 0);
            change.cells.push_back(static_cast<uint16_t>(index));
        }
    }
    // The whole map as it was read is one the file holds; parts of it mixed with edits may not be.
    if (everything) {
        m_data->restore(BMData::TYPE_MAP, 0, 0, 0);
    } else {
        change.cut = restoreSelection();
    }
    m_data->correct(0);
    for (uint16_t index : change.cells) {
        const BMPoint cell = BMGeometry::cellOf(index);
        item->addA(cell.x, cell.y, *m_data, 0);
    }
    change.data = dataOf(all);
    HLOG_END("execReset");
    return change;
}

BMLimitCut BMEditor::restoreSelection()
{
    const ZDBMap& loaded = m_data->getBMap(m_data->getCurrent() - 1)->getLoaded();
    std::vector<BMMapLimits::Write> writes;
    for (int index = 0; index < MAP_CELLS; ++index) {
        if (inSelection(index)) {
            const BMPoint cell = BMGeometry::cellOf(index);
            writes.push_back({static_cast<uint16_t>(index), true, loaded.getObject(ux(cell.x), ux(cell.y)),
                              true, loaded.getConnect(ux(cell.x), ux(cell.y))});
        }
    }
    const BMLimitCut cut = BMMapLimits::fit(currentMap(), &writes);
    for (const BMMapLimits::Write& write : writes) {
        const BMPoint cell = BMGeometry::cellOf(write.cell);
        std::vector<int> types = {BMData::TYPE_CHARACTER, BMData::TYPE_HEIGHT};
        if (write.object) {
            types.insert(types.end(), {BMData::TYPE_OBJECT, BMData::TYPE_ORDER});
        }
        if (write.placement) {
            types.insert(types.end(), {BMData::TYPE_CONNECT, BMData::TYPE_CONNECT_ORDER});
        }
        for (int type : types) {
            m_data->restore(type, 0, ux(cell.x), ux(cell.y));
        }
    }
    return cut;
}

BMChange BMEditor::selectNone()
{
    BMChange change;
    if (!hasMap()) {
        return change;
    }
    BMUndoItem* item = open(UNDO_SELECTION, 0);
    for (int index = 0; index < MAP_CELLS; ++index) {
        if ((m_marks[index] & CELL_SELECTED) != 0) {
            const BMPoint cell = BMGeometry::cellOf(index);
            item->addB(cell.x, cell.y, *m_data, kSelectionMark);
        }
    }
    std::memset(m_marks, 0, sizeof m_marks);
    change.data = DATA_MARKS;
    return change;
}

BMChange BMEditor::selectAll()
{
    BMChange change;
    if (!hasMap()) {
        return change;
    }
    BMUndoItem* item = open(UNDO_SELECTION, 0);
    for (int index = 0; index < MAP_CELLS; ++index) {
        const BMPoint cell = BMGeometry::cellOf(index);
        if ((m_marks[index] & CELL_SELECTED) != 0) {
            item->addB(cell.x, cell.y, *m_data, kSelectionMark);
        }
        m_marks[index] = CELL_SELECTED;
        item->addA(cell.x, cell.y, *m_data, kSelectionMark);
    }
    change.data = DATA_MARKS;
    return change;
}

void BMEditor::markCells(const std::vector<uint16_t>& cells, uint32_t bits)
{
    for (uint16_t index : cells) {
        if ((bits & CELL_PENDING) != 0 && (m_marks[index] & CELL_PENDING) == 0) {
            m_pendingOrder.push_back(index);
        }
        m_marks[index] |= bits;
    }
}

void BMEditor::clearPending()
{
    setCellMark(-1, -1, CELL_PENDING, false);
    m_pendingOrder.clear();
}

std::vector<uint16_t> BMEditor::pendingCells() const
{
    std::vector<uint16_t> cells;
    std::vector<bool> taken(MAP_CELLS, false);
    if (m_shape != SHAPE_RECT && m_shape != SHAPE_HEX) {
        for (uint16_t index : m_pendingOrder) {
            if ((m_marks[index] & CELL_PENDING) != 0 && !taken[index]) {
                taken[index] = true;
                cells.push_back(index);
            }
        }
    }
    for (int index = 0; index < MAP_CELLS; ++index) {
        if ((m_marks[index] & CELL_PENDING) != 0 && !taken[static_cast<size_t>(index)]) {
            cells.push_back(static_cast<uint16_t>(index));
        }
    }
    return cells;
}

// From the anchor on, so that a line that does not all fit keeps its start.
void BMEditor::markLine(int ax, int ay, int bx, int by, uint32_t bits)
{
    std::vector<uint16_t> cells;
    BMShapes::line(ax, ay, bx, by, &cells);
    std::stable_sort(cells.begin(), cells.end(), [ax, ay](uint16_t a, uint16_t b) {
        return BMBrush::distance({ax, ay}, BMGeometry::cellOf(a))
               < BMBrush::distance({ax, ay}, BMGeometry::cellOf(b));
    });
    markCells(cells, bits);
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
    HLOG_START("undo");
    BMChange change;
    BMUndoItem* item = m_data != nullptr ? m_undoList.undo() : nullptr;
    // Only a change of the list of areas can leave no current map, and only it can bring one.
    if (item != nullptr && !hasMap() && (item->getKind() & UNDO_MAPS) == 0) {
        m_undoList.redo();
        item = nullptr;
    }
    if (item != nullptr) {
        change = apply(*item, false);
    }
    HLOG_END("undo");
    return change;
}

BMChange BMEditor::redo()
{
    HLOG_START("redo");
    BMChange change;
    BMUndoItem* item = m_data != nullptr ? m_undoList.redo() : nullptr;
    if (item != nullptr && !hasMap() && (item->getKind() & UNDO_MAPS) == 0) {
        m_undoList.undo();
        item = nullptr;
    }
    if (item != nullptr) {
        change = apply(*item, true);
    }
    HLOG_END("redo");
    return change;
}

BMChange BMEditor::apply(const BMUndoItem& item, bool redo)
{
    BMChange change;
    const int32_t kind = item.getKind();
    if ((kind & UNDO_AREA) != 0) {
        const uint32_t value = static_cast<uint32_t>(item.getValue());
        const uint32_t map = redo ? (value & 0xFFFF) : (value >> 16);
        m_data->setCurrent(map);
        debug("change area:%u", map);
        change.data = DATA_MAP;
        return change;
    }
    if ((kind & UNDO_MAPS) != 0) {
        if (item.getMapEdit() != nullptr) {
            item.getMapEdit()->apply(*m_data, redo);
        }
        change = BMMapEditor::listChange();
        if (item.getCursor() >= 0 && item.getCursor() < MAP_CELLS) {
            m_cursor = item.getCursor();
        }
        change.scroll = true;
        change.scrollTo = item.getScroll();
        return change;
    }
    if ((kind & UNDO_AREA_RECORD) != 0) {
        return applyAreaRecord(item, redo);
    }
    if ((kind & UNDO_SELECTION) != 0) {
        std::memset(m_marks, 0, sizeof m_marks);
    }
    const size_t count = redo ? item.countA() : item.countB();
    for (size_t i = 0; i < count; ++i) {
        const BMCellRecord& record = *(redo ? item.getA(i) : item.getB(i));
        if (!BMGeometry::inside(record.x, record.y)) {
            continue;
        }
        const uint32_t x = ux(record.x);
        const uint32_t y = ux(record.y);
        if ((kind & UNDO_CHAR) != 0) {
            m_data->setByte(BMData::TYPE_CHARACTER, record.character, 0, x, y);
        }
        if ((kind & UNDO_OBJ) != 0) {
            m_data->setByte(BMData::TYPE_OBJECT, record.object, 0, x, y);
        }
        if ((kind & UNDO_ORDER) != 0) {
            m_data->setWord(BMData::TYPE_ORDER, record.order, 0, x, y);
        }
        if ((kind & UNDO_HEIGHT) != 0) {
            m_data->setByte(BMData::TYPE_HEIGHT, record.height, 0, x, y);
        }
        if ((kind & UNDO_CONNECT) != 0) {
            m_data->setByte(BMData::TYPE_CONNECT, static_cast<uint8_t>(record.group), 0, x, y);
        }
        if ((kind & UNDO_CONNECT_ORDER) != 0) {
            m_data->setWord(BMData::TYPE_CONNECT_ORDER, static_cast<uint16_t>(record.placementOrder),
                            0, x, y);
        }
        if ((kind & UNDO_SELECTION) != 0) {
            m_marks[BMGeometry::index(record.x, record.y)] |= record.mark;
        }
        if ((kind & kAllData) != 0) {
            change.cells.push_back(static_cast<uint16_t>(BMGeometry::index(record.x, record.y)));
        }
    }
    // The category and placement-group counts follow the restored cells (the next save
    // writes them into the map file and the area list). The records hold a renumbered state,
    // so renumbering again changes no cell.
    if ((kind & (UNDO_OBJ | UNDO_ORDER | UNDO_CONNECT | UNDO_CONNECT_ORDER)) != 0) {
        m_data->correct(0);
    }
    const bool object = (kind & (UNDO_OBJ | UNDO_ORDER)) != 0;
    const bool placement = (kind & (UNDO_CONNECT | UNDO_CONNECT_ORDER)) != 0;
    change.data = dataOf({(kind & UNDO_CHAR) != 0, object, (kind & UNDO_HEIGHT) != 0, placement})
                  | DATA_MARKS;
    m_cursor = item.getCursor() >= 0 && item.getCursor() < MAP_CELLS ? item.getCursor() : m_cursor;
    change.cursor = true;
    change.scroll = true;
    change.scrollTo = item.getScroll();
    return change;
}

BMChange BMEditor::applyAreaRecord(const BMUndoItem& item, bool redo)
{
    BMChange change;
    const ZDArea* record = redo ? item.getAreaA() : item.getAreaB();
    ZDEditArea* area = m_data->getArea(static_cast<uint32_t>(item.getValue()) - 1);
    if (record != nullptr && area != nullptr) {
        area->setFields(*record);
        change.data = DATA_AREA_RECORD;
    }
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
    open(UNDO_AREA_RECORD, static_cast<int32_t>(number))->setAreaRecords(before, after);
    area->setFields(after);
    change.data = DATA_AREA_RECORD;
    HLOG_END("editArea");
    return change;
}

void BMEditor::changeAreaSelection(uint32_t from, uint32_t to)
{
    HLOG_START("changeAreaSelection");
    debug("from=%u to=%u", from, to);
    open(UNDO_AREA, static_cast<int32_t>((from << 16) | (to & 0xFFFF)));
    HLOG_END("changeAreaSelection");
}

std::string BMEditor::copySelection() const
{
    if (!hasMap()) {
        return std::string();
    }
    std::vector<BMCellRecord> records;
    BMPoint origin = {-1, -1};
    for (int index = 0; index < MAP_CELLS; ++index) {
        if (!inSelection(index)) {
            continue;
        }
        const BMPoint cell = BMGeometry::cellOf(index);
        if (origin.x < 0) {
            origin = cell;
        }
        records.push_back(BMCellRecord::fromMap(*m_data, cell.x, cell.y, origin.x, origin.y, 0));
    }
    return BMClipboardText::write(records);
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
    const Layers layers = layersOf(m_editMode);
    if (records.size() == 1) {
        *change = setSelection(layers, &records[0], false);
    } else {
        *change = pasteRegion(layers, records);
    }
    return true;
}

// Records land relative to the cursor cell. Rows of the other parity than the copy's first row
// move half a cell when the cursor row's parity differs from it, so that every cell keeps its
// neighbours. The paste becomes the selection.
//
// The undo item records every cell whose mark word or data the paste can change: the targets,
// every marked cell, and with objects or placements every cell the renumbering may touch.
// Undo zeroes all marks first, so cells left out had none to restore.
BMChange BMEditor::pasteRegion(const Layers& layers, const std::vector<BMCellRecord>& records)
{
    std::vector<int> targets(records.size(), -1);
    std::vector<bool> target(MAP_CELLS, false);
    const BMPoint origin = getCursor();
    const bool cursorOdd = (origin.y & 1) != 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const BMCellRecord& record = records[i];
        int x = origin.x + record.x;
        const int y = origin.y + record.y;
        const bool copyOdd = (record.originRow & 1) != 0;
        const bool rowOdd = (y & 1) != 0;
        if (copyOdd && !cursorOdd && rowOdd) {
            --x;
        } else if (!copyOdd && cursorOdd && !rowOdd) {
            ++x;
        }
        if (BMGeometry::inside(x, y)) {
            targets[i] = BMGeometry::index(x, y);
            target[static_cast<size_t>(targets[i])] = true;
        }
    }

    BMUndoItem* item = open(kindsOf(layers) | UNDO_SELECTION, 0);
    BMChange change;
    std::vector<uint16_t> recorded;
    for (int index = 0; index < MAP_CELLS; ++index) {
        const BMPoint cell = BMGeometry::cellOf(index);
        const bool placed = hasPlacedData(cell.x, cell.y, layers);
        if (target[static_cast<size_t>(index)] || placed) {
            change.cells.push_back(static_cast<uint16_t>(index));
        } else if (m_marks[index] == 0) {
            continue;
        }
        item->addB(cell.x, cell.y, *m_data, m_marks[index]);
        recorded.push_back(static_cast<uint16_t>(index));
        m_marks[index] &= ~CELL_SELECTED;
    }
    // The records are placed in their order, as far as the map file holds them.
    std::vector<BMMapLimits::Write> writes;
    std::vector<size_t> recordOf;
    for (size_t i = 0; i < records.size(); ++i) {
        if (targets[i] >= 0) {
            writes.push_back({static_cast<uint16_t>(targets[i]), layers.object, records[i].object,
                              layers.placement, static_cast<uint8_t>(records[i].group)});
            recordOf.push_back(i);
        }
    }
    change.cut = BMMapLimits::fit(currentMap(), &writes);
    for (size_t k = 0; k < writes.size(); ++k) {
        const BMPoint cell = BMGeometry::cellOf(writes[k].cell);
        m_marks[writes[k].cell] |= CELL_SELECTED;
        write(cell.x, cell.y, fitted(layers, writes[k]), records[recordOf[k]]);
    }
    if (layers.object || layers.placement) {
        m_data->correct(0);
    }
    for (uint16_t index : recorded) {
        const BMPoint cell = BMGeometry::cellOf(index);
        item->addA(cell.x, cell.y, *m_data, m_marks[index]);
    }
    change.data = dataOf(layers) | DATA_MARKS;
    return change;
}

void BMEditor::reloadBorderFile()
{
    m_borderProperties.clear();
    m_borderProperties.load(HFile(kBorderFile));
}

void BMEditor::loadBorderTable()
{
    const std::string name =
        m_data != nullptr ? m_data->getScenarioDirectory().getName() : std::string();
    m_undoList.clear();
    if (name.empty()) {
        return;
    }
    const size_t count = m_borderProperties.getCount("names");
    for (size_t i = 0; i < count; ++i) {
        if (m_borderProperties.getString("names", i) == name) {
            debug("bdr:use properties");
            m_borderTable.load(m_borderProperties, name);
            return;
        }
    }
    debug("bdr:use default");
    m_borderTable.loadDefault();
}

int BMEditor::findBorderChip(uint32_t mask, int group, bool exact) const
{
    return m_borderTable.find(mask, group, exact);
}

BMChange BMEditor::execSetBorder()
{
    BMChange change;
    if (!hasMap()) {
        return change;
    }
    HLOG_START("execSetBorder");
    BMUndoItem* item = open(UNDO_CHAR, 0);
    for (int index = 0; index < MAP_CELLS; ++index) {
        if (inSelection(index)) {
            const BMPoint cell = BMGeometry::cellOf(index);
            item->addB(cell.x, cell.y, *m_data, 0);
            change.cells.push_back(static_cast<uint16_t>(index));
        }
    }
    traceSelection();
    for (uint16_t index : change.cells) {
        const BMPoint cell = BMGeometry::cellOf(index);
        item->addA(cell.x, cell.y, *m_data, 0);
    }
    change.data = DATA_CHARACTER;
    HLOG_END("execSetBorder");
    return change;
}

// Each horizontal run of the selection starts at most one trace, at its leftmost cell that no
// earlier trace has passed. The trace marks go again afterwards.
void BMEditor::traceSelection()
{
    BMBorderTracer tracer(*m_data, m_marks, m_borderTable, m_borderToggle);
    const int group = m_borderTable.getGroup(m_character);
    for (int y = 0; y < MAP_SIZE; ++y) {
        bool run = false;
        for (int x = 0; x < MAP_SIZE; ++x) {
            const int index = BMGeometry::index(x, y);
            if (!inSelection(index)) {
                run = false;
                continue;
            }
            if (!run && (m_marks[index] & CELL_TRACED) == 0) {
                tracer.trace(x, y, group);
                m_marks[index] &= ~CELL_RETRACED;
            }
            run = true;
        }
    }
    m_borderToggle = !m_borderToggle;
    for (uint32_t& mark : m_marks) {
        mark &= ~(CELL_TRACED | CELL_RETRACED);
    }
}

// The undo item records every cell whose mark or data the step can change: the old and the
// new selection, the cursor, and when objects or placements are set every cell the
// renumbering may touch. Undo zeroes all marks first, so cells left out had none to restore;
// pending marks are not restored.
BMChange BMEditor::selectRegion(const std::vector<uint16_t>& cells, bool join, int cursor, bool set)
{
    HLOG_START("selectRegion");
    const Layers none = {false, false, false, false};
    const Layers layers = set ? layersOf(m_editMode) : none;
    std::vector<bool> region(MAP_CELLS, false);
    for (uint16_t index : cells) {
        region[index] = true;
    }
    BMUndoItem* item = open(UNDO_SELECTION | kindsOf(layers), 0, cursor);
    BMChange change;
    std::vector<uint16_t> recorded;
    for (int index = 0; index < MAP_CELLS; ++index) {
        const BMPoint cell = BMGeometry::cellOf(index);
        const bool selected = (m_marks[index] & CELL_SELECTED) != 0;
        if (selected || region[static_cast<size_t>(index)] || index == cursor
            || (set && hasPlacedData(cell.x, cell.y, layers))) {
            item->addB(cell.x, cell.y, *m_data, selected ? kSelectionMark : 0);
            recorded.push_back(static_cast<uint16_t>(index));
        }
    }
    for (int index = 0; index < MAP_CELLS; ++index) {
        uint32_t& mark = m_marks[index];
        const bool selected = region[static_cast<size_t>(index)] || (join && (mark & CELL_SELECTED) != 0);
        mark = (mark & ~(CELL_SELECTED | CELL_PENDING)) | (selected ? CELL_SELECTED : 0);
    }
    m_pendingOrder.clear();
    m_cursor = cursor;
    if (set && m_editMode == MODE_BORDER) {
        traceSelection();
    } else if (set) {
        change.cut = writeSelection(layers, nullptr, false, cells);
    }
    for (uint16_t index : recorded) {
        const BMPoint cell = BMGeometry::cellOf(index);
        const bool selected = (m_marks[index] & CELL_SELECTED) != 0;
        item->addA(cell.x, cell.y, *m_data, selected ? kSelectionMark : 0);
    }
    if (set) {
        change.cells = recorded;
        change.data = dataOf(layers);
    }
    change.data |= DATA_MARKS;
    change.cursor = true;
    HLOG_END("selectRegion");
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

void BMEditor::markFill(int x, int y, BMFloodFill::Reach reach)
{
    if (BMGeometry::inside(x, y)) {
        clearPending();
        markCells(fillRegion(BMGeometry::index(x, y), reach), CELL_PENDING);
    }
}

void BMEditor::markBrush(int x, int y)
{
    std::vector<uint16_t> cells;
    BMBrush::stroke(m_strokeCell, {x, y}, m_brushRadius, &cells);
    markCells(cells, CELL_PENDING);
    m_strokeCell = {x, y};
}

BMChange BMEditor::pressCell(int x, int y, BMFloodFill::Reach reach)
{
    BMChange change;
    if (!hasMap() || !BMGeometry::inside(x, y)) {
        return change;
    }
    const int index = BMGeometry::index(x, y);
    const bool direct = m_mouseMode == MOUSE_DIRECT;
    if (m_shape == SHAPE_FILL) {
        return selectRegion(fillRegion(index, reach), false, index, direct);
    }
    if (index == m_cursor) {
        return change;
    }
    if (direct) {
        std::vector<uint16_t> cells;
        if (paintsWithBrush() && m_brushRadius > 0) {
            BMBrush::stamp({x, y}, m_brushRadius, &cells);
        }
        return selectRegion(cells, false, index, true);
    }
    if (anySelected()) {
        BMUndoItem* item = open(UNDO_SELECTION, 0, index);
        for (int i = 0; i < MAP_CELLS; ++i) {
            if ((m_marks[i] & CELL_SELECTED) != 0) {
                const BMPoint cell = BMGeometry::cellOf(i);
                item->addB(cell.x, cell.y, *m_data, kSelectionMark);
            }
        }
        std::memset(m_marks, 0, sizeof m_marks);
    }
    m_cursor = index;
    change.cursor = true;
    change.data |= DATA_MARKS;
    return change;
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
    m_pendingOrder.clear();
    markCells({static_cast<uint16_t>(m_cursor)}, CELL_PENDING);
    m_strokeCell = {x, y};
    if (m_shape == SHAPE_FILL) {
        markFill(x, y, reach);
    } else if (paintsWithBrush()) {
        markBrush(x, y);
    }
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
    if (m_shape == SHAPE_FILL) {
        markFill(x, y, reach);
    } else if (paintsWithBrush()) {
        markBrush(x, y);
    } else if (m_shape == SHAPE_FREE) {
        if (BMGeometry::inside(x, y)) {
            markCells({static_cast<uint16_t>(BMGeometry::index(x, y))}, CELL_PENDING);
        }
    } else {
        clearPending();
        if (m_shape == SHAPE_LINE) {
            markLine(anchorX, anchorY, x, y, CELL_PENDING);
        } else if (m_shape == SHAPE_RECT) {
            markRect(anchorX, anchorY, x, y, CELL_PENDING);
        } else if (m_shape == SHAPE_HEX) {
            markHexagon(anchorX, anchorY, x, y, CELL_PENDING);
        }
    }
    change.data = DATA_MARKS;
    return change;
}

// The pending cells join the selection in select mode; in direct mode they replace it and get
// the current value, in the same undo step.
BMChange BMEditor::endDrag(int x, int y)
{
    if (!hasMap()) {
        return BMChange();
    }
    // A border is drawn along the stroke, so its cursor stays where the stroke began.
    const bool keepCursor = m_editMode == MODE_BORDER && (m_shape == SHAPE_FREE || m_shape == SHAPE_LINE);
    const int cursor = !keepCursor && BMGeometry::inside(x, y) ? BMGeometry::index(x, y) : m_cursor;
    // A brush stroke reaches the cell it ends on, also when the last moves fell on cell edges
    // and were passed over.
    if (paintsWithBrush() && BMGeometry::inside(m_strokeCell.x, m_strokeCell.y)) {
        markBrush(x, y);
    }
    const bool direct = m_mouseMode == MOUSE_DIRECT;
    return selectRegion(pendingCells(), !direct, cursor, direct);
}
