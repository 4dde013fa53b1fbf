// The changes of the list of areas: insert, remove and move an area with its map. The file
// format ties a map to its area by number alone (the map of area n is BMap_No<n>), so every
// change numbers the areas after its place again, and the group links, which hold area
// numbers, are mapped to the new numbers.
#include "scenario/ZDAreaMapData.h"

#include <string>

namespace {

// Whether link names an area of a list of count areas.
bool namesArea(int32_t link, size_t count)
{
    return link >= 1 && static_cast<size_t>(link) <= count;
}

}  // namespace

template <class Map>
void ZDAreaMapData::remapLinks(Map map)
{
    for (const std::unique_ptr<ZDEditArea>& area : m_areas) {
        for (int group = 0; group < ZDArea::LINKS; ++group) {
            const int32_t link = area->getLink(group);
            const int32_t mapped = map(link);
            // Only real changes are written: a record may keep fields it was read with.
            if (mapped != link) {
                area->setLink(group, mapped);
            }
        }
    }
}

void ZDAreaMapData::renumberFrom(size_t index)
{
    for (size_t i = index; i < m_areas.size(); ++i) {
        const uint32_t number = static_cast<uint32_t>(i + 1);
        m_areas[i]->setNumber(static_cast<int32_t>(number));
        m_maps[i]->setNumber(number);
        m_maps[i]->setFile(HFile(m_areaData.getDirectory(), "BMap_No" + std::to_string(number)));
    }
}

bool ZDAreaMapData::insertArea(uint32_t index, std::unique_ptr<ZDEditArea>&& area,
                               std::unique_ptr<ZDEditBMap>&& map)
{
    if (index > m_areas.size() || area == nullptr || map == nullptr) {
        HLOG_INFO("insertArea:error out of index");
        debug("insertArea:index=%u", index);
        return false;
    }
    const size_t count = m_areas.size();
    const int32_t first = static_cast<int32_t>(index) + 1;
    remapLinks([first, count](int32_t link) {
        return link >= first && namesArea(link, count) ? link + 1 : link;
    });
    area->setFile(m_areaData);
    m_areas.insert(m_areas.begin() + static_cast<std::ptrdiff_t>(index), std::move(area));
    m_maps.insert(m_maps.begin() + static_cast<std::ptrdiff_t>(index), std::move(map));
    renumberFrom(index);
    debug("insertArea:index=%u count=%u", index, static_cast<uint32_t>(m_areas.size()));
    return true;
}

bool ZDAreaMapData::removeArea(uint32_t index, std::unique_ptr<ZDEditArea>* area,
                               std::unique_ptr<ZDEditBMap>* map)
{
    if (index >= m_areas.size() || index >= m_maps.size() || area == nullptr || map == nullptr) {
        HLOG_INFO("removeArea:error out of index");
        debug("removeArea:index=%u", index);
        return false;
    }
    const size_t count = m_areas.size();
    *area = std::move(m_areas[index]);
    *map = std::move(m_maps[index]);
    m_areas.erase(m_areas.begin() + static_cast<std::ptrdiff_t>(index));
    m_maps.erase(m_maps.begin() + static_cast<std::ptrdiff_t>(index));
    const int32_t removed = static_cast<int32_t>(index) + 1;
    remapLinks([removed, count](int32_t link) {
        if (!namesArea(link, count) || link < removed) {
            return link;
        }
        return link == removed ? 0 : link - 1;
    });
    renumberFrom(index);
    debug("removeArea:index=%u count=%u", index, static_cast<uint32_t>(m_areas.size()));
    return true;
}

bool ZDAreaMapData::moveArea(uint32_t from, uint32_t to)
{
    const size_t count = m_areas.size();
    if (from >= count || to >= count || m_maps.size() != count) {
        HLOG_INFO("moveArea:error out of index");
        debug("moveArea:from=%u to=%u", from, to);
        return false;
    }
    if (from == to) {
        return true;
    }
    // Area from + 1 becomes to + 1; those between close the gap or make room.
    const int32_t a = static_cast<int32_t>(from) + 1;
    const int32_t b = static_cast<int32_t>(to) + 1;
    remapLinks([a, b, count](int32_t link) {
        if (!namesArea(link, count)) {
            return link;
        }
        if (link == a) {
            return b;
        }
        if (a < b && link > a && link <= b) {
            return link - 1;
        }
        if (b < a && link >= b && link < a) {
            return link + 1;
        }
        return link;
    });
    std::unique_ptr<ZDEditArea> area = std::move(m_areas[from]);
    std::unique_ptr<ZDEditBMap> map = std::move(m_maps[from]);
    m_areas.erase(m_areas.begin() + static_cast<std::ptrdiff_t>(from));
    m_maps.erase(m_maps.begin() + static_cast<std::ptrdiff_t>(from));
    m_areas.insert(m_areas.begin() + static_cast<std::ptrdiff_t>(to), std::move(area));
    m_maps.insert(m_maps.begin() + static_cast<std::ptrdiff_t>(to), std::move(map));
    renumberFrom(from < to ? from : to);
    debug("moveArea:from=%u to=%u", from, to);
    return true;
}

uint32_t ZDAreaMapData::countLinksTo(uint32_t index) const
{
    uint32_t links = 0;
    for (size_t i = 0; i < m_areas.size(); ++i) {
        for (int group = 0; i != index && group < ZDArea::LINKS; ++group) {
            links += m_areas[i]->getLink(group) == static_cast<int32_t>(index) + 1 ? 1 : 0;
        }
    }
    return links;
}
