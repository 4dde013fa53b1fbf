#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/model/BMUndoItem.h"
#include "framework/base/HObject.h"

// The bounded history of map edits and selection changes. Items before the position can be
// undone, items from it on redone; a new item drops the redo branch, and past 256 items the
// oldest goes.
class BMUndoList : public HObject {
public:
    static constexpr size_t MAX_ITEMS = 0x100;

    BMUndoList();
    ~BMUndoList() override;

    // A new item of cell records, owned by the list; the caller adds its records right after.
    BMUndoItem* add(int32_t kind, int32_t value, int32_t scrollX, int32_t scrollY,
                    int32_t cursor);
    // Files the item of an action with the view to go back to; returns it.
    BMUndoItem* add(std::unique_ptr<BMUndoItem> item, int32_t scrollX, int32_t scrollY,
                    int32_t cursor);
    // The item to undo (the position moves back onto it), or nullptr at the start.
    BMUndoItem* undo();
    // The item to redo (the position moves past it), or nullptr at the end.
    BMUndoItem* redo();
    void clear();

    size_t getCount() const { return m_items.size(); }
    size_t getPosition() const { return m_position; }
    // Bytes the items' records hold.
    size_t recordBytes() const;

private:
    std::vector<std::unique_ptr<BMUndoItem>> m_items;  // oldest first
    size_t m_position = 0;
};
