#include "editor/model/BMAreaRecordUndo.h"

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "scenario/ZDEditArea.h"

BMAreaRecordUndo::BMAreaRecordUndo(uint32_t number, const ZDArea& before, const ZDArea& after)
    : m_before(before), m_after(after)
{
    setClassName("BMAreaRecordUndo");
    type(UNDO_AREA_RECORD, static_cast<int32_t>(number));
}

BMChange BMAreaRecordUndo::apply(BMEditor& editor, bool redo) const
{
    BMChange change;
    ZDEditArea* area = editor.getData()->getArea(static_cast<uint32_t>(getValue()) - 1);
    if (area != nullptr) {
        area->setFields(redo ? m_after : m_before);
        change.data = DATA_AREA_RECORD;
    }
    return change;
}
