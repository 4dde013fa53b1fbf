#pragma once

#include <cstdint>
#include <vector>

#include "editor/model/BMCellRecord.h"
#include "editor/model/BMChange.h"
#include "editor/model/BMConstants.h"
#include "editor/model/BMGeometry.h"
#include "framework/base/HObject.h"

class BMData;
class BMEditor;

// Kinds of cell data an undo item touched (OR of the bits); each names the layer that undo
// and redo write from the records.
constexpr int32_t UNDO_CHAR = 0x001;
constexpr int32_t UNDO_OBJ = 0x002;
constexpr int32_t UNDO_ORDER = 0x004;
constexpr int32_t UNDO_HEIGHT = 0x008;
constexpr int32_t UNDO_CONNECT = 0x010;
constexpr int32_t UNDO_CONNECT_ORDER = 0x020;
constexpr int32_t UNDO_SELECTION = 0x040;  // the cells' mark words
constexpr int32_t UNDO_AREA = 0x400;       // a change of the current map; no records
constexpr int32_t UNDO_MAPS = 0x800;       // a change of the list of areas
constexpr int32_t UNDO_AREA_RECORD = 0x1000;  // an area's record; value: the area's number
constexpr int32_t UNDO_REPLACE = 0x2000;      // cells of several maps; value: 0

// One user action: what it touched, the view to go back to, and the cells as they were
// before it (B) and after it (A). The records of each list lie together in one block. An item
// undoes and redoes itself: this one writes its records back (the layers its kind names, and
// the mark words with UNDO_SELECTION); the items of other actions override apply.
class BMUndoItem : public HObject {
public:
    BMUndoItem();
    ~BMUndoItem() override;

    // Takes the action back (redo false) or makes it again, on the editor's current map, and
    // says what changed.
    virtual BMChange apply(BMEditor& editor, bool redo) const;
    // False for an action that can bring a current map where there is none.
    virtual bool needsMap() const { return true; }

    // Records each cell as it is, makes the change, and records the cells again, so that undo
    // and redo write back exactly the cells the change may touch. The records keep the bits
    // keep of each cell's mark word (marks by cell index; none without marks).
    template <typename Change>
    void record(const BMData& data, const std::vector<uint16_t>& cells, const uint32_t* marks,
                uint32_t keep, Change change)
    {
        for (uint16_t index : cells) {
            const BMPoint cell = BMGeometry::cellOf(index);
            addB(cell.x, cell.y, data, marks != nullptr ? marks[index] & keep : 0);
        }
        change();
        for (uint16_t index : cells) {
            const BMPoint cell = BMGeometry::cellOf(index);
            addA(cell.x, cell.y, data, marks != nullptr ? marks[index] & keep : 0);
        }
    }

    // Kind and value 0, no records.
    virtual void clear();
    // Appends a record of cell (x, y) of the current map (origin (0, 0)).
    virtual void addB(int x, int y, const BMData& data, uint32_t mark);
    virtual void addA(int x, int y, const BMData& data, uint32_t mark);
    // For UNDO_AREA the value is (from map << 16) | (to map & 0xFFFF); otherwise 0.
    virtual void type(int32_t kind, int32_t value);
    virtual void setView(int32_t scrollX, int32_t scrollY, int32_t cursor);
    virtual size_t countB() const;
    virtual size_t countA() const;
    // nullptr when i is not below the count.
    virtual const BMCellRecord* getB(size_t i) const;
    virtual const BMCellRecord* getA(size_t i) const;
    virtual int32_t getKind() const;
    virtual int32_t getValue() const;
    virtual BMPoint getScroll() const;
    virtual int32_t getCursor() const;

    // Bytes held by the records, for the memory figures of the history.
    size_t recordBytes() const;

private:
    int32_t m_kind = 0;
    int32_t m_value = 0;
    std::vector<BMCellRecord> m_before;
    std::vector<BMCellRecord> m_after;
    int32_t m_scrollX = 0;
    int32_t m_scrollY = 0;
    int32_t m_cursor = 0;
};
