#pragma once

#include <cstdint>

#include "editor/model/BMUndoItem.h"
#include "scenario/ZDArea.h"

// A change of one area's record (UNDO_AREA_RECORD; the value is the area's number, 1-based):
// its name, values, links and music before and after.
class BMAreaRecordUndo : public BMUndoItem {
public:
    BMAreaRecordUndo(uint32_t number, const ZDArea& before, const ZDArea& after);

    BMChange apply(BMEditor& editor, bool redo) const override;

private:
    ZDArea m_before;
    ZDArea m_after;
};
