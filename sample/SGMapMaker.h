#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sample/SGHex.h"
#include "sample/SGNoise.h"
#include "sample/SGWorld.h"
#include "scenario/ZDBMap.h"

// Makes the battle map of one area: terrain and heights cut from the world, rivers and
// frontier lines drawn with border chips, settlements joined by roads, walls round the main
// settlement, and placement cells at the edges that lead to neighbouring areas. The result is
// stored already repaired, so that loading it changes nothing.
class SGMapMaker {
public:
    // Compass directions of the placement groups: group k + 1 lies at the edge facing k.
    enum Compass { NORTH, NORTH_EAST, EAST, SOUTH_EAST, SOUTH, SOUTH_WEST, WEST, NORTH_WEST };

    struct Plan {
        int column = 0;               // the area's place in the world
        int row = 0;
        int links[8] = {};            // area number reached through each group, 0 for none
        std::vector<uint8_t> settlements;  // object chips; the first is the main settlement
        bool walled = false;          // walls round the main settlement
        bool frontier = false;        // a frontier line crosses the map
        int rivers = 1;               // rivers to try
    };

    SGMapMaker(const SGWorld& world, uint32_t seed);

    // Resets map and fills it; false with a reason when the result would not load unchanged.
    bool make(const Plan& plan, ZDBMap* map, std::string* problem);

private:
    using Cell = SGHex::Cell;
    static constexpr int N = 32;

    void cutTerrain(const Plan& plan);
    void drawRivers(int count);
    void drawFrontier();
    // A smooth line of cells from one map edge to another edge or to water, turning at most
    // one direction per step; empty when none was found.
    std::vector<Cell> walkLine(Cell start, int direction, bool downhill, bool stopAtWater);
    // Puts border chips of a group on a line that enters from outside or from water.
    void paintLine(const std::vector<Cell>& cells, int entryEdge, int group);
    void placeSettlements(const Plan& plan);
    // The best free place for a settlement; strict asks ports for a shore and mines for hills.
    Cell findSite(uint8_t chip, bool main, bool walled, bool strict);
    // Town quarters round the main settlement and, when walled, the ring for its wall.
    void addQuarters(Cell centre, bool walled);
    void addFields(Cell village);
    void buildRoads(const Plan& plan);
    bool routeRoad(Cell from, Cell to, bool toEdge);
    void buildWalls();
    void placeGroups(const Plan& plan);
    void store(ZDBMap* map) const;

    bool usable(Cell cell) const;
    bool lineFree(Cell cell, Cell previous) const;
    double roadCost(Cell cell) const;

    const SGWorld& m_world;  // not owned
    SGNoise m_random;
    int m_originX = 0;  // world cell of the map's cell (0, 0)
    int m_originY = 0;
    uint8_t m_character[N][N];
    uint8_t m_object[N][N];
    uint16_t m_order[N][N];
    uint8_t m_height[N][N];
    uint8_t m_group[N][N];
    uint16_t m_groupOrder[N][N];
    bool m_line[N][N];     // a river or frontier runs here
    bool m_ring[N][N];     // reserved for the wall
    std::vector<Cell> m_settlements;
    Cell m_main = {-1, -1};
};
