#pragma once

#include <cstdint>
#include <string>

#include "scenario/ZDAreaMapData.h"

// The editor's single data object: the scenario's areas and maps plus a current map, and the
// one narrow path through which the display, the undo list and the commands read and change
// cells. Every access names a layer by type code, a map by number (1-based; 0 stands for the
// current map) and a cell by (x, y).
class BMData : public ZDAreaMapData {
public:
    // Layer and value type codes.
    static constexpr int TYPE_CHARACTER = 3;
    static constexpr int TYPE_OBJECT = 4;
    static constexpr int TYPE_ORDER = 5;
    static constexpr int TYPE_HEIGHT = 6;
    static constexpr int TYPE_CITY_COUNT = 8;
    static constexpr int TYPE_WALL_COUNT = 9;
    static constexpr int TYPE_ROAD_COUNT = 10;
    static constexpr int TYPE_CONNECT_COUNT = 11;  // x is the group index 0..7
    static constexpr int TYPE_LINK = 12;           // x is the group index 0..7
    static constexpr int TYPE_CONNECT = 13;
    static constexpr int TYPE_CONNECT_ORDER = 14;
    static constexpr int TYPE_STATUS_PAGE = 101;
    static constexpr int TYPE_STATUS_AREA = 102;
    static constexpr int TYPE_STATUS_COUNTS = 103;
    static constexpr int TYPE_STATUS_MUSIC = 104;
    static constexpr int TYPE_MAP = 256;

    // Made on the first call with create set; otherwise whatever exists (or nullptr).
    static BMData* getInstance(bool create);
    static void deleteInstance();
    // Makes data (owned from now on) the instance and deletes the one before; a scenario is
    // loaded into a new object first and takes the old one's place only once it has loaded.
    static void setInstance(BMData* data);

    BMData();
    ~BMData() override;

    uint8_t getByte(int type, uint32_t number, uint32_t x, uint32_t y) const;
    void setByte(int type, uint8_t value, uint32_t number, uint32_t x, uint32_t y);
    uint32_t getWord(int type, uint32_t number, uint32_t x, uint32_t y) const;
    void setWord(int type, uint16_t value, uint32_t number, uint32_t x, uint32_t y);
    // Copies a cell's value (or with TYPE_MAP the whole map) back from the loaded copy.
    void restore(int type, uint32_t number, uint32_t x, uint32_t y);
    // Repairs and renumbers the map and copies its category counts into its area.
    void correct(uint32_t number);
    // Cell values and status texts; empty on any error.
    std::string getString(int type, uint32_t number, uint32_t x, uint32_t y) const;

    uint32_t getCurrent() const { return m_current; }
    // Numbers above the map count give 0 (no current map).
    void setCurrent(uint32_t number);

private:
    // The map of a number (0: the current one); nullptr when there is none.
    ZDEditBMap* mapOf(uint32_t number) const;
    ZDEditArea* areaOf(uint32_t number) const;
    // The checks every access runs first: the map of the number, or nullptr when there is none.
    ZDEditBMap* checkCell(const char* operation, int type, uint32_t number, uint32_t x, uint32_t y,
                   bool needArea) const;
    void unknownType(const char* operation, int type) const;

    uint32_t m_current = 0;
};
