#include "sample/SGChips.h"

const SGChips::Terrain SGChips::TERRAINS[TERRAIN_COUNT] = {
    GRASS, FLOWERS, MEADOW, FARMLAND, FOREST, CONIFERS, HILLS, GREEN_HILLS, MOUNTAIN,
    HIGH_MOUNTAIN, SHALLOWS, SEA, SAND, DESERT, SNOW, SNOW_FOREST, SWAMP, ROCKS, ICE, DIRT,
    PAVING, STEPPE, MARSH, POND, ORCHARD, VINEYARD, PINES, JUNGLE, ROCKY_HILLS, MESA, CRAGS,
    VOLCANO, LAGOON, REEF, OASIS, CACTI, TUNDRA, SNOW_HILLS, GLACIER, SNOW_MOUNTAIN, RUINS, LAVA,
};

namespace {

// Edge masks by position in a group; group 1 orders its first positions differently.
const uint32_t kGroupOneMasks[SGChips::GROUP_CHIPS] = {
    0xA00, 0x012, 0x005, 0x480, 0x028, 0x140, 0x202, 0x014, 0x401,
    0x880, 0x500, 0x088, 0x050, 0x022, 0x240, 0x024, 0x009, 0x900,
};
const uint32_t kGroupMasks[SGChips::GROUP_CHIPS] = {
    0x012, 0x480, 0xA00, 0x005, 0x028, 0x140, 0x202, 0x401, 0x880,
    0x014, 0x500, 0x088, 0x050, 0x022, 0x240, 0x024, 0x009, 0x900,
};

// Neighbour masks of the wall chips from 16 and the road chips from 25 (bit = 1 << direction).
const uint32_t kObjectMasks[15] = {18, 9, 36, 17, 5, 34, 40, 10, 20, 42, 21, 37, 41, 44, 13};

}  // namespace

int SGChips::borderGroup(int chip)
{
    int row = chip / 20;
    int column = chip % 20;
    if (chip < 0 || chip >= 240 || row == 0 || column < 2) {
        return 0;
    }
    return row;
}

uint32_t SGChips::borderMask(int chip)
{
    int group = borderGroup(chip);
    if (group == 0) {
        return 0;
    }
    int position = chip % 20 - 2;
    return group == 1 ? kGroupOneMasks[position] : kGroupMasks[position];
}

int SGChips::findBorderChip(int group, uint32_t mask)
{
    for (int chip = 0; chip < 240; ++chip) {
        if (borderGroup(chip) == group && borderMask(chip) == mask) {
            return chip;
        }
    }
    return -1;
}

SGChips::Terrain SGChips::groupTerrain(int group)
{
    switch (group) {
    case RIVER: return GRASS;
    case FOREST_RIVER: return FOREST;
    case CLIFF: return HILLS;
    case STREAM: return MEADOW;
    case HEDGE: return FARMLAND;
    case PATH: return GRASS;
    case DITCH: return DIRT;
    case RIDGE: return MOUNTAIN;
    case FROZEN_RIVER: return SNOW;
    case LAVA_FLOW: return ROCKS;
    default: return GRASS;
    }
}

uint32_t SGChips::objectMask(int chip)
{
    if (chip >= WALL && chip < ROAD) {
        return kObjectMasks[chip - WALL];
    }
    if (chip >= ROAD && chip < OBJECTS) {
        return kObjectMasks[chip - ROAD];
    }
    return 0;
}
