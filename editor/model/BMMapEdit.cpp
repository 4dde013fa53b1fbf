#include "editor/model/BMMapEdit.h"

#include "editor/model/BMData.h"

namespace {

std::vector<int32_t> linksOf(const BMData& data)
{
    std::vector<int32_t> links;
    links.reserve(data.getAreaCount() * ZDArea::LINKS);
    for (uint32_t i = 0; i < data.getAreaCount(); ++i) {
        for (int group = 0; group < ZDArea::LINKS; ++group) {
            links.push_back(data.getArea(i)->getLink(group));
        }
    }
    return links;
}

void setLinks(BMData& data, const std::vector<int32_t>& links)
{
    for (uint32_t i = 0; i < data.getAreaCount(); ++i) {
        for (int group = 0; group < ZDArea::LINKS; ++group) {
            const size_t at = i * ZDArea::LINKS + static_cast<size_t>(group);
            if (at < links.size() && data.getArea(i)->getLink(group) != links[at]) {
                data.getArea(i)->setLink(group, links[at]);
            }
        }
    }
}

}  // namespace

BMMapEdit::BMMapEdit(Kind kind, uint32_t index, uint32_t to, uint32_t current)
    : m_kind(kind), m_index(index), m_to(to), m_currentBefore(current)
{
}

BMMapEdit::~BMMapEdit() = default;

void BMMapEdit::hold(std::unique_ptr<ZDEditArea> area, std::unique_ptr<ZDEditBMap> map)
{
    m_area = std::move(area);
    m_map = std::move(map);
}

bool BMMapEdit::apply(BMData& data, bool redo)
{
    if (redo) {
        // Taken anew each time: the list is the same as when the change was first made.
        std::vector<int32_t> links = linksOf(data);
        if (!forward(data)) {
            return false;
        }
        m_links = std::move(links);
        data.setCurrent(currentAfter(data));
        return true;
    }
    if (!backward(data)) {
        return false;
    }
    setLinks(data, m_links);
    data.setCurrent(m_currentBefore);
    return true;
}

bool BMMapEdit::forward(BMData& data)
{
    switch (m_kind) {
    case INSERT:
        return data.insertArea(m_index, std::move(m_area), std::move(m_map));
    case REMOVE:
        return data.removeArea(m_index, &m_area, &m_map);
    default:
        return data.moveArea(m_index, m_to);
    }
}

bool BMMapEdit::backward(BMData& data)
{
    switch (m_kind) {
    case INSERT:
        return data.removeArea(m_index, &m_area, &m_map);
    case REMOVE:
        return data.insertArea(m_index, std::move(m_area), std::move(m_map));
    default:
        return data.moveArea(m_to, m_index);
    }
}

uint32_t BMMapEdit::currentAfter(const BMData& data) const
{
    switch (m_kind) {
    case INSERT:
        return m_index + 1;
    case REMOVE:
        return m_index < data.getAreaCount() ? m_index + 1 : data.getAreaCount();
    default:
        return m_to + 1;
    }
}
