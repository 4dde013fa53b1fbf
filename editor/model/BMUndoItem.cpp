#include "editor/model/BMUndoItem.h"

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMLayers.h"

BMUndoItem::BMUndoItem()
{
    setClassName("BMUndoItem");
}

BMUndoItem::~BMUndoItem() = default;

void BMUndoItem::clear()
{
    m_kind = 0;
    m_value = 0;
    m_before.clear();
    m_after.clear();
}

BMChange BMUndoItem::apply(BMEditor& editor, bool redo) const
{
    BMChange change;
    BMData& data = *editor.getData();
    const int32_t kind = m_kind;
    if ((kind & UNDO_SELECTION) != 0) {
        editor.setCellMark(-1, -1, 0, false);
    }
    const int32_t cellData = UNDO_CHAR | UNDO_OBJ | UNDO_ORDER | UNDO_HEIGHT | UNDO_CONNECT
                             | UNDO_CONNECT_ORDER;
    const size_t count = redo ? countA() : countB();
    for (size_t i = 0; i < count; ++i) {
        const BMCellRecord& record = *(redo ? getA(i) : getB(i));
        if (!BMGeometry::inside(record.x, record.y)) {
            continue;
        }
        const uint32_t x = static_cast<uint32_t>(record.x);
        const uint32_t y = static_cast<uint32_t>(record.y);
        if ((kind & UNDO_CHAR) != 0) {
            data.setByte(BMData::TYPE_CHARACTER, record.character, 0, x, y);
        }
        if ((kind & UNDO_OBJ) != 0) {
            data.setByte(BMData::TYPE_OBJECT, record.object, 0, x, y);
        }
        if ((kind & UNDO_ORDER) != 0) {
            data.setWord(BMData::TYPE_ORDER, record.order, 0, x, y);
        }
        if ((kind & UNDO_HEIGHT) != 0) {
            data.setByte(BMData::TYPE_HEIGHT, record.height, 0, x, y);
        }
        if ((kind & UNDO_CONNECT) != 0) {
            data.setByte(BMData::TYPE_CONNECT, static_cast<uint8_t>(record.group), 0, x, y);
        }
        if ((kind & UNDO_CONNECT_ORDER) != 0) {
            data.setWord(BMData::TYPE_CONNECT_ORDER, static_cast<uint16_t>(record.placementOrder),
                         0, x, y);
        }
        if ((kind & UNDO_SELECTION) != 0 && record.mark != 0) {
            editor.setCellMark(record.x, record.y, record.mark, true);
        }
        if ((kind & cellData) != 0) {
            change.cells.push_back(static_cast<uint16_t>(BMGeometry::index(record.x, record.y)));
        }
    }
    // The category and placement-group counts follow the restored cells (the next save
    // writes them into the map file and the area list). The records hold a renumbered state,
    // so renumbering again changes no cell.
    const BMLayers layers = BMLayers::ofKinds(kind);
    if (layers.renumbers()) {
        data.correct(0);
    }
    change.data = layers.data() | DATA_MARKS;
    const BMPoint cursor = BMGeometry::cellOf(m_cursor);
    if (m_cursor >= 0 && m_cursor < MAP_CELLS) {
        editor.setCursor(cursor.x, cursor.y);
    }
    change.cursor = true;
    change.scroll = true;
    change.scrollTo = getScroll();
    return change;
}

void BMUndoItem::addB(int x, int y, const BMData& data, uint32_t mark)
{
    debug("addB(%d,%d)", x, y);
    m_before.push_back(BMCellRecord::fromMap(data, x, y, 0, 0, mark));
}

void BMUndoItem::addA(int x, int y, const BMData& data, uint32_t mark)
{
    debug("addA(%d,%d)", x, y);
    m_after.push_back(BMCellRecord::fromMap(data, x, y, 0, 0, mark));
}

void BMUndoItem::type(int32_t kind, int32_t value)
{
    debug("type(%d,%d)", kind, value);
    m_kind = kind;
    m_value = value;
}

void BMUndoItem::setView(int32_t scrollX, int32_t scrollY, int32_t cursor)
{
    m_scrollX = scrollX;
    m_scrollY = scrollY;
    m_cursor = cursor;
}

size_t BMUndoItem::countB() const { return m_before.size(); }
size_t BMUndoItem::countA() const { return m_after.size(); }

const BMCellRecord* BMUndoItem::getB(size_t i) const
{
    return i < m_before.size() ? &m_before[i] : nullptr;
}

const BMCellRecord* BMUndoItem::getA(size_t i) const
{
    return i < m_after.size() ? &m_after[i] : nullptr;
}

int32_t BMUndoItem::getKind() const { return m_kind; }
int32_t BMUndoItem::getValue() const { return m_value; }
BMPoint BMUndoItem::getScroll() const { return {m_scrollX, m_scrollY}; }
int32_t BMUndoItem::getCursor() const { return m_cursor; }

size_t BMUndoItem::recordBytes() const
{
    return (m_before.capacity() + m_after.capacity()) * sizeof(BMCellRecord);
}
