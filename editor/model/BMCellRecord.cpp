#include "editor/model/BMCellRecord.h"

#include <cstdio>

#include "editor/model/BMData.h"

BMCellRecord BMCellRecord::fromMap(const BMData& data, int x, int y, int originX, int originY,
                                   uint32_t mark)
{
    const uint32_t cx = static_cast<uint32_t>(x);
    const uint32_t cy = static_cast<uint32_t>(y);
    BMCellRecord record;
    record.x = x - originX;
    record.y = y - originY;
    record.character = data.getByte(BMData::TYPE_CHARACTER, 0, cx, cy);
    record.object = data.getByte(BMData::TYPE_OBJECT, 0, cx, cy);
    record.order = static_cast<uint16_t>(data.getWord(BMData::TYPE_ORDER, 0, cx, cy));
    record.height = data.getByte(BMData::TYPE_HEIGHT, 0, cx, cy);
    record.group = data.getByte(BMData::TYPE_CONNECT, 0, cx, cy);
    record.placementOrder = data.getWord(BMData::TYPE_CONNECT_ORDER, 0, cx, cy);
    record.originRow = originY;
    record.mark = mark;
    return record;
}

std::string BMCellRecord::toText() const
{
    char line[128];
    std::snprintf(line, sizeof line, "%d,%d,%u,%u,%u,%u,%u,%u,%d,%u", x, y, character, object,
                  order, height, group, placementOrder, originRow, mark);
    return line;
}
