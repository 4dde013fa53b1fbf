#include "scenario/ZDScenarioSave.h"

#include <algorithm>

#include "framework/base/HSystem.h"
#include "framework/base/HText.h"
#include "scenario/ZDAreaMapData.h"
#include "scenario/ZDBMap.h"
#include "scenario/ZDFileStamp.h"
#include "scenario/ZDSaveJournal.h"

namespace {

// The folder's full path with ASCII letters in upper case, as Windows compares paths.
std::string folderKey(const std::string& folder)
{
    return HText::asciiUpper(HSystem::get().getFullPath(folder));
}

bool isFile(const std::string& path)
{
    return HSystem::get().getType(path) == HSystem::TYPE_FILE;
}

}  // namespace

ZDScenarioSave::ZDScenarioSave(const ZDAreaMapData& data, const HFile& areaData)
    : m_folder(areaData.getDirectory())
{
    ZDFileSet all = allFiles(data, areaData.getName());
    const std::string& readFolder = data.getReadFolder();
    if (readFolder.empty() || folderKey(readFolder) != folderKey(m_folder)) {
        m_changes = all;
        return;
    }
    const auto& read = data.getReadFiles();
    for (const ZDFileSet::File& file : all.getWrites()) {
        std::string path = HFile(m_folder, file.name).getPath();
        auto stamp = read.find(file.name);
        if (stamp != read.end() && stamp->second.isCurrent(path)) {
            if (!stamp->second.holds(file.bytes)) {
                m_changes.write(file.name, file.bytes);
            }
            continue;
        }
        // Not read at open, or changed since: what is on disk now decides.
        std::string disk;
        if (isFile(path) && ZDFileStamp::readFile(path, &disk) && disk == file.bytes) {
            continue;
        }
        m_changes.write(file.name, file.bytes);
        if (stamp != read.end()) {
            m_changedElsewhere.push_back(path);
        }
    }
    for (const auto& entry : read) {
        std::string path = HFile(m_folder, entry.first).getPath();
        if (!ZDAreaMapData::isMapFileName(entry.first) || all.find(entry.first) != nullptr
            || !isFile(path)) {
            continue;
        }
        m_changes.remove(entry.first);
        if (!entry.second.isCurrent(path)) {
            m_changedElsewhere.push_back(path);
        }
    }
}

bool ZDScenarioSave::commit() const
{
    return ZDSaveJournal::commit(m_folder, m_changes);
}

ZDFileSet ZDScenarioSave::allFiles(const ZDAreaMapData& data, const std::string& areaDataName)
{
    ZDFileSet files;
    files.write(areaDataName, data.formatAreaList());
    std::string image(ZDBMap::IMAGE_SIZE, '\0');
    for (uint32_t index = 0; index < data.getAreaCount(); ++index) {
        std::fill(image.begin(), image.end(), '\0');
        data.getBMap(index)->writeToBytes(reinterpret_cast<uint8_t*>(&image[0]));
        files.write(ZDAreaMapData::mapFileName(index + 1), image);
    }
    return files;
}

ZDFileSet ZDScenarioSave::unsavedChanges(const ZDAreaMapData& data)
{
    ZDFileSet all = allFiles(data, data.getAreaDataFile().getName());
    const auto& read = data.getReadFiles();
    ZDFileSet changes;
    for (const ZDFileSet::File& file : all.getWrites()) {
        auto stamp = read.find(file.name);
        if (stamp == read.end() || !stamp->second.holds(file.bytes)) {
            changes.write(file.name, file.bytes);
        }
    }
    for (const auto& entry : read) {
        if (ZDAreaMapData::isMapFileName(entry.first) && entry.second.exists()
            && all.find(entry.first) == nullptr) {
            changes.remove(entry.first);
        }
    }
    return changes;
}
