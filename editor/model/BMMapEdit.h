#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "scenario/ZDEditArea.h"
#include "scenario/ZDEditBMap.h"

class BMData;

// One change of the list of areas as the undo history keeps it: an area with its map put in,
// taken out or moved. While an inserted area is undone, or a removed one is removed, this
// holds the area and its map, whole. Redo makes the change again; undo takes it back and puts
// every group link and the current map back as they were before it, exactly (links to a
// removed area, which became 0, included).
class BMMapEdit {
public:
    enum Kind { INSERT, REMOVE, MOVE };

    // index: where the area is put, taken from, or moved from; to: where a move puts it.
    // current: the current map number before the change.
    BMMapEdit(Kind kind, uint32_t index, uint32_t to, uint32_t current);
    ~BMMapEdit();
    BMMapEdit(const BMMapEdit&) = delete;
    BMMapEdit& operator=(const BMMapEdit&) = delete;

    // The area and map an insert puts in.
    void hold(std::unique_ptr<ZDEditArea> area, std::unique_ptr<ZDEditBMap> map);
    // Makes the change (redo) or takes it back, and sets the current map: the new area, the one
    // moved, or the one in the removed area's place (the new last one when it was the last).
    // False, with nothing changed, when the list does not fit the change.
    bool apply(BMData& data, bool redo);

    Kind getKind() const { return m_kind; }

private:
    bool forward(BMData& data);
    bool backward(BMData& data);
    uint32_t currentAfter(const BMData& data) const;

    Kind m_kind;
    uint32_t m_index;
    uint32_t m_to;
    uint32_t m_currentBefore;
    std::unique_ptr<ZDEditArea> m_area;  // while out of the list
    std::unique_ptr<ZDEditBMap> m_map;
    std::vector<int32_t> m_links;  // every area's links before the change, 8 per area
};
