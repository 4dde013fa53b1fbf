#include "editor/model/BMReplaceUndo.h"

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"
#include "scenario/ZDBMap.h"

namespace {

BMCellRecord recordOf(const ZDBMap& map, uint32_t x, uint32_t y)
{
    BMCellRecord record;
    record.x = static_cast<int32_t>(x);
    record.y = static_cast<int32_t>(y);
    record.character = map.getCharacter(x, y);
    record.object = map.getObject(x, y);
    record.order = map.getOrder(x, y);
    record.height = map.getHeight(x, y);
    record.group = map.getConnect(x, y);
    record.placementOrder = map.getConnectOrder(x, y);
    return record;
}

bool sameCell(const ZDBMap& a, const ZDBMap& b, uint32_t x, uint32_t y)
{
    return a.getCharacter(x, y) == b.getCharacter(x, y) && a.getObject(x, y) == b.getObject(x, y)
           && a.getOrder(x, y) == b.getOrder(x, y) && a.getHeight(x, y) == b.getHeight(x, y)
           && a.getConnect(x, y) == b.getConnect(x, y)
           && a.getConnectOrder(x, y) == b.getConnectOrder(x, y);
}

void writeRecord(ZDBMap& map, const BMCellRecord& record)
{
    const uint32_t x = static_cast<uint32_t>(record.x);
    const uint32_t y = static_cast<uint32_t>(record.y);
    map.setCharacter(x, y, record.character);
    map.setObject(x, y, record.object);
    map.setOrder(x, y, record.order);
    map.setHeight(x, y, record.height);
    map.setConnect(x, y, static_cast<uint8_t>(record.group));
    map.setConnectOrder(x, y, static_cast<uint16_t>(record.placementOrder));
}

}  // namespace

BMReplaceUndo::BMReplaceUndo(const BMLayers& layers) : m_layers(layers)
{
    setClassName("BMReplaceUndo");
    type(UNDO_REPLACE, 0);
}

void BMReplaceUndo::addMap(uint32_t number, const ZDBMap& before, const ZDBMap& after)
{
    MapCells cells{number, {}, {}};
    for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
        for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
            if (!sameCell(before, after, x, y)) {
                cells.before.push_back(recordOf(before, x, y));
                cells.after.push_back(recordOf(after, x, y));
            }
        }
    }
    if (!cells.before.empty()) {
        m_maps.push_back(std::move(cells));
    }
}

// The records hold renumbered states, so the renumbering after them changes no cell: it
// brings the counts of the map and of its area along.
BMChange BMReplaceUndo::apply(BMEditor& editor, bool redo) const
{
    BMChange change;
    BMData& data = *editor.getData();
    for (const MapCells& cells : m_maps) {
        ZDBMap* map = data.getBMap(cells.number - 1);
        if (map == nullptr) {
            continue;
        }
        for (const BMCellRecord& record : redo ? cells.after : cells.before) {
            writeRecord(*map, record);
            if (cells.number == data.getCurrent()) {
                change.cells.push_back(static_cast<uint16_t>(BMGeometry::index(record.x, record.y)));
            } else {
                change.otherMaps = true;
            }
        }
        if (m_layers.renumbers()) {
            data.correct(cells.number);
        }
    }
    change.data = m_layers.data();
    change.cursor = true;  // the status bar goes back to the cursor from what the replace said
    return change;
}
