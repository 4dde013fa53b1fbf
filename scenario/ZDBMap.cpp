#include "scenario/ZDBMap.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/base/HDebug.h"
#include "framework/base/HText.h"

namespace {

const size_t kLayerBytes = ZDBMap::CELLS;
const size_t kPlacementOffset = 4 * kLayerBytes;
const size_t kPlacementBytes = ZDBMap::GROUPS * ZDBMap::SLOTS * 2;
const size_t kCountsOffset = kPlacementOffset + kPlacementBytes;

const uint8_t kCityFirst = 1;
const uint8_t kWallFirst = 16;
const uint8_t kWallLast = 24;
const uint8_t kRoadFirst = 25;
const uint8_t kRoadLast = 39;
const uint8_t kObjectLimit = 40;
const uint8_t kCharacterLimit = 240;
const uint8_t kHeightLimit = 16;

// Neighbour bits of a cell. Odd rows are shifted half a cell towards larger x, so the cells
// above and below lie at x - 1 + odd and x + odd (odd = y mod 2).
enum Neighbour : uint32_t {
    UP_LEFT = 1,
    LEFT = 2,
    DOWN_LEFT = 4,
    DOWN_RIGHT = 8,
    RIGHT = 16,
    UP_RIGHT = 32,
};

// Neighbours a wall chip (from 16) or road chip (from 25) connects to, position by position;
// the last six are the road's three-way chips 34..39.
const uint32_t kRequiredMask[] = {
    LEFT | RIGHT,                      // 16, 25
    UP_LEFT | DOWN_RIGHT,              // 17, 26
    DOWN_LEFT | UP_RIGHT,              // 18, 27
    UP_LEFT | RIGHT,                   // 19, 28
    UP_LEFT | DOWN_LEFT,               // 20, 29
    LEFT | UP_RIGHT,                   // 21, 30
    DOWN_RIGHT | UP_RIGHT,             // 22, 31
    LEFT | DOWN_RIGHT,                 // 23, 32
    DOWN_LEFT | RIGHT,                 // 24, 33
    LEFT | DOWN_RIGHT | UP_RIGHT,      // 34
    UP_LEFT | DOWN_LEFT | RIGHT,       // 35
    UP_LEFT | DOWN_LEFT | UP_RIGHT,    // 36
    UP_LEFT | DOWN_RIGHT | UP_RIGHT,   // 37
    DOWN_LEFT | DOWN_RIGHT | UP_RIGHT, // 38
    UP_LEFT | DOWN_LEFT | DOWN_RIGHT,  // 39
};

// Sort key of a cell within its category or group: previous order, then y, then x.
uint32_t orderKey(uint32_t order, uint32_t x, uint32_t y)
{
    return order * 65536u + y * ZDBMap::SIZE + x;
}

uint32_t keyX(uint32_t key)
{
    return (key & 0xFFFF) % ZDBMap::SIZE;
}

uint32_t keyY(uint32_t key)
{
    return (key & 0xFFFF) / ZDBMap::SIZE;
}

// The counts of the image are little-endian whatever the machine.
uint32_t readCount(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8
        | static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

void writeCount(uint8_t* bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

void tell(ZDCorrectionListener* listener, ZDCorrectionListener::Kind kind, uint32_t x, uint32_t y,
          uint32_t group, uint32_t before, uint32_t after)
{
    if (listener != nullptr) {
        listener->corrected(ZDCorrectionListener::Correction{kind, x, y, group, before, after});
    }
}

void tellShape(ZDCorrectionListener* listener, uint32_t x, uint32_t y, uint8_t before, uint8_t after)
{
    if (after != before) {
        tell(listener, ZDCorrectionListener::SHAPE, x, y, 0, before, after);
    }
}

}  // namespace

ZDBMap::ZDBMap()
{
    reset();
}

bool ZDBMap::outside(const char* writer, uint32_t x, uint32_t y)
{
    if (inside(x, y)) {
        return false;
    }
    HLOG_INFO((std::string(writer) + ":out of index").c_str());
    HDebug::debug("x=%u, y=%u", x, y);
    return true;
}

bool ZDBMap::sameCells(const ZDBMap& other) const
{
    return std::memcmp(m_character, other.m_character, sizeof m_character) == 0
           && std::memcmp(m_object, other.m_object, sizeof m_object) == 0
           && std::memcmp(m_order, other.m_order, sizeof m_order) == 0
           && std::memcmp(m_height, other.m_height, sizeof m_height) == 0
           && std::memcmp(m_connect, other.m_connect, sizeof m_connect) == 0
           && std::memcmp(m_connectOrder, other.m_connectOrder, sizeof m_connectOrder) == 0;
}

uint8_t ZDBMap::getCharacter(uint32_t x, uint32_t y) const
{
    return inside(x, y) ? m_character[at(x, y)] : 0;
}

uint8_t ZDBMap::getObject(uint32_t x, uint32_t y) const
{
    return inside(x, y) ? m_object[at(x, y)] : 0;
}

uint16_t ZDBMap::getOrder(uint32_t x, uint32_t y) const
{
    return inside(x, y) ? m_order[at(x, y)] : 0;
}

uint8_t ZDBMap::getHeight(uint32_t x, uint32_t y) const
{
    return inside(x, y) ? m_height[at(x, y)] : 0;
}

uint8_t ZDBMap::getConnect(uint32_t x, uint32_t y) const
{
    return inside(x, y) ? m_connect[at(x, y)] : 0;
}

uint16_t ZDBMap::getConnectOrder(uint32_t x, uint32_t y) const
{
    return inside(x, y) ? m_connectOrder[at(x, y)] : 0;
}

void ZDBMap::setCharacter(uint32_t x, uint32_t y, uint8_t value)
{
    if (!outside("setCharacter", x, y)) {
        m_character[at(x, y)] = value;
    }
}

void ZDBMap::setObject(uint32_t x, uint32_t y, uint8_t value)
{
    if (!outside("setObject", x, y)) {
        m_object[at(x, y)] = value;
    }
}

void ZDBMap::setOrder(uint32_t x, uint32_t y, uint16_t value)
{
    if (!outside("setOrder", x, y)) {
        m_order[at(x, y)] = value;
    }
}

void ZDBMap::setHeight(uint32_t x, uint32_t y, uint8_t value)
{
    if (!outside("setHeight", x, y)) {
        m_height[at(x, y)] = value;
    }
}

void ZDBMap::setConnect(uint32_t x, uint32_t y, uint8_t value)
{
    if (!outside("setConnect", x, y)) {
        m_connect[at(x, y)] = value;
    }
}

void ZDBMap::setConnectOrder(uint32_t x, uint32_t y, uint16_t value)
{
    if (!outside("setConnectOrder", x, y)) {
        m_connectOrder[at(x, y)] = value;
    }
}

uint16_t ZDBMap::getConnectCount(uint32_t index) const
{
    return index < GROUPS ? m_connCount[index] : 0;
}

void ZDBMap::reset()
{
    m_file = HFile();
    m_number = 0;
    memset(m_character, 0, sizeof(m_character));
    memset(m_object, 0, sizeof(m_object));
    memset(m_order, 0, sizeof(m_order));
    memset(m_height, 0, sizeof(m_height));
    memset(m_connect, 0, sizeof(m_connect));
    memset(m_connectOrder, 0, sizeof(m_connectOrder));
    memset(m_connCount, 0, sizeof(m_connCount));
    m_cityCount = 0;
    m_wallCount = 0;
    m_roadCount = 0;
}

bool ZDBMap::createFromBytes(const uint8_t* bytes, size_t length, const HFile& file,
                             uint32_t number)
{
    m_file = file;
    m_number = number;
    if (bytes == nullptr) {
        length = 0;
    }
    size_t p = 0;
    uint8_t* byteLayers[] = {m_character, m_object, nullptr, m_height};
    for (uint8_t* layer : byteLayers) {
        // A layer is read only when at least one byte follows it.
        if (p + kLayerBytes >= length) {
            continue;
        }
        if (layer != nullptr) {
            memcpy(layer, bytes + p, kLayerBytes);
        } else {
            for (size_t i = 0; i < kLayerBytes; ++i) {
                m_order[i] = bytes[p + i];
            }
        }
        p += kLayerBytes;
    }
    if (p + kPlacementBytes < length) {
        readPlacementTable(bytes + p);
        p += kPlacementBytes;
    }
    uint32_t* counts[] = {&m_cityCount, &m_wallCount};
    for (uint32_t* count : counts) {
        if (p + 4 < length) {
            *count = readCount(bytes + p);
            p += 4;
        }
    }
    if (p + 4 <= length) {
        m_roadCount = readCount(bytes + p);
        return true;
    }
    HLOG_INFO("createFromBytes:length error");
    HDebug::debug("len=%u index=%u", static_cast<unsigned>(length), static_cast<unsigned>(p));
    return false;
}

void ZDBMap::readPlacementTable(const uint8_t* table)
{
    // Downwards, so that of two slots naming one cell the lower one decides.
    for (int i = GROUPS * SLOTS - 1; i >= 0; --i) {
        uint32_t x = table[2 * i];
        uint32_t y = table[2 * i + 1];
        if (x == 0 && y == 0) {
            continue;
        }
        if (!inside(x, y)) {
            HDebug::debug("slot[%d]=(%u,%u) outside the map", i, x, y);
            continue;
        }
        uint32_t group = static_cast<uint32_t>(i) / SLOTS;
        ++m_connCount[group];
        m_connect[at(x, y)] = static_cast<uint8_t>(group + 1);
        m_connectOrder[at(x, y)] = static_cast<uint16_t>(i % SLOTS);
    }
}

void ZDBMap::writeToBytes(uint8_t* buffer) const
{
    if (buffer == nullptr) {
        return;
    }
    HLOG_PASS();
    memcpy(buffer, m_character, kLayerBytes);
    memcpy(buffer + kLayerBytes, m_object, kLayerBytes);
    for (size_t i = 0; i < kLayerBytes; ++i) {
        buffer[2 * kLayerBytes + i] = static_cast<uint8_t>(m_order[i] & 0xFF);
    }
    memcpy(buffer + 3 * kLayerBytes, m_height, kLayerBytes);

    HLOG_PASS();
    std::vector<uint32_t> groups[GROUPS];
    for (uint32_t y = 0; y < SIZE; ++y) {
        for (uint32_t x = 0; x < SIZE; ++x) {
            uint32_t group = m_connect[at(x, y)];
            if (group >= 1 && group <= GROUPS) {
                groups[group - 1].push_back(orderKey(m_connectOrder[at(x, y)], x, y));
            }
        }
    }
    HLOG_PASS();
    for (uint32_t g = 0; g < GROUPS; ++g) {
        std::sort(groups[g].begin(), groups[g].end());
        // The slot position carries the order, so a group keeps at most SLOTS cells.
        size_t stored = std::min<size_t>(groups[g].size(), SLOTS);
        for (size_t slot = 0; slot < stored; ++slot) {
            uint8_t* cell = buffer + kPlacementOffset + 2 * (g * SLOTS + slot);
            cell[0] = static_cast<uint8_t>(keyX(groups[g][slot]));
            cell[1] = static_cast<uint8_t>(keyY(groups[g][slot]));
        }
    }
    HLOG_PASS();
    writeCount(buffer + kCountsOffset, m_cityCount);
    writeCount(buffer + kCountsOffset + 4, m_wallCount);
    writeCount(buffer + kCountsOffset + 8, m_roadCount);
    HDebug::debug("writeToBytes size:%u", static_cast<unsigned>(IMAGE_SIZE));
}

void ZDBMap::correct(ZDCorrectionListener* listener)
{
    using Listener = ZDCorrectionListener;
    std::vector<uint32_t> cities;
    std::vector<uint32_t> walls;
    std::vector<uint32_t> roads;
    std::vector<uint32_t> groups[GROUPS];
    for (uint32_t y = 0; y < SIZE; ++y) {
        for (uint32_t x = 0; x < SIZE; ++x) {
            uint32_t cell = at(x, y);
            if (m_character[cell] >= kCharacterLimit) {
                HLOG_INFO("warn:character range orver");
                HDebug::debug("char(%u.%u)=%u", x, y, m_character[cell]);
                tell(listener, Listener::CHARACTER_RANGE, x, y, 0, m_character[cell], 0);
                m_character[cell] = 0;
            }
            uint8_t object = m_object[cell];
            if (object >= kObjectLimit) {
                HLOG_INFO("warn:object range orver");
                HDebug::debug("char(%u.%u)=%u", x, y, object);
                tell(listener, Listener::OBJECT_RANGE, x, y, 0, object, 0);
                m_object[cell] = 0;
                m_order[cell] = 0;
            } else if (object == 0 && m_order[cell] > 0) {
                HLOG_INFO("warn:order number exists on empty object");
                HDebug::debug("char(%u.%u)=%u", x, y, m_order[cell]);
                tell(listener, Listener::ORDER_ON_EMPTY, x, y, 0, m_order[cell], 0);
                m_order[cell] = 0;
            } else if (object >= kCityFirst && object < kWallFirst) {
                cities.push_back(orderKey(m_order[cell], x, y));
            } else if (object >= kWallFirst && object <= kWallLast) {
                autoShape(x, y);
                tellShape(listener, x, y, object, m_object[cell]);
                walls.push_back(orderKey(m_order[cell], x, y));
            } else if (object >= kRoadFirst && object <= kRoadLast) {
                autoShape(x, y);
                tellShape(listener, x, y, object, m_object[cell]);
                roads.push_back(orderKey(m_order[cell], x, y));
            }
            if (m_height[cell] >= kHeightLimit) {
                HLOG_INFO("warn:height range orver");
                HDebug::debug("char(%u.%u)=%u", x, y, m_height[cell]);
                tell(listener, Listener::HEIGHT_RANGE, x, y, 0, m_height[cell], kHeightLimit - 1);
                m_height[cell] = kHeightLimit - 1;
            }
            uint8_t group = m_connect[cell];
            if (group >= 1 && group <= GROUPS) {
                groups[group - 1].push_back(orderKey(m_connectOrder[cell], x, y));
            }
        }
    }

    if (m_cityCount != cities.size()) {
        tell(listener, Listener::CITY_COUNT, 0, 0, 0, m_cityCount, static_cast<uint32_t>(cities.size()));
        m_cityCount = static_cast<uint32_t>(cities.size());
        HDebug::debug("correct cityCount=%u", m_cityCount);
    }
    if (m_wallCount != walls.size()) {
        tell(listener, Listener::WALL_COUNT, 0, 0, 0, m_wallCount, static_cast<uint32_t>(walls.size()));
        m_wallCount = static_cast<uint32_t>(walls.size());
        HDebug::debug("correct wallCount=%u", m_wallCount);
    }
    if (m_roadCount != roads.size()) {
        tell(listener, Listener::ROAD_COUNT, 0, 0, 0, m_roadCount, static_cast<uint32_t>(roads.size()));
        m_roadCount = static_cast<uint32_t>(roads.size());
        HDebug::debug("correct roadCount=%u", m_roadCount);
    }

    renumber(cities, m_order, "ctyodr", listener, Listener::CITY_ORDER, 0);
    renumber(walls, m_order, "wllodr", listener, Listener::WALL_ORDER, 0);
    renumber(roads, m_order, "rododr", listener, Listener::ROAD_ORDER, 0);

    for (uint32_t k = 0; k < GROUPS; ++k) {
        if (m_connCount[k] != groups[k].size()) {
            tell(listener, Listener::CONNECT_COUNT, 0, 0, k, m_connCount[k],
                 static_cast<uint32_t>(groups[k].size()));
            m_connCount[k] = static_cast<uint16_t>(groups[k].size());
            HDebug::debug("correct connCount[%u]=%u", k, static_cast<unsigned>(groups[k].size()));
        }
        renumber(groups[k], m_connectOrder, HText::format("con[%u]", k).c_str(), listener,
                 Listener::CONNECT_ORDER, k);
    }
}

void ZDBMap::renumber(std::vector<uint32_t>& keys, uint16_t* orders, const char* label,
                      ZDCorrectionListener* listener, ZDCorrectionListener::Kind kind,
                      uint32_t group)
{
    std::sort(keys.begin(), keys.end());
    for (size_t n = 0; n < keys.size(); ++n) {
        uint32_t x = keyX(keys[n]);
        uint32_t y = keyY(keys[n]);
        uint16_t old = orders[at(x, y)];
        if (old != n) {
            HDebug::debug("%s(%2u,%2u)=%3u %3u", label, x, y, old, static_cast<unsigned>(n));
            tell(listener, kind, x, y, group, old, static_cast<uint32_t>(n));
            orders[at(x, y)] = static_cast<uint16_t>(n);
        }
    }
}

void ZDBMap::autoShape(uint32_t x, uint32_t y)
{
    uint8_t object = getObject(x, y);
    uint8_t base;
    uint8_t top;
    if (object >= kWallFirst && object <= kWallLast) {
        base = kWallFirst;
        top = kWallLast;
    } else if (object >= kRoadFirst && object <= kRoadLast) {
        base = kRoadFirst;
        top = kRoadLast;
    } else {
        return;
    }

    int cx = static_cast<int>(x);
    int cy = static_cast<int>(y);
    int odd = cy % 2;
    struct Offset {
        uint32_t bit;
        int x;
        int y;
    };
    const Offset neighbours[] = {
        {UP_LEFT, cx - 1 + odd, cy - 1},  {LEFT, cx - 1, cy},
        {DOWN_LEFT, cx - 1 + odd, cy + 1}, {DOWN_RIGHT, cx + odd, cy + 1},
        {RIGHT, cx + 1, cy},              {UP_RIGHT, cx + odd, cy - 1},
    };
    uint32_t mask = 0;
    for (const Offset& n : neighbours) {
        if (n.x < 0 || n.y < 0 || n.x >= static_cast<int>(SIZE) || n.y >= static_cast<int>(SIZE)) {
            continue;
        }
        uint8_t other = m_object[at(static_cast<uint32_t>(n.x), static_cast<uint32_t>(n.y))];
        if (other >= base && other <= top) {
            mask |= n.bit;
        }
    }

    uint8_t choice = base;
    if ((mask & (UP_LEFT | DOWN_RIGHT)) != 0) {
        choice = base + 1;
    } else if ((mask & (DOWN_LEFT | UP_RIGHT)) != 0) {
        choice = base + 2;
    }
    for (uint8_t chip = base + 1; chip <= top; ++chip) {
        uint32_t required = kRequiredMask[chip - base];
        if ((required & mask) == required) {
            choice = chip;
            break;
        }
    }
    if (base == kRoadFirst) {
        for (uint8_t chip = kRoadLast; chip >= kRoadLast - 5; --chip) {
            uint32_t required = kRequiredMask[chip - base];
            if ((required & mask) == required) {
                choice = chip;
                break;
            }
        }
    }
    if (choice != object) {
        setObject(x, y, choice);
    }
}
