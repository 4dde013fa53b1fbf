#pragma once

#include <memory>

#include "editor/model/BMUndoItem.h"

class BMMapEdit;

// A change of the list of areas (UNDO_MAPS): an area with its map put in, taken out or moved.
// Undo and redo change what the edit holds (the area out of the list), so it stays changeable
// through a const item.
class BMAreaListUndo : public BMUndoItem {
public:
    explicit BMAreaListUndo(std::unique_ptr<BMMapEdit> edit);
    ~BMAreaListUndo() override;

    BMChange apply(BMEditor& editor, bool redo) const override;
    // Only a change of the list can bring a current map back.
    bool needsMap() const override { return false; }

private:
    std::unique_ptr<BMMapEdit> m_edit;
};
