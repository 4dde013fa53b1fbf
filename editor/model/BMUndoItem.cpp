#include "editor/model/BMUndoItem.h"

#include "editor/model/BMData.h"
#include "editor/model/BMMapEdit.h"
#include "scenario/ZDArea.h"

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
    m_mapEdit.reset();
    m_areaBefore.reset();
    m_areaAfter.reset();
}

void BMUndoItem::setMapEdit(std::unique_ptr<BMMapEdit> edit)
{
    m_mapEdit = std::move(edit);
}

void BMUndoItem::setAreaRecords(const ZDArea& before, const ZDArea& after)
{
    m_areaBefore.reset(new ZDArea(before));
    m_areaAfter.reset(new ZDArea(after));
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
