#pragma once

#include <cstdint>
#include <vector>

#include "editor/model/BMCellRecord.h"
#include "editor/model/BMLayers.h"
#include "editor/model/BMUndoItem.h"

class ZDBMap;

// A replace across maps (UNDO_REPLACE): for every map it changed, the cells that differ, as
// they were and as they became, so that undo and redo write back every byte of every map,
// orders and refitted walls included, whichever map is current.
class BMReplaceUndo : public BMUndoItem {
public:
    explicit BMReplaceUndo(const BMLayers& layers);

    // Records the cells where before and after differ; nothing when none does.
    void addMap(uint32_t number, const ZDBMap& before, const ZDBMap& after);
    bool empty() const { return m_maps.empty(); }

    BMChange apply(BMEditor& editor, bool redo) const override;

private:
    struct MapCells {
        uint32_t number;  // 1-based
        std::vector<BMCellRecord> before;
        std::vector<BMCellRecord> after;
    };

    BMLayers m_layers;
    std::vector<MapCells> m_maps;
};
