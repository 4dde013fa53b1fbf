#include "tool/TCDiff.h"

#include <string>

#include "scenario/ZDArea.h"
#include "scenario/ZDBMap.h"

namespace {

const int kFields = 1 + ZDArea::VALUES + ZDArea::LINKS + 1;

uint32_t valueOf(const ZDBMap& map, TCDiff::Layer layer, uint32_t x, uint32_t y)
{
    switch (layer) {
    case TCDiff::CHARACTER: return map.getCharacter(x, y);
    case TCDiff::OBJECT: return map.getObject(x, y);
    case TCDiff::ORDER: return map.getOrder(x, y);
    case TCDiff::HEIGHT: return map.getHeight(x, y);
    case TCDiff::CONNECT: return map.getConnect(x, y);
    default: return map.getConnectOrder(x, y);
    }
}

}  // namespace

std::vector<TCDiff::Cell> TCDiff::cells(const ZDBMap& before, const ZDBMap& after)
{
    std::vector<Cell> cells;
    for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
        for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
            for (int layer = 0; layer < LAYERS; ++layer) {
                uint32_t a = valueOf(before, static_cast<Layer>(layer), x, y);
                uint32_t b = valueOf(after, static_cast<Layer>(layer), x, y);
                if (a != b) {
                    cells.push_back(Cell{static_cast<Layer>(layer), x, y, a, b});
                }
            }
        }
    }
    return cells;
}

const char* TCDiff::layerName(Layer layer)
{
    static const char* const kNames[LAYERS] = {"character", "object", "order",
                                               "height",    "group",  "group-order"};
    return layer >= 0 && layer < LAYERS ? kNames[layer] : "layer";
}

std::string TCDiff::field(const ZDArea& area, int field)
{
    if (field == 1) {
        return area.getName();
    }
    if (field >= 2 && field <= 1 + ZDArea::VALUES) {
        return std::to_string(area.getValue(field - 1));
    }
    if (field > 1 + ZDArea::VALUES && field < kFields) {
        return std::to_string(area.getLink(field - 2 - ZDArea::VALUES));
    }
    return field == kFields ? area.getMusic() : std::string();
}

std::vector<TCDiff::Field> TCDiff::fields(const ZDArea& before, const ZDArea& after)
{
    std::vector<Field> fields;
    for (int i = 1; i <= kFields; ++i) {
        std::string a = field(before, i);
        std::string b = field(after, i);
        if (a != b) {
            fields.push_back(Field{i, a, b});
        }
    }
    return fields;
}
