#include "scenario/ZDEditBMap.h"

ZDEditBMap::ZDEditBMap(const ZDBMap& map) : ZDBMap(map), m_loaded(map)
{
}

// The whole layers at once: the editor asks after every edit, for every map of the scenario.
bool ZDEditBMap::isModified() const
{
    return !sameCells(m_loaded);
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
