#include "editor/model/BMCurrentMapUndo.h"

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"

BMCurrentMapUndo::BMCurrentMapUndo(uint32_t from, uint32_t to)
{
    setClassName("BMCurrentMapUndo");
    type(UNDO_AREA, static_cast<int32_t>((from << 16) | (to & 0xFFFF)));
}

BMChange BMCurrentMapUndo::apply(BMEditor& editor, bool redo) const
{
    const uint32_t value = static_cast<uint32_t>(getValue());
    const uint32_t map = redo ? (value & 0xFFFF) : (value >> 16);
    editor.getData()->setCurrent(map);
    debug("change area:%u", map);
    BMChange change;
    change.data = DATA_MAP;
    return change;
}
