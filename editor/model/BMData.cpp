#include "editor/model/BMData.h"

#include <cstdio>

#include "framework/base/HDebug.h"

namespace {

BMData* g_instance = nullptr;

std::string format(const char* pattern, uint32_t a, uint32_t b = 0, uint32_t c = 0)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

}  // namespace

BMData* BMData::getInstance(bool create)
{
    if (g_instance == nullptr && create) {
        g_instance = new BMData();
    }
    return g_instance;
}

void BMData::deleteInstance()
{
    HLOG_START("deleteInstance");
    delete g_instance;
    g_instance = nullptr;
    HLOG_END("deleteInstance");
}

void BMData::setInstance(BMData* data)
{
    if (data != g_instance) {
        delete g_instance;
        g_instance = data;
    }
}

BMData::BMData()
{
    setClassName("BMData");
}

BMData::~BMData() = default;

void BMData::setCurrent(uint32_t number)
{
    m_current = number > getAreaCount() ? 0 : number;
}

ZDEditBMap* BMData::mapOf(uint32_t number) const
{
    // Number n is index n - 1; with no current map the index wraps and names nothing.
    return getBMap((number == 0 ? m_current : number) - 1);
}

ZDEditArea* BMData::areaOf(uint32_t number) const
{
    return getArea((number == 0 ? m_current : number) - 1);
}

ZDEditBMap* BMData::checkCell(const char* operation, int type, uint32_t number, uint32_t x,
                              uint32_t y, bool needArea) const
{
    if (x >= ZDBMap::SIZE || y >= ZDBMap::SIZE) {
        // Only a report: the map's own accessors then answer 0 or store nothing.
        HLOG_INFO((std::string(operation) + ":error out of point").c_str());
        debug("%s:x=%u y=%u type=%d", operation, x, y, type);
    }
    ZDEditBMap* map = mapOf(number);
    if (map == nullptr || (needArea && areaOf(number) == nullptr)) {
        HLOG_INFO((std::string(operation) + ":error out of index").c_str());
        debug("%s:index=%u type=%d", operation, number, type);
        return nullptr;
    }
    return map;
}

void BMData::unknownType(const char* operation, int type) const
{
    HLOG_INFO((std::string(operation) + ":error unknown type").c_str());
    debug("%s:type=%d", operation, type);
}

uint8_t BMData::getByte(int type, uint32_t number, uint32_t x, uint32_t y) const
{
    const ZDEditBMap* map = checkCell("getByte", type, number, x, y, type == TYPE_LINK);
    if (map == nullptr) {
        return 0;
    }
    switch (type) {
    case TYPE_CHARACTER: return map->getCharacter(x, y);
    case TYPE_OBJECT: return map->getObject(x, y);
    case TYPE_HEIGHT: return map->getHeight(x, y);
    case TYPE_CONNECT: return map->getConnect(x, y);
    case TYPE_LINK: return static_cast<uint8_t>(areaOf(number)->getLink(static_cast<int>(x)));
    default: unknownType("getByte", type); return 0;
    }
}

void BMData::setByte(int type, uint8_t value, uint32_t number, uint32_t x, uint32_t y)
{
    ZDEditBMap* map = checkCell("setByte", type, number, x, y, false);
    if (map == nullptr) {
        return;
    }
    switch (type) {
    case TYPE_CHARACTER: map->setCharacter(x, y, value); break;
    case TYPE_OBJECT: map->setObject(x, y, value); break;
    case TYPE_HEIGHT: map->setHeight(x, y, value); break;
    case TYPE_CONNECT: map->setConnect(x, y, value); break;
    default: unknownType("setByte", type); break;
    }
}

uint32_t BMData::getWord(int type, uint32_t number, uint32_t x, uint32_t y) const
{
    const ZDEditBMap* map = checkCell("getWord", type, number, x, y, false);
    if (map == nullptr) {
        return 0;
    }
    switch (type) {
    case TYPE_ORDER: return map->getOrder(x, y);
    case TYPE_CITY_COUNT: return map->getCityCount();
    case TYPE_WALL_COUNT: return map->getWallCount();
    case TYPE_ROAD_COUNT: return map->getRoadCount();
    case TYPE_CONNECT_COUNT: return map->getConnectCount(x);
    case TYPE_CONNECT_ORDER: return map->getConnectOrder(x, y);
    default: unknownType("getWord", type); return 0;
    }
}

void BMData::setWord(int type, uint16_t value, uint32_t number, uint32_t x, uint32_t y)
{
    ZDEditBMap* map = checkCell("setWord", type, number, x, y, false);
    if (map == nullptr) {
        return;
    }
    switch (type) {
    case TYPE_ORDER: map->setOrder(x, y, value); break;
    case TYPE_CONNECT_ORDER: map->setConnectOrder(x, y, value); break;
    default: unknownType("setWord", type); break;
    }
}

void BMData::restore(int type, uint32_t number, uint32_t x, uint32_t y)
{
    ZDEditBMap* map = checkCell("getByte", type, number, x, y, false);
    if (map == nullptr) {
        return;
    }
    const ZDBMap& loaded = map->getLoaded();
    switch (type) {
    case TYPE_CHARACTER: map->setCharacter(x, y, loaded.getCharacter(x, y)); break;
    case TYPE_OBJECT: map->setObject(x, y, loaded.getObject(x, y)); break;
    case TYPE_ORDER: map->setOrder(x, y, loaded.getOrder(x, y)); break;
    case TYPE_HEIGHT: map->setHeight(x, y, loaded.getHeight(x, y)); break;
    case TYPE_CONNECT:
        HLOG_PASS();
        map->setConnect(x, y, loaded.getConnect(x, y));
        break;
    case TYPE_CONNECT_ORDER:
        HLOG_PASS();
        map->setConnectOrder(x, y, loaded.getConnectOrder(x, y));
        break;
    case TYPE_MAP: map->revert(); break;
    default: unknownType("getByte", type); break;
    }
}

void BMData::correct(uint32_t number)
{
    ZDEditBMap* map = mapOf(number);
    if (map == nullptr) {
        HLOG_INFO("getByte:error out of index");
        debug("getByte:index=%u", number);
        return;
    }
    map->correct();
    ZDEditArea* area = areaOf(number);
    if (area != nullptr) {
        area->setCityCount(static_cast<int32_t>(map->getCityCount()));
        area->setWallCount(static_cast<int32_t>(map->getWallCount()));
        area->setRoadCount(static_cast<int32_t>(map->getRoadCount()));
    }
}

std::string BMData::getString(int type, uint32_t number, uint32_t x, uint32_t y) const
{
    const ZDEditBMap* map = checkCell("getString", type, number, x, y, true);
    if (map == nullptr) {
        return std::string();
    }
    const ZDEditArea* area = areaOf(number);
    const uint32_t areaNumber = static_cast<uint32_t>(area->getNumber());
    switch (type) {
    case TYPE_CHARACTER: return format("%03u", map->getCharacter(x, y));
    case TYPE_OBJECT: return format("%02u", map->getObject(x, y));
    case TYPE_ORDER: return format("%3u", map->getOrder(x, y));
    case TYPE_HEIGHT: return format("%2u", map->getHeight(x, y));
    case TYPE_STATUS_PAGE:
        return format("[edit]         [prev]  %02u / %02u  [next]", areaNumber, getAreaCount());
    case TYPE_STATUS_AREA: return format(" %02u:", areaNumber) + area->getName();
    case TYPE_STATUS_COUNTS:
        return format(" 街:%03u 壁:%03u 道:%03u", map->getCityCount(), map->getWallCount(),
                      map->getRoadCount());
    case TYPE_STATUS_MUSIC: return " ♪:" + area->getMusic();
    default: unknownType("getString", type); return std::string();
    }
}
