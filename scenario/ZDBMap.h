#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/base/HFile.h"
#include "scenario/ZDCorrectionListener.h"

// One battle map: 32 x 32 hex cells in offset rows (odd rows shifted half a cell towards
// larger x) with six per-cell layers and the per-map counts, and its 4428-byte file image.
//
// Inside every layer cell (x, y) is element x * 32 + y.
class ZDBMap {
public:
    static constexpr uint32_t SIZE = 32;          // cells along each side
    static constexpr uint32_t CELLS = SIZE * SIZE;
    static constexpr size_t IMAGE_SIZE = 4428;    // bytes of a map file
    static constexpr uint32_t GROUPS = 8;         // placement groups 1..8
    static constexpr uint32_t SLOTS = 20;         // placement cells a group can store

    ZDBMap();
    virtual ~ZDBMap() = default;
    ZDBMap(const ZDBMap&) = default;
    ZDBMap& operator=(const ZDBMap&) = default;

    // Readers answer 0 for x or y of 32 or more; writers store nothing there and log it.
    uint8_t getCharacter(uint32_t x, uint32_t y) const;
    uint8_t getObject(uint32_t x, uint32_t y) const;
    uint16_t getOrder(uint32_t x, uint32_t y) const;
    uint8_t getHeight(uint32_t x, uint32_t y) const;
    uint8_t getConnect(uint32_t x, uint32_t y) const;
    uint16_t getConnectOrder(uint32_t x, uint32_t y) const;
    void setCharacter(uint32_t x, uint32_t y, uint8_t value);
    void setObject(uint32_t x, uint32_t y, uint8_t value);
    void setOrder(uint32_t x, uint32_t y, uint16_t value);
    void setHeight(uint32_t x, uint32_t y, uint8_t value);
    void setConnect(uint32_t x, uint32_t y, uint8_t value);
    void setConnectOrder(uint32_t x, uint32_t y, uint16_t value);

    // Cells of placement group index 0..7 (group 1..8); 0 for any other index.
    uint16_t getConnectCount(uint32_t index) const;
    uint32_t getCityCount() const { return m_cityCount; }
    uint32_t getWallCount() const { return m_wallCount; }
    uint32_t getRoadCount() const { return m_roadCount; }
    void setCityCount(uint32_t count) { m_cityCount = count; }
    void setWallCount(uint32_t count) { m_wallCount = count; }
    void setRoadCount(uint32_t count) { m_roadCount = count; }

    HFile getFile() const { return m_file; }
    void setFile(const HFile& file) { m_file = file; }
    uint32_t getNumber() const { return m_number; }
    void setNumber(uint32_t number) { m_number = number; }

    void reset();
    // Whether every cell holds the same six values as in other (counts, file and number aside).
    bool sameCells(const ZDBMap& other) const;
    // Reads an image into a freshly reset map. A section that does not fit is skipped without
    // advancing, so a short image has later sections read from earlier bytes; false when the
    // road count did not fit.
    bool createFromBytes(const uint8_t* bytes, size_t length, const HFile& file, uint32_t number);
    // Writes the image into buffer (IMAGE_SIZE bytes); empty placement slots are left as found.
    void writeToBytes(uint8_t* buffer) const;
    // Repairs out-of-range values, fits walls and roads, recounts and renumbers densely. The
    // listener, when given, is told of each repair; not owned.
    void correct(ZDCorrectionListener* listener = nullptr);
    // Fits the wall or road chip of (x, y) to its neighbours of the same category.
    void autoShape(uint32_t x, uint32_t y);

private:
    void readPlacementTable(const uint8_t* table);
    // Sorts the keys and numbers their cells 0..n-1 in that order, logging each change under
    // the label and telling the listener (if any) as kind of group.
    static void renumber(std::vector<uint32_t>& keys, uint16_t* orders, const char* label,
                         ZDCorrectionListener* listener, ZDCorrectionListener::Kind kind,
                         uint32_t group);
    static bool inside(uint32_t x, uint32_t y) { return x < SIZE && y < SIZE; }
    static uint32_t at(uint32_t x, uint32_t y) { return x * SIZE + y; }
    static bool outside(const char* writer, uint32_t x, uint32_t y);

    HFile m_file;
    uint32_t m_number;
    uint8_t m_character[CELLS];
    uint8_t m_object[CELLS];
    uint16_t m_order[CELLS];
    uint8_t m_height[CELLS];
    uint8_t m_connect[CELLS];
    uint16_t m_connectOrder[CELLS];
    uint16_t m_connCount[GROUPS];
    uint32_t m_cityCount;
    uint32_t m_wallCount;
    uint32_t m_roadCount;
};
