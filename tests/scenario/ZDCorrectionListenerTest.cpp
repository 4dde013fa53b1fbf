#include "scenario/ZDCorrectionListener.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scenario/ZDBMap.h"
#include "tests/support/LogCapture.h"
#include "tests/support/MapImage.h"
#include "tests/support/TestFolder.h"

namespace {

using namespace MapImage;

// A map image with damage of every kind the repair knows: values out of range, orders that are
// not dense or lack an object, chips that do not fit, stale counts, slots naming one cell twice.
Image damagedImage(std::mt19937& random)
{
    Image image(ZDBMap::IMAGE_SIZE, 0);
    for (size_t i = 0; i < ZDBMap::CELLS; ++i) {
        image[i] = static_cast<uint8_t>(random() % 256);
        uint32_t roll = random() % 100;
        image[OBJECTS + i] = roll < 5 ? 1 + random() % 15 : roll < 15 ? 16 + random() % 9
                            : roll < 30 ? 25 + random() % 15 : roll < 33 ? 40 + random() % 216 : 0;
        image[ORDERS + i] = random() % 4 == 0 ? static_cast<uint8_t>(random() % 60) : 0;
        image[HEIGHTS + i] = static_cast<uint8_t>(random() % 20);
    }
    for (size_t at = PLACEMENT; at < COUNTS; at += 2) {
        if (random() % 3 == 0) {
            image[at] = static_cast<uint8_t>(random() % 8);
            image[at + 1] = static_cast<uint8_t>(random() % 8);
        }
    }
    for (size_t i = 0; i < 12; ++i) {
        image[COUNTS + i] = static_cast<uint8_t>(random() % 3 == 0 ? random() : 0);
    }
    return image;
}

// Records every correction and, replaying them onto a copy of the map as it was before the
// repair, checks that each names the value the cell held at that moment.
class Replay : public ZDCorrectionListener {
public:
    explicit Replay(const ZDBMap& before) : m_map(before)
    {
        for (uint32_t k = 0; k < ZDBMap::GROUPS; ++k) {
            m_connCount[k] = before.getConnectCount(k);
        }
    }

    void corrected(const Correction& c) override
    {
        ++m_count;
        uint32_t x = c.x;
        uint32_t y = c.y;
        switch (c.kind) {
        case CHARACTER_RANGE:
            EXPECT_EQ(m_map.getCharacter(x, y), c.before);
            m_map.setCharacter(x, y, static_cast<uint8_t>(c.after));
            break;
        case OBJECT_RANGE:
            EXPECT_EQ(m_map.getObject(x, y), c.before);
            m_map.setObject(x, y, static_cast<uint8_t>(c.after));
            m_map.setOrder(x, y, 0);
            break;
        case SHAPE:
            EXPECT_EQ(m_map.getObject(x, y), c.before);
            m_map.setObject(x, y, static_cast<uint8_t>(c.after));
            break;
        case HEIGHT_RANGE:
            EXPECT_EQ(m_map.getHeight(x, y), c.before);
            m_map.setHeight(x, y, static_cast<uint8_t>(c.after));
            break;
        case ORDER_ON_EMPTY:
        case CITY_ORDER:
        case WALL_ORDER:
        case ROAD_ORDER:
            EXPECT_EQ(m_map.getOrder(x, y), c.before);
            m_map.setOrder(x, y, static_cast<uint16_t>(c.after));
            break;
        case CITY_COUNT:
            EXPECT_EQ(m_map.getCityCount(), c.before);
            m_map.setCityCount(c.after);
            break;
        case WALL_COUNT:
            EXPECT_EQ(m_map.getWallCount(), c.before);
            m_map.setWallCount(c.after);
            break;
        case ROAD_COUNT:
            EXPECT_EQ(m_map.getRoadCount(), c.before);
            m_map.setRoadCount(c.after);
            break;
        case CONNECT_COUNT:
            ASSERT_LT(c.group, ZDBMap::GROUPS);
            EXPECT_EQ(m_connCount[c.group], c.before);
            m_connCount[c.group] = c.after;
            break;
        case CONNECT_ORDER:
            EXPECT_EQ(m_map.getConnect(x, y), c.group + 1);
            EXPECT_EQ(m_map.getConnectOrder(x, y), c.before);
            m_map.setConnectOrder(x, y, static_cast<uint16_t>(c.after));
            break;
        }
    }

    const ZDBMap& map() const { return m_map; }
    uint32_t connCount(uint32_t k) const { return m_connCount[k]; }
    int count() const { return m_count; }

private:
    ZDBMap m_map;
    uint32_t m_connCount[ZDBMap::GROUPS];
    int m_count = 0;
};

// The log's lines without the time stamp that opens each.
std::string withoutTimes(const std::string& log)
{
    const size_t kStamp = 23;  // "2024/01/31 12:34:56.789"
    std::string out;
    size_t start = 0;
    while (start < log.size()) {
        size_t end = log.find('\n', start);
        end = end == std::string::npos ? log.size() : end + 1;
        out += log.substr(std::min(start + kStamp, end), end - std::min(start + kStamp, end));
        start = end;
    }
    return out;
}

// What the repair writes into the debug log, without time stamps.
std::string correctLogged(ZDBMap* map, ZDCorrectionListener* listener)
{
    std::remove("debug.log");
    LogCapture log({"info", "debug"});
    map->correct(listener);
    return withoutTimes(log.text());
}

}  // namespace

// The listener must tell the whole repair and nothing else, and must not change what the
// editor sees: the same map and the same log lines with or without it. A repaired map needs
// no further repair.
TEST(CorrectionListener, ReplayingTheToldRepairsGivesTheRepairedMapWhichNeedsNoMore)
{
    TestFolder folder;
    std::mt19937 random(13);
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        ZDBMap before = load(damagedImage(random));
        ZDBMap quiet(before);
        ZDBMap told(before);
        Replay replay(before);
        std::string quietLog = correctLogged(&quiet, nullptr);
        std::string toldLog = correctLogged(&told, &replay);
        // Whole logs are long: tell only whether they match.
        EXPECT_TRUE(quietLog == toldLog);
        EXPECT_NE(quietLog.find("warn:character range orver"), std::string::npos);
        EXPECT_GT(replay.count(), 0);
        EXPECT_TRUE(sameCells(quiet, told));
        EXPECT_TRUE(sameCells(told, replay.map()));
        EXPECT_EQ(told.getCityCount(), replay.map().getCityCount());
        EXPECT_EQ(told.getWallCount(), replay.map().getWallCount());
        EXPECT_EQ(told.getRoadCount(), replay.map().getRoadCount());
        for (uint32_t k = 0; k < ZDBMap::GROUPS; ++k) {
            EXPECT_EQ(told.getConnectCount(k), replay.connCount(k));
        }
        Replay again(told);
        told.correct(&again);
        EXPECT_EQ(again.count(), 0);
    }
}
