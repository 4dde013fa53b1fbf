#include "editor/model/BMUndoList.h"

BMUndoList::BMUndoList()
{
    setClassName("BMUndoList");
}

BMUndoList::~BMUndoList() = default;

BMUndoItem* BMUndoList::add(int32_t kind, int32_t value, int32_t scrollX, int32_t scrollY,
                            int32_t cursor)
{
    std::unique_ptr<BMUndoItem> item(new BMUndoItem());
    item->type(kind, value);
    return add(std::move(item), scrollX, scrollY, cursor);
}

BMUndoItem* BMUndoList::add(std::unique_ptr<BMUndoItem> item, int32_t scrollX, int32_t scrollY,
                            int32_t cursor)
{
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(m_position), m_items.end());
    item->setView(scrollX, scrollY, cursor);
    m_items.push_back(std::move(item));
    if (m_items.size() > MAX_ITEMS) {
        m_items.erase(m_items.begin(),
                      m_items.begin() + static_cast<std::ptrdiff_t>(m_items.size() - MAX_ITEMS));
    }
    m_position = m_items.size();
    return m_items.back().get();
}

BMUndoItem* BMUndoList::undo()
{
    if (m_position == 0) {
        return nullptr;
    }
    --m_position;
    return m_items[m_position].get();
}

BMUndoItem* BMUndoList::redo()
{
    if (m_position >= m_items.size()) {
        return nullptr;
    }
    return m_items[m_position++].get();
}

void BMUndoList::clear()
{
    m_items.clear();
    m_position = 0;
}

size_t BMUndoList::recordBytes() const
{
    size_t bytes = 0;
    for (const std::unique_ptr<BMUndoItem>& item : m_items) {
        bytes += item->recordBytes();
    }
    return bytes;
}
