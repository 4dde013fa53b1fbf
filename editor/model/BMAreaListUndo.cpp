#include "editor/model/BMAreaListUndo.h"

#include "editor/model/BMEditor.h"
#include "editor/model/BMMapEdit.h"
#include "editor/model/BMMapEditor.h"

BMAreaListUndo::BMAreaListUndo(std::unique_ptr<BMMapEdit> edit) : m_edit(std::move(edit))
{
    setClassName("BMAreaListUndo");
    type(UNDO_MAPS, 0);
}

BMAreaListUndo::~BMAreaListUndo() = default;

BMChange BMAreaListUndo::apply(BMEditor& editor, bool redo) const
{
    m_edit->apply(*editor.getData(), redo);
    BMChange change = BMMapEditor::listChange();
    const int32_t cursor = getCursor();
    if (cursor >= 0 && cursor < MAP_CELLS) {
        editor.setCursor(BMGeometry::cellOf(cursor).x, BMGeometry::cellOf(cursor).y);
    }
    change.scroll = true;
    change.scrollTo = getScroll();
    return change;
}
