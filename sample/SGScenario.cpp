#include "sample/SGScenario.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "framework/base/HFile.h"
#include "framework/base/HFileWriter.h"
#include "sample/SGChips.h"
#include "sample/SGMapMaker.h"
#include "scenario/ZDArea.h"
#include "scenario/ZDBMap.h"

namespace {

using C = SGChips;

// Column and row steps of the compass directions of the placement groups.
const int kCompassSteps[8][2] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};

bool writeFile(const std::string& path, const std::string& bytes)
{
    HFileWriter writer{HFile(path)};
    bool ok = writer.open() && writer.write(bytes.data(), static_cast<uint32_t>(bytes.size()))
        && writer.close();
    if (!ok) {
        printf("error: cannot write %s (error %u)\n", path.c_str(), writer.getError());
    }
    return ok;
}

void makeFolder(const std::string& path)
{
    HFile folder(path);
    if (!folder.exists()) {
        folder.makeDirectory();
    }
}

// The area at a place of the world grid, -1 for a hole or outside.
int areaAt(const SGScenario::Outline& outline, int column, int row)
{
    if (column < 0 || row < 0 || column >= outline.world.columns || row >= outline.world.rows) {
        return -1;
    }
    size_t index = static_cast<size_t>(row * outline.world.columns + column);
    return index < outline.areas.size() && !outline.areas[index].name.empty() ? static_cast<int>(index) : -1;
}

// Area numbers count the areas without holes, from 1.
int areaNumber(const SGScenario::Outline& outline, int index)
{
    int number = 0;
    for (int i = 0; i <= index; ++i) {
        number += !outline.areas[static_cast<size_t>(i)].name.empty() ? 1 : 0;
    }
    return number;
}

}  // namespace

std::vector<SGScenario::Outline> SGScenario::sampleGame()
{
    std::vector<Outline> game;
    game.push_back(Outline{
        "Default", "本土の戦い\r\n北の山地から南の海まで、十六の地域からなる本土。\r\n",
        SGWorld::Style{20240601u, SGWorld::MAINLAND, 4, 4},
        {
            {"北嶺", "yama.mid", {C::WATCHTOWER, C::VILLAGE}, false, false, 1},
            {"白狼峠", "toride.mid", {C::FORTRESS, C::CAMP}, true, false, 1},
            {"雪見原", "yuki.mid", {C::VILLAGE, C::SHRINE, C::MINE}, false, false, 2},
            {"氷川", "yuki.mid", {C::TOWN, C::VILLAGE}, false, false, 2},
            {"青葉森", "mori.mid", {C::VILLAGE, C::PAGODA, C::FARM}, false, false, 1},
            {"鷹巣山", "yama.mid", {C::CASTLE, C::VILLAGE, C::MINE}, true, false, 1},
            {"古城平", "heigen.mid", {C::RUIN, C::TOWN, C::VILLAGE}, false, true, 1},
            {"東風谷", "mori.mid", {C::TOWN, C::FARM, C::SHRINE}, false, false, 2},
            {"緑野", "heigen.mid", {C::TOWN, C::FARM, C::VILLAGE, C::MARKET}, false, true, 2},
            {"王都", "oto.mid", {C::PALACE, C::TOWN, C::VILLAGE, C::SHRINE}, true, false, 1},
            {"水車村", "heigen.mid", {C::VILLAGE, C::FARM, C::VILLAGE}, false, false, 2},
            {"霞ヶ浦", "umi.mid", {C::PORT, C::VILLAGE, C::FARM}, false, false, 1},
            {"西浜", "umi.mid", {C::PORT, C::VILLAGE}, false, false, 1},
            {"南津", "umi.mid", {C::CITY, C::PORT, C::VILLAGE}, true, false, 1},
            {"能見岬", "umi.mid", {C::WATCHTOWER, C::VILLAGE}, false, false, 1},
            {"珊瑚湾", "umi.mid", {C::PORT, C::VILLAGE}, false, false, 0},
        }});
    game.push_back(Outline{
        "Islands", "南海諸島\r\n浅い海に浮かぶ六つの島。\r\n",
        SGWorld::Style{7777u, SGWorld::ISLANDS, 3, 2},
        {
            {"西島", "shima.mid", {C::PORT, C::VILLAGE}, false, false, 1},
            {"港町", "umi.mid", {C::CITY, C::PORT, C::MARKET}, true, false, 1},
            {"東島", "shima.mid", {C::VILLAGE, C::SHRINE}, false, false, 1},
            {"珊瑚礁", "shima.mid", {C::VILLAGE, C::PORT}, false, false, 0},
            {"火山島", "kazan.mid", {C::CAMP, C::MINE}, false, false, 1},
            {"南の小島", "shima.mid", {C::PORT, C::VILLAGE}, false, false, 0},
        }});
    game.push_back(Outline{
        "Northland", "北方辺境\r\n氷河と凍った川の続く北の果て。\r\n",
        SGWorld::Style{3141u, SGWorld::NORTHLAND, 3, 2},
        {
            {"凍土", "yuki.mid", {C::CAMP, C::VILLAGE}, false, false, 2},
            {"北の砦", "toride.mid", {C::FORTRESS, C::WATCHTOWER}, true, false, 1},
            {"氷河", "yuki.mid", {C::CAMP, C::VILLAGE}, false, false, 1},
            {"雪原", "yuki.mid", {C::VILLAGE, C::MINE}, false, false, 2},
            {"国境の村", "yama.mid", {C::VILLAGE, C::SHRINE}, false, false, 1},
            {"", "", {}, false, false, 0},
        }});
    return game;
}

SGScenario::Outline SGScenario::large(int areas)
{
    const int columns = 20;
    Outline outline{"Large", "広大な大陸\r\n", SGWorld::Style{99u, SGWorld::MAINLAND, columns, (areas + columns - 1) / columns}, {}};
    const std::vector<uint8_t> kinds[4] = {
        {C::TOWN, C::VILLAGE, C::FARM}, {C::CASTLE, C::VILLAGE, C::SHRINE},
        {C::VILLAGE, C::MINE}, {C::CITY, C::MARKET, C::VILLAGE, C::PORT},
    };
    for (int i = 0; i < areas; ++i) {
        char name[32];
        snprintf(name, sizeof(name), "地域%03d", i + 1);
        outline.areas.push_back(Area{name, "heigen.mid", kinds[i % 4], i % 4 == 1, false, 1 + i % 2});
    }
    return outline;
}

bool SGScenario::write(const Outline& outline, const std::string& root, const std::string& characterBmp,
                       const std::string& objectBmp)
{
    std::string folder = root + "\\" + outline.folder;
    std::string data = folder + "\\Data";
    std::string picture = folder + "\\Picture";
    makeFolder(folder);
    makeFolder(data);
    makeFolder(picture);
    bool ok = writeFile(folder + "\\Config", outline.description)
        && writeFile(picture + "\\BMAPCHAR.BMP", characterBmp)
        && writeFile(picture + "\\BMAPOBJ.BMP", objectBmp);

    SGWorld world(outline.world);
    SGMapMaker maker(world, outline.world.seed * 31u + 5u);
    std::string areaData;
    int areas = 0;
    int fullGroups = 0;
    uint32_t totals[3] = {};
    for (size_t index = 0; index < outline.areas.size() && ok; ++index) {
        const Area& area = outline.areas[index];
        if (area.name.empty()) {
            continue;
        }
        int column = static_cast<int>(index) % outline.world.columns;
        int row = static_cast<int>(index) / outline.world.columns;
        int number = areaNumber(outline, static_cast<int>(index));
        SGMapMaker::Plan plan;
        plan.column = column;
        plan.row = row;
        for (int k = 0; k < 8; ++k) {
            int neighbour = areaAt(outline, column + kCompassSteps[k][0], row + kCompassSteps[k][1]);
            plan.links[k] = neighbour < 0 ? 0 : areaNumber(outline, neighbour);
        }
        plan.settlements = area.settlements;
        plan.walled = area.walled;
        plan.frontier = area.frontier;
        plan.rivers = area.rivers;

        ZDBMap map;
        std::string problem;
        if (!maker.make(plan, &map, &problem)) {
            printf("error: %s map %d: %s\n", outline.folder.c_str(), number, problem.c_str());
            return false;
        }
        std::vector<uint8_t> image(ZDBMap::IMAGE_SIZE, 0);
        map.writeToBytes(image.data());
        std::string name = "BMap_No" + std::to_string(number);
        ok = writeFile(data + "\\" + name, std::string(image.begin(), image.end()));

        ZDArea line;
        line.setName(area.name);
        uint32_t seed = outline.world.seed + static_cast<uint32_t>(number);
        line.setValue(1, 1 + static_cast<int32_t>(SGNoise::hash(seed, 1, 0) % 5));
        line.setValue(2, static_cast<int32_t>(SGNoise::hash(seed, 2, 0) % 20));
        line.setCityCount(static_cast<int32_t>(map.getCityCount()));
        line.setWallCount(static_cast<int32_t>(map.getWallCount()));
        line.setRoadCount(static_cast<int32_t>(map.getRoadCount()));
        line.setValue(6, 10 + static_cast<int32_t>(SGNoise::hash(seed, 6, 0) % 90));
        line.setValue(7, 100 + static_cast<int32_t>(SGNoise::hash(seed, 7, 0) % 400));
        line.setValue(8, 1000 + static_cast<int32_t>(SGNoise::hash(seed, 8, 0) % 9000));
        line.setValue(9, static_cast<int32_t>(SGNoise::hash(seed, 9, 0) % 10000));
        int groups = 0;
        for (int k = 0; k < 8; ++k) {
            const bool placed = map.getConnectCount(static_cast<uint32_t>(k)) > 0;
            line.setLink(k, placed ? plan.links[k] : 0);
            groups += placed ? 1 : 0;
        }
        line.setMusic(area.music);
        areaData += line.formatLine();
        areaData += "\r\n";
        totals[0] += map.getCityCount();
        totals[1] += map.getWallCount();
        totals[2] += map.getRoadCount();
        fullGroups += groups == 8 ? 1 : 0;
        ++areas;
    }
    printf("%s: %d areas; %u city, %u wall and %u road cells; all eight placement groups on %d maps\n",
           outline.folder.c_str(), areas, totals[0], totals[1], totals[2], fullGroups);
    areaData += ZDArea::TERMINATOR;
    return ok && writeFile(data + "\\AreaData", areaData);
}
