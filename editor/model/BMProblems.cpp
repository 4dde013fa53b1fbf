#include "editor/model/BMProblems.h"

#include "editor/model/BMChange.h"
#include "editor/model/BMData.h"

void BMProblems::checkAll(const BMData& data, const std::vector<std::string>& dataFiles,
                          const HFile& game)
{
    m_dataFiles = dataFiles;
    m_game = game;
    m_music.clear();
    m_files.clear();
    ZDScenarioCheck::checkMapFiles(m_dataFiles, data.getAreaCount(), &m_files);
    m_areas.assign(data.getAreaCount(), std::vector<ZDProblem>());
    for (uint32_t number = 1; number <= data.getAreaCount(); ++number) {
        checkArea(data, number);
    }
}

bool BMProblems::follow(const BMData& data, const BMChange& change)
{
    if (change.areas || m_areas.size() != data.getAreaCount()) {
        const std::vector<ZDProblem> before = list();
        checkAll(data, m_dataFiles, m_game);
        return list() != before;
    }
    if ((change.data & DATA_SAVED) == 0 || data.getCurrent() == 0) {
        return false;
    }
    return checkArea(data, data.getCurrent());
}

bool BMProblems::checkArea(const BMData& data, uint32_t number)
{
    if (number == 0 || number > m_areas.size()) {
        return false;
    }
    const ZDEditArea* area = data.getArea(number - 1);
    const ZDEditBMap* map = data.getBMap(number - 1);
    if (area == nullptr || map == nullptr) {
        return false;
    }
    std::vector<ZDProblem> problems;
    ZDScenarioCheck::checkArea(number, *area, *map, data.getAreaCount(), m_options, &problems);
    ZDScenarioCheck::checkMusic(number, *area, data.getScenarioDirectory(), m_game, &m_music,
                                &problems);
    if (problems == m_areas[number - 1]) {
        return false;
    }
    m_areas[number - 1].swap(problems);
    return true;
}

std::vector<ZDProblem> BMProblems::list() const
{
    std::vector<ZDProblem> all = m_files;
    for (const std::vector<ZDProblem>& area : m_areas) {
        all.insert(all.end(), area.begin(), area.end());
    }
    return all;
}

size_t BMProblems::count() const
{
    size_t total = m_files.size();
    for (const std::vector<ZDProblem>& area : m_areas) {
        total += area.size();
    }
    return total;
}
