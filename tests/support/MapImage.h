#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "scenario/ZDBMap.h"

// The byte layout of a battle map file, for tests that build or spoil map images by hand:
// the four layers of 1024 cells (x * 32 + y), the placement table of 8 groups x 20 slots of
// (x, y), then the city, wall and road counts.
namespace MapImage {

using Image = std::vector<uint8_t>;

const size_t OBJECTS = 1024;
const size_t ORDERS = 2048;
const size_t HEIGHTS = 3072;
const size_t PLACEMENT = 4096;
const size_t COUNTS = 4416;

inline size_t cell(uint32_t x, uint32_t y)
{
    return x * 32 + y;
}

// The offset of a slot of the placement table: group 1..8, order 0..19.
inline size_t slot(int group, int order)
{
    return PLACEMENT + 2 * ((group - 1) * 20 + order);
}

inline void putSlot(Image& image, int group, int order, uint8_t x, uint8_t y)
{
    image[slot(group, order)] = x;
    image[slot(group, order) + 1] = y;
}

// The image as map 7; false in ok when it is too short.
inline ZDBMap load(const Image& image, size_t length, bool* ok = nullptr)
{
    ZDBMap map;
    bool result = map.createFromBytes(image.data(), length, HFile("BMap_No7"), 7);
    if (ok != nullptr) {
        *ok = result;
    }
    return map;
}

inline ZDBMap load(const Image& image)
{
    return load(image, image.size());
}

inline Image save(const ZDBMap& map)
{
    Image image(ZDBMap::IMAGE_SIZE, 0);
    map.writeToBytes(image.data());
    return image;
}

// Every layer of every cell alike (the counts aside).
inline bool sameCells(const ZDBMap& a, const ZDBMap& b)
{
    for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
        for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
            if (a.getCharacter(x, y) != b.getCharacter(x, y) || a.getObject(x, y) != b.getObject(x, y)
                || a.getOrder(x, y) != b.getOrder(x, y) || a.getHeight(x, y) != b.getHeight(x, y)
                || a.getConnect(x, y) != b.getConnect(x, y)
                || a.getConnectOrder(x, y) != b.getConnectOrder(x, y)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace MapImage
