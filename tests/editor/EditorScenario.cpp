#include "tests/editor/EditorScenario.h"

#include <string>

#include "scenario/ZDArea.h"

EditorScenario::EditorScenario(std::vector<ZDBMap> maps)
{
    TestFolder::makeFolder("S\\Data");
    std::string list;
    for (size_t i = 0; i < maps.size(); ++i) {
        ZDArea area;
        area.setName("area" + std::to_string(i + 1));
        area.setLink(0, 1);
        list += area.formatLine() + "\r\n";
        maps[i].correct();
        std::string image(ZDBMap::IMAGE_SIZE, '\0');
        maps[i].writeToBytes(reinterpret_cast<uint8_t*>(&image[0]));
        TestFolder::write("S\\Data\\BMap_No" + std::to_string(i + 1), image);
    }
    TestFolder::write("S\\Data\\AreaData", list + "End");
    m_data.load(HFile("S"), HFile());
    m_data.setCurrent(1);
}

ZDBMap EditorScenario::randomMap(std::mt19937& random, int objectPercent)
{
    ZDBMap map;
    for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
        for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
            map.setCharacter(x, y, static_cast<uint8_t>(random() % 240));
            map.setHeight(x, y, static_cast<uint8_t>(random() % 16));
            if (static_cast<int>(random() % 100) < objectPercent) {
                map.setObject(x, y, static_cast<uint8_t>(1 + random() % 39));
                map.setOrder(x, y, static_cast<uint16_t>(random() % 64));
            }
            if (random() % 20 == 0) {
                map.setConnect(x, y, static_cast<uint8_t>(1 + random() % 8));
                map.setConnectOrder(x, y, static_cast<uint16_t>(random() % 16));
            }
        }
    }
    return map;
}

std::string EditorScenario::image(const ZDBMap& map)
{
    std::string bytes(ZDBMap::IMAGE_SIZE, '\0');
    map.writeToBytes(reinterpret_cast<uint8_t*>(&bytes[0]));
    return bytes;
}

std::string EditorScenario::mapState(const ZDBMap& map)
{
    std::string state;
    for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
        for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
            const uint16_t order = map.getOrder(x, y);
            const uint16_t placementOrder = map.getConnectOrder(x, y);
            const char cell[] = {static_cast<char>(map.getCharacter(x, y)), static_cast<char>(map.getObject(x, y)),
                                 static_cast<char>(order & 0xFF), static_cast<char>(order >> 8),
                                 static_cast<char>(map.getHeight(x, y)), static_cast<char>(map.getConnect(x, y)),
                                 static_cast<char>(placementOrder & 0xFF), static_cast<char>(placementOrder >> 8)};
            state.append(cell, sizeof cell);
        }
    }
    for (uint32_t count : {map.getCityCount(), map.getWallCount(), map.getRoadCount()}) {
        state += std::to_string(count) + ",";
    }
    for (uint32_t group = 0; group < ZDBMap::GROUPS; ++group) {
        state += std::to_string(map.getConnectCount(group)) + ",";
    }
    return state;
}
