#include "fuzz/FuzzMapImage.h"

#include <cstring>
#include <vector>

#include "framework/base/HFileReader.h"
#include "scenario/ZDBMap.h"

const char* const FuzzMapImage::FILE_NAME = "BMap_No1";

namespace {

using Image = std::vector<uint8_t>;

Image save(const ZDBMap& map)
{
    Image image(ZDBMap::IMAGE_SIZE, 0);
    map.writeToBytes(image.data());
    return image;
}

// The six layers of a map, read once: the comparisons below then run on plain arrays.
struct Cells {
    explicit Cells(const ZDBMap& map)
    {
        for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
            for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
                uint32_t i = x * ZDBMap::SIZE + y;
                character[i] = map.getCharacter(x, y);
                object[i] = map.getObject(x, y);
                order[i] = map.getOrder(x, y);
                height[i] = map.getHeight(x, y);
                connect[i] = map.getConnect(x, y);
                connectOrder[i] = map.getConnectOrder(x, y);
            }
        }
    }

    bool operator==(const Cells& other) const
    {
        return memcmp(character, other.character, sizeof(character)) == 0
            && memcmp(object, other.object, sizeof(object)) == 0
            && memcmp(order, other.order, sizeof(order)) == 0
            && memcmp(height, other.height, sizeof(height)) == 0
            && memcmp(connect, other.connect, sizeof(connect)) == 0
            && memcmp(connectOrder, other.connectOrder, sizeof(connectOrder)) == 0;
    }

    // Every value in its range, as correct leaves it.
    bool inRange() const
    {
        for (uint32_t i = 0; i < ZDBMap::CELLS; ++i) {
            if (character[i] >= 240 || object[i] >= 40 || height[i] >= 16
                || (object[i] == 0 && order[i] != 0)) {
                return false;
            }
        }
        return true;
    }

    // What the image carries: object orders as their low byte, placement cells with orders
    // 0..19 except at (0, 0).
    Cells storable() const
    {
        Cells stored = *this;
        for (uint32_t i = 0; i < ZDBMap::CELLS; ++i) {
            stored.order[i] &= 0xFF;
            bool kept = connect[i] >= 1 && connect[i] <= ZDBMap::GROUPS
                && connectOrder[i] < ZDBMap::SLOTS && i != 0;
            if (!kept) {
                stored.connect[i] = 0;
                stored.connectOrder[i] = 0;
            }
        }
        return stored;
    }

    uint8_t character[ZDBMap::CELLS];
    uint8_t object[ZDBMap::CELLS];
    uint16_t order[ZDBMap::CELLS];
    uint8_t height[ZDBMap::CELLS];
    uint8_t connect[ZDBMap::CELLS];
    uint16_t connectOrder[ZDBMap::CELLS];
};

}  // namespace

std::string FuzzMapImage::check()
{
    HFileReader reader{HFile(FILE_NAME)};
    if (!reader.read()) {
        return "the image could not be read";
    }
    ZDBMap map;
    map.createFromBytes(reinterpret_cast<const uint8_t*>(reader.getData()),
                        static_cast<size_t>(reader.getSize()), HFile(FILE_NAME), 1);
    map.correct();
    Cells corrected(map);
    if (!corrected.inRange()) {
        return "a value is out of range after correct";
    }
    Image image = save(map);
    ZDBMap again;
    if (!again.createFromBytes(image.data(), image.size(), HFile(FILE_NAME), 1)) {
        return "a written image does not read back";
    }
    if (!(Cells(again) == corrected.storable())) {
        return "the layers changed over write and read";
    }
    if (again.getCityCount() != map.getCityCount() || again.getWallCount() != map.getWallCount()
        || again.getRoadCount() != map.getRoadCount()) {
        return "the counts changed over write and read";
    }
    if (save(again) != image) {
        return "a read image writes back different bytes";
    }
    return std::string();
}

#ifdef TESSEL_LIBFUZZER
#include "fuzz/FuzzMemoryFile.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    return FuzzMemoryFile::initialize(argc, argv, FuzzMapImage::MAX_LENGTH);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzMemoryFile::test(FuzzMapImage::FILE_NAME, data, size, FuzzMapImage::check);
}
#endif
