#include "editor/model/BMFloodFill.h"

#include "editor/model/BMData.h"
#include "editor/model/BMGeometry.h"

namespace {

int layerType(int editMode)
{
    if ((editMode & MODE_OBJ) != 0) {
        return BMData::TYPE_OBJECT;
    }
    if ((editMode & MODE_HEIGHT) != 0) {
        return BMData::TYPE_HEIGHT;
    }
    if ((editMode & MODE_PLACEMENT) != 0) {
        return BMData::TYPE_CONNECT;
    }
    return BMData::TYPE_CHARACTER;
}

}  // namespace

void BMFloodFill::readLayer(const BMData& data, int editMode, BMLayerValues* values)
{
    const int type = layerType(editMode);
    for (int index = 0; index < MAP_CELLS; ++index) {
        const BMPoint cell = BMGeometry::cellOf(index);
        (*values)[static_cast<size_t>(index)] =
            data.getByte(type, 0, static_cast<uint32_t>(cell.x), static_cast<uint32_t>(cell.y));
    }
}

std::vector<uint16_t> BMFloodFill::region(const BMLayerValues& values, int start, Reach reach)
{
    std::vector<uint16_t> cells;
    if (start < 0 || start >= MAP_CELLS) {
        return cells;
    }
    const uint8_t value = values[static_cast<size_t>(start)];
    if (reach == MAP_WIDE) {
        for (int index = 0; index < MAP_CELLS; ++index) {
            if (values[static_cast<size_t>(index)] == value) {
                cells.push_back(static_cast<uint16_t>(index));
            }
        }
        return cells;
    }
    // The region itself is the queue: cells are taken in the order they were reached.
    std::array<bool, MAP_CELLS> reached = {};
    reached[static_cast<size_t>(start)] = true;
    cells.push_back(static_cast<uint16_t>(start));
    for (size_t next = 0; next < cells.size(); ++next) {
        const BMPoint cell = BMGeometry::cellOf(cells[next]);
        for (int direction = 0; direction < 6; ++direction) {
            const BMPoint n = BMGeometry::neighbour(cell.x, cell.y, direction);
            if (!BMGeometry::inside(n.x, n.y)) {
                continue;
            }
            const size_t index = static_cast<size_t>(BMGeometry::index(n.x, n.y));
            if (!reached[index] && values[index] == value) {
                reached[index] = true;
                cells.push_back(static_cast<uint16_t>(index));
            }
        }
    }
    return cells;
}
