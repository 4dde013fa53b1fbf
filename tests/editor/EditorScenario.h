#pragma once

#include <random>
#include <string>
#include <vector>

#include "editor/model/BMData.h"
#include "scenario/ZDBMap.h"
#include "tests/support/TestFolder.h"

// A scenario folder of the given maps in a test folder of its own, loaded into editor data
// whose current map is map 1: the ground of the editing engine's tests. Each map is corrected
// and written as the editor saves it, then loaded as the editor loads it.
class EditorScenario {
public:
    explicit EditorScenario(std::vector<ZDBMap> maps);

    BMData& data() { return m_data; }

    // Terrain everywhere and about the given share (percent) of cells holding cities, walls
    // or roads, some of them in placement groups, with heights.
    static ZDBMap randomMap(std::mt19937& random, int objectPercent);

    // Every layer of every cell (8 bytes a cell, column by column: character, object, order
    // low and high, height, group, placement order low and high), then every count as text:
    // equal maps, equal states.
    static std::string mapState(const ZDBMap& map);

    // The map's file bytes as a save writes them.
    static std::string image(const ZDBMap& map);

private:
    TestFolder m_folder;
    BMData m_data;
};
