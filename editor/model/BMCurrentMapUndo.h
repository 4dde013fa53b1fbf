#pragma once

#include <cstdint>

#include "editor/model/BMUndoItem.h"

// A change of the current map (UNDO_AREA): undo goes back to map from, redo to map to.
class BMCurrentMapUndo : public BMUndoItem {
public:
    BMCurrentMapUndo(uint32_t from, uint32_t to);

    BMChange apply(BMEditor& editor, bool redo) const override;
};
