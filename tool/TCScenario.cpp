#include "tool/TCScenario.h"

#include <cstring>

#include "framework/base/HFindFiles.h"
#include "framework/base/HFileWriter.h"
#include "framework/base/HSystem.h"
#include "framework/base/HWin32.h"
#include "framework/graphics/HImage.h"
#include "framework/graphics/HImageLoader.h"
#include "scenario/ZDScenarioCheck.h"
#include "tool/TCAreaCheck.h"
#include "tool/TCMapCheck.h"
#include "tool/TCReadRecorder.h"

namespace {

const int kChipsPerRow = 20;
const int kChipPixels = 32;
const int kCharacterChips = 240;
const int kObjectChips = 40;


TCFinding fileFinding(TCFinding::Kind kind, const std::string& file, uint32_t map)
{
    TCFinding finding;
    finding.kind = kind;
    finding.file = file;
    finding.map = map;
    return finding;
}

}  // namespace

TCScenario::TCScenario(const std::string& folder, BMData* data)
    : m_folder(folder), m_ownData(data == nullptr ? new BMData() : nullptr),
      m_data(data == nullptr ? m_ownData.get() : data)
{
}

bool TCScenario::load()
{
    HFile folder(m_folder);
    if (folder.getType() != HFile::TYPE_DIRECTORY) {
        m_error = folder.exists() ? "not a folder" : "no such folder";
        return false;
    }
    HFile areaData(m_folder + "\\Data\\AreaData");
    if (areaData.getType() != HFile::TYPE_FILE) {
        m_error = "no area list Data\\AreaData in it";
        return false;
    }
    {
        TCReadRecorder recorder;
        m_loaded = m_data->load(folder, HFile());
        m_read = recorder.takeFiles();
    }
    if (m_read.count(m_data->getAreaDataFile().getPath()) == 0) {
        m_error = "cannot read its area list Data\\AreaData";
        return false;
    }
    return true;
}

std::vector<TCFinding> TCScenario::check()
{
    std::vector<TCFinding> maps;
    m_mapFiles.assign(m_data->getAreaCount(), MAP_SAME);
    for (uint32_t index = 0; index < m_data->getAreaCount(); ++index) {
        checkMap(index, &maps);
    }
    std::vector<TCFinding> findings;
    checkAreas(&findings);
    findings.insert(findings.end(), maps.begin(), maps.end());
    checkUnreferencedMaps(&findings);
    checkTemporaries(&findings);
    checkChips(m_data->getCharacterImageFile(), m_data->getCharacterImage(), kCharacterChips,
               "BMAPCHAR.BMP", &findings);
    checkChips(m_data->getObjectImageFile(), m_data->getObjectImage(), kObjectChips, "BMAPOBJ.BMP",
               &findings);
    return findings;
}

void TCScenario::checkAreas(std::vector<TCFinding>* findings)
{
    std::string path = m_data->getAreaDataFile().getPath();
    uint32_t count = m_data->getAreaCount();
    TCAreaCheck::checkList(m_read[path], count, m_data->getAreaListEnd(), path, findings);
    const HImage* characters = m_data->getCharacterImage();
    const HImage* objects = m_data->getObjectImage();
    const ZDScenarioCheck::Options sheets = ZDScenarioCheck::sheetsOf(
        characters != nullptr ? characters->getWidth() : 0,
        characters != nullptr ? characters->getHeight() : 0,
        objects != nullptr ? objects->getWidth() : 0, objects != nullptr ? objects->getHeight() : 0);
    const HFile game = ZDAreaMapData::getGameDirectory();
    std::map<std::string, bool> music;
    for (uint32_t index = 0; index < count; ++index) {
        ZDEditArea* area = m_data->getArea(index);
        ZDEditBMap* map = m_data->getBMap(index);
        // A map that could not be read whole says nothing about the counts its line should hold.
        const bool known = m_mapFiles[index] != MAP_KEPT;
        TCAreaCheck::checkArea(static_cast<uint32_t>(area->getNumber()), area->getLoaded(), *map,
                               count, sheets, path, map->getFile().getPath(), known, findings);
        std::vector<ZDProblem> missing;
        ZDScenarioCheck::checkMusic(static_cast<uint32_t>(area->getNumber()), area->getLoaded(),
                                    m_data->getScenarioDirectory(), game, &music, &missing);
        for (const ZDProblem& problem : missing) {
            findings->push_back(TCFinding::fromProblem(problem, path));
        }
        if (known) {
            m_data->correct(index + 1);
        }
    }
}

void TCScenario::checkMap(uint32_t index, std::vector<TCFinding>* findings)
{
    ZDEditBMap* map = m_data->getBMap(index);
    HFile file = map->getFile();
    std::string path = file.getPath();
    uint32_t number = map->getNumber();
    if (!file.exists()) {
        findings->push_back(fileFinding(TCFinding::MAP_MISSING, path, number));
        m_mapFiles[index] = MAP_DIFFERS;
        return;
    }
    auto read = m_read.find(path);
    if (read == m_read.end()) {
        findings->push_back(fileFinding(TCFinding::MAP_UNREADABLE, path, number));
        m_mapFiles[index] = MAP_KEPT;
        return;
    }
    const std::string& bytes = read->second;
    std::vector<uint8_t> image = TCMapCheck::image(*map);
    if (bytes.size() < image.size()) {
        // What the editor makes of a cut file is no repair of it: the file needs restoring.
        TCMapCheck::checkBytes(bytes, image, true, path, number, findings);
        m_mapFiles[index] = MAP_KEPT;
        return;
    }
    std::vector<TCFinding> cells;
    TCMapCheck::check(map->getLoaded(), path, &cells);
    // The file's own findings first, then its cells'.
    TCMapCheck::checkBytes(bytes, image, !cells.empty(), path, number, findings);
    findings->insert(findings->end(), cells.begin(), cells.end());
    bool same = bytes.size() == image.size() && memcmp(bytes.data(), image.data(), image.size()) == 0;
    m_mapFiles[index] = same ? MAP_SAME : MAP_DIFFERS;
}

// Files named as the map of an area number the list does not have: "BMap_No" (in any case, as
// the file system matches it) and a number without leading zeros, or with them.
void TCScenario::checkUnreferencedMaps(std::vector<TCFinding>* findings)
{
    HFile areaData = m_data->getAreaDataFile();
    std::vector<ZDProblem> problems;
    ZDScenarioCheck::checkMapFiles(HFindFiles::getFileNames(HFile(areaData.getDirectory())),
                                   m_data->getAreaCount(), &problems);
    for (const ZDProblem& problem : problems) {
        findings->push_back(TCFinding::fromProblem(
            problem, HFile(areaData.getDirectory(), problem.text).getPath()));
    }
}

void TCScenario::checkTemporaries(std::vector<TCFinding>* findings)
{
    HFile areaData = m_data->getAreaDataFile();
    std::vector<std::string> targets = {areaData.getName()};
    for (uint32_t index = 0; index < m_data->getAreaCount(); ++index) {
        targets.push_back(m_data->getBMap(index)->getFile().getName());
    }
    m_temporaries.clear();
    for (const std::string& name : HFindFiles::getFileNames(HFile(areaData.getDirectory()))) {
        for (const std::string& target : targets) {
            if (HFileWriter::isTemporaryOf(name, target)) {
                std::string path = HFile(areaData.getDirectory(), name).getPath();
                m_temporaries.push_back(path);
                findings->push_back(fileFinding(TCFinding::TEMPORARY, path, 0));
                break;
            }
        }
    }
}

void TCScenario::checkChips(const HFile& file, HImage* image, int chips, const char* name,
                            std::vector<TCFinding>* findings)
{
    if (file.isEmpty()) {
        TCFinding finding = fileFinding(TCFinding::CHIPS_MISSING, m_folder + "\\Picture\\" + name, 0);
        finding.text = name;
        findings->push_back(finding);
        return;
    }
    // The load leaves out a bitmap it could not read.
    int rows = (chips + kChipsPerRow - 1) / kChipsPerRow;
    bool fits = image != nullptr && image->getWidth() == kChipsPerRow * kChipPixels
                && image->getHeight() >= rows * kChipPixels;
    if (m_loaded && fits) {
        return;
    }
    // The load failed somewhere or the size is wrong: read this bitmap again to tell which.
    HImage probe;
    if (HImageLoader::loadImageFile(file, &probe, true) != HImageLoader::LOAD_OK) {
        findings->push_back(fileFinding(TCFinding::CHIPS_UNREADABLE, file.getPath(), 0));
    } else if (!fits) {
        TCFinding finding = fileFinding(TCFinding::CHIPS_SIZE, file.getPath(), 0);
        finding.value = probe.getWidth();
        finding.result = probe.getHeight();
        finding.index = chips;
        findings->push_back(finding);
    }
}

bool TCScenario::repair(Repair* result)
{
    bool ok = true;
    HSystem& system = HSystem::get();
    // First, so that the writer below takes its usual temporary names again.
    for (const std::string& path : m_temporaries) {
        bool removed = system.removeFile(path);
        (removed ? result->removed : result->failed).push_back(path);
        ok = removed && ok;
    }
    for (uint32_t index = 0; index < m_mapFiles.size(); ++index) {
        if (m_mapFiles[index] != MAP_DIFFERS) {
            continue;
        }
        bool saved = m_data->saveBMap(index);
        (saved ? result->written : result->failed).push_back(m_data->getBMap(index)->getFile().getPath());
        ok = saved && ok;
    }
    // A count mended in a line the columns cannot carry would write that line in the columns.
    bool areasChanged = false;
    bool linesLost = false;
    for (uint32_t index = 0; index < m_data->getAreaCount(); ++index) {
        const ZDEditArea& area = *m_data->getArea(index);
        areasChanged = areasChanged || area.isModified();
        linesLost = linesLost || (!area.getRawLine().empty() && !area.keepsRawLine());
    }
    if (linesLost) {
        result->kept.push_back(m_data->getAreaDataFile().getPath());
    } else if (areasChanged) {
        bool saved = m_data->save();
        (saved ? result->written : result->failed).push_back(m_data->getAreaDataFile().getPath());
        ok = saved && ok;
    }
    return ok;
}
