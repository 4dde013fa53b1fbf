#include "scenario/ZDEditBMap.h"

ZDEditBMap::ZDEditBMap(const ZDBMap& map) : ZDBMap(map), m_loaded(map)
{
}

bool ZDEditBMap::isModified() const
{
    for (uint32_t y = 0; y < SIZE; ++y) {
        for (uint32_t x = 0; x < SIZE; ++x) {
            if (getCharacter(x, y) != m_loaded.getCharacter(x, y)
                || getObject(x, y) != m_loaded.getObject(x, y)
                || getOrder(x, y) != m_loaded.getOrder(x, y)
                || getHeight(x, y) != m_loaded.getHeight(x, y)
                || getConnect(x, y) != m_loaded.getConnect(x, y)
                || getConnectOrder(x, y) != m_loaded.getConnectOrder(x, y)) {
                return true;
            }
        }
    }
    return false;
}

void ZDEditBMap::revert()
{
    for (uint32_t y = 0; y < SIZE; ++y) {
        for (uint32_t x = 0; x < SIZE; ++x) {
            setCharacter(x, y, m_loaded.getCharacter(x, y));
            setObject(x, y, m_loaded.getObject(x, y));
            setOrder(x, y, m_loaded.getOrder(x, y));
            setHeight(x, y, m_loaded.getHeight(x, y));
            setConnect(x, y, m_loaded.getConnect(x, y));
            setConnectOrder(x, y, m_loaded.getConnectOrder(x, y));
        }
    }
    setCityCount(m_loaded.getCityCount());
    setWallCount(m_loaded.getWallCount());
    setRoadCount(m_loaded.getRoadCount());
}
