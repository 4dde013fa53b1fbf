#include "editor/model/BMCellWriter.h"

#include "editor/model/BMCellRecord.h"
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMGeometry.h"

namespace {

uint32_t ux(int x)
{
    return static_cast<uint32_t>(x);
}

}  // namespace

void BMCellWriter::write(BMData& data, int x, int y, const BMLayers& layers, const BMCellRecord& values)
{
    if (layers.character) {
        data.setByte(BMData::TYPE_CHARACTER, values.character, 0, ux(x), ux(y));
    }
    if (layers.object) {
        data.setByte(BMData::TYPE_OBJECT, values.object, 0, ux(x), ux(y));
        data.setWord(BMData::TYPE_ORDER, values.order, 0, ux(x), ux(y));
    }
    if (layers.height) {
        data.setByte(BMData::TYPE_HEIGHT, values.height, 0, ux(x), ux(y));
    }
    if (layers.placement) {
        const uint16_t order = values.group != 0 ? static_cast<uint16_t>(values.placementOrder) : 0;
        data.setByte(BMData::TYPE_CONNECT, static_cast<uint8_t>(values.group), 0, ux(x), ux(y));
        data.setWord(BMData::TYPE_CONNECT_ORDER, order, 0, ux(x), ux(y));
    }
}

bool BMCellWriter::hasPlaced(const BMData& data, int x, int y, const BMLayers& layers)
{
    return (layers.object && data.getByte(BMData::TYPE_OBJECT, 0, ux(x), ux(y)) != 0)
           || (layers.placement && data.getByte(BMData::TYPE_CONNECT, 0, ux(x), ux(y)) != 0);
}

std::vector<uint16_t> BMCellWriter::edited(const BMEditor& editor, const BMLayers& layers)
{
    std::vector<uint16_t> cells;
    for (int index = 0; index < MAP_CELLS; ++index) {
        const BMPoint cell = BMGeometry::cellOf(index);
        if (editor.inSelection(index) || hasPlaced(*editor.getData(), cell.x, cell.y, layers)) {
            cells.push_back(static_cast<uint16_t>(index));
        }
    }
    return cells;
}

BMLayers BMCellWriter::fitted(const BMLayers& layers, const BMMapLimits::Write& write)
{
    return {layers.character, write.object, layers.height, write.placement};
}

// New objects and placements are numbered in cell order from their category's count; the
// renumbering then makes the orders of the whole map dense again.
BMLimitCut BMCellWriter::writeSelection(BMEditor& editor, const BMLayers& layers,
                                        const BMCellRecord* values, bool clear,
                                        const std::vector<uint16_t>& painted)
{
    BMData& data = *editor.getData();
    BMCellRecord current;
    if (values == nullptr) {
        current.character = clear ? 0 : static_cast<uint8_t>(editor.getCharacter());
        current.object = clear ? 0 : static_cast<uint8_t>(editor.getObject());
        current.height = clear ? 0 : static_cast<uint8_t>(editor.getHeight());
        current.group = clear ? 0 : static_cast<uint32_t>(editor.getGroupIndex() + 1);
    }
    const BMCellRecord& written = values != nullptr ? *values : current;
    std::vector<bool> taken(MAP_CELLS, false);
    std::vector<BMMapLimits::Write> writes;
    auto take = [&](uint16_t index) {
        if (editor.inSelection(index) && !taken[index]) {
            taken[index] = true;
            writes.push_back({index, layers.object, written.object, layers.placement,
                              static_cast<uint8_t>(written.group)});
        }
    };
    for (uint16_t index : painted) {
        take(index);
    }
    for (int index = 0; index < MAP_CELLS; ++index) {
        take(static_cast<uint16_t>(index));
    }
    const BMLimitCut cut = BMMapLimits::fit(*data.getBMap(data.getCurrent() - 1), &writes);
    std::vector<const BMMapLimits::Write*> writeOf(MAP_CELLS, nullptr);
    for (const BMMapLimits::Write& write : writes) {
        writeOf[write.cell] = &write;
    }

    uint32_t counter = layers.object ? editor.nextOrder(2) : (layers.placement ? editor.nextOrder(8) : 0);
    for (int index = 0; index < MAP_CELLS; ++index) {
        if (writeOf[static_cast<size_t>(index)] == nullptr) {
            continue;
        }
        const BMLayers fits = fitted(layers, *writeOf[static_cast<size_t>(index)]);
        if (values == nullptr) {
            current.order = clear ? 0 : static_cast<uint16_t>(counter);
            current.placementOrder = clear ? 0 : counter;
            if (!clear && (fits.object || fits.placement)) {
                ++counter;
            }
        }
        const BMPoint cell = BMGeometry::cellOf(index);
        write(data, cell.x, cell.y, fits, written);
    }
    if (layers.renumbers()) {
        data.correct(0);
    }
    return cut;
}

BMLimitCut BMCellWriter::restoreSelection(BMEditor& editor)
{
    BMData& data = *editor.getData();
    const ZDEditBMap& map = *data.getBMap(data.getCurrent() - 1);
    const ZDBMap& loaded = map.getLoaded();
    std::vector<BMMapLimits::Write> writes;
    for (int index = 0; index < MAP_CELLS; ++index) {
        if (editor.inSelection(index)) {
            const BMPoint cell = BMGeometry::cellOf(index);
            writes.push_back({static_cast<uint16_t>(index), true, loaded.getObject(ux(cell.x), ux(cell.y)),
                              true, loaded.getConnect(ux(cell.x), ux(cell.y))});
        }
    }
    const BMLimitCut cut = BMMapLimits::fit(map, &writes);
    for (const BMMapLimits::Write& write : writes) {
        const BMPoint cell = BMGeometry::cellOf(write.cell);
        std::vector<int> types = {BMData::TYPE_CHARACTER, BMData::TYPE_HEIGHT};
        if (write.object) {
            types.insert(types.end(), {BMData::TYPE_OBJECT, BMData::TYPE_ORDER});
        }
        if (write.placement) {
            types.insert(types.end(), {BMData::TYPE_CONNECT, BMData::TYPE_CONNECT_ORDER});
        }
        for (int type : types) {
            data.restore(type, 0, ux(cell.x), ux(cell.y));
        }
    }
    return cut;
}
