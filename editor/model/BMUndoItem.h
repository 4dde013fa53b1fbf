#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/model/BMCellRecord.h"
#include "editor/model/BMConstants.h"
#include "framework/base/HObject.h"

class BMData;
class BMMapEdit;
class ZDArea;

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
constexpr int32_t UNDO_MAPS = 0x800;       // a change of the list of areas (getMapEdit)
constexpr int32_t UNDO_AREA_RECORD = 0x1000;  // an area's record; value: the area's number

// One user action: what it touched, the view to go back to, and the cells as they were
// before it (B) and after it (A). The records of each list lie together in one block.
class BMUndoItem : public HObject {
public:
    BMUndoItem();
    ~BMUndoItem() override;

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

    // The change of the list of areas an UNDO_MAPS item undoes and redoes; owned. Undo and
    // redo change what it holds, so it stays changeable through a const item.
    void setMapEdit(std::unique_ptr<BMMapEdit> edit);
    BMMapEdit* getMapEdit() const { return m_mapEdit.get(); }

    // For UNDO_AREA_RECORD: the area's record before and after the action (copies).
    void setAreaRecords(const ZDArea& before, const ZDArea& after);
    // nullptr when the item holds no area record.
    const ZDArea* getAreaB() const { return m_areaBefore.get(); }
    const ZDArea* getAreaA() const { return m_areaAfter.get(); }

private:
    int32_t m_kind = 0;
    int32_t m_value = 0;
    std::vector<BMCellRecord> m_before;
    std::vector<BMCellRecord> m_after;
    int32_t m_scrollX = 0;
    int32_t m_scrollY = 0;
    int32_t m_cursor = 0;
    std::unique_ptr<BMMapEdit> m_mapEdit;
    std::unique_ptr<ZDArea> m_areaBefore;
    std::unique_ptr<ZDArea> m_areaAfter;
};
