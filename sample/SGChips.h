#pragma once

#include <cstdint>

// What the sample chip bitmaps hold, chip by chip.
//
// Character chips: 20 per row. The first two chips of each row are plain terrain; the other
// 18 of rows 1..11 are the border chips of groups 1..11, in the order of the editor's default
// border table: each draws a line through the cell between two edge slots. Every edge has two
// slots: A is the upper one on the left and right edges and the left one on the half edges
// above and below, B the other; so a neighbour sees a slot under the same letter.
//
// Object chips: 0 none, 1..15 settlements, 16..24 wall pieces, 25..39 road pieces.
class SGChips {
public:
    enum Terrain : uint8_t {
        GRASS = 0, FLOWERS = 1, MEADOW = 2, FARMLAND = 3, FOREST = 4, CONIFERS = 5, HILLS = 6,
        GREEN_HILLS = 7, MOUNTAIN = 8, HIGH_MOUNTAIN = 9, SHALLOWS = 10, SEA = 11, SAND = 12,
        DESERT = 13, SNOW = 14, SNOW_FOREST = 15, SWAMP = 16, ROCKS = 17, ICE = 18, DIRT = 19,
        PAVING = 20, STEPPE = 21, MARSH = 40, POND = 41, ORCHARD = 60, VINEYARD = 61, PINES = 80,
        JUNGLE = 81, ROCKY_HILLS = 100, MESA = 101, CRAGS = 120, VOLCANO = 121, LAGOON = 140,
        REEF = 141, OASIS = 160, CACTI = 161, TUNDRA = 180, SNOW_HILLS = 181, GLACIER = 200,
        SNOW_MOUNTAIN = 201, RUINS = 220, LAVA = 221,
    };
    static constexpr int TERRAIN_COUNT = 42;
    static const Terrain TERRAINS[TERRAIN_COUNT];

    // Border groups and what their line stands for.
    enum Group {
        FRONTIER = 1, RIVER = 2, FOREST_RIVER = 3, CLIFF = 4, STREAM = 5, HEDGE = 6, PATH = 7,
        DITCH = 8, RIDGE = 9, FROZEN_RIVER = 10, LAVA_FLOW = 11,
    };
    static constexpr int GROUPS = 11;
    static constexpr int GROUP_CHIPS = 18;

    enum Object : uint8_t {
        NONE = 0, VILLAGE = 1, TOWN = 2, CITY = 3, CASTLE = 4, FORTRESS = 5, PORT = 6,
        SHRINE = 7, PAGODA = 8, MARKET = 9, FARM = 10, MINE = 11, CAMP = 12, WATCHTOWER = 13,
        PALACE = 14, RUIN = 15, WALL = 16, ROAD = 25,
    };
    static constexpr int OBJECTS = 40;

    // Slot bits of an edge (direction 0..5): A = 1 << d, B = 0x40 << d.
    static uint32_t slotA(int direction) { return 1u << direction; }
    static uint32_t slotB(int direction) { return 0x40u << direction; }

    // The default border table: group (0 for no border chip) and edge mask of a chip.
    static int borderGroup(int chip);
    static uint32_t borderMask(int chip);
    // The chip of a group with exactly this mask, -1 when there is none.
    static int findBorderChip(int group, uint32_t mask);
    // The terrain a group's line is drawn on.
    static Terrain groupTerrain(int group);

    // Neighbour mask a wall (16..24) or road (25..39) chip connects to; 0 for other chips.
    static uint32_t objectMask(int chip);
};
