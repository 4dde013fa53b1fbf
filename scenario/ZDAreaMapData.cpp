#include "scenario/ZDAreaMapData.h"

#include <algorithm>
#include <string>

#include "framework/base/HFileReader.h"
#include "framework/base/HFileWriter.h"
#include "framework/base/HText.h"
#include "scenario/ZDArea.h"
#include "scenario/ZDFileSet.h"

const char* const ZDAreaMapData::REGISTRY_PATH = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Kest\\Molva\\Directory";
const char* const ZDAreaMapData::USER_REGISTRY_PATH =
    "HKEY_CURRENT_USER\\SOFTWARE\\Kest\\Molva\\Directory";

namespace {

// Pictures relative to a scenario folder, in the order of the picture slots.
const char* const kPictures[] = {"Picture\\BMAPCHAR.BMP", "Picture\\BMAPOBJ.BMP",
                                 "Picture\\FieldMap.bmp", "Picture\\Flag0.bmp"};
const char kMapPrefix[] = "BMap_No";

// True when the path ends in a backslash of its own, not in the second byte of a double-byte
// character such as "ソ".
bool endsWithSeparator(const std::string& path)
{
    if (path.empty() || path.back() != '\\') {
        return false;
    }
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        if (HText::isDoubleByte(path.data(), path.size(), i)) {
            if (i + 2 == path.size()) {
                return false;
            }
            ++i;
        }
    }
    return true;
}

// base + "\" + relative, without doubling a separator that ends base.
HFile join(const HFile& base, const std::string& relative)
{
    std::string path = base.getPath();
    if (endsWithSeparator(path)) {
        path.pop_back();
    }
    return HFile(path + "\\" + relative);
}

bool isDirectory(const HFile& file)
{
    return file.getType() == HFile::TYPE_DIRECTORY;
}

bool isFile(const HFile& file)
{
    return file.getType() == HFile::TYPE_FILE;
}

}  // namespace

ZDAreaMapData::ZDAreaMapData()
{
    setClassName("ZDAreaMapData");
}

ZDAreaMapData::~ZDAreaMapData()
{
    clear();
}

namespace {

// "C:\Game\" would leave the path without a name (and is no folder to the file search); a
// drive's root keeps its separator.
HFile gameFolder(std::string text)
{
    while (text.size() > 3 && endsWithSeparator(text)) {
        text.pop_back();
    }
    return text.empty() ? HFile() : HFile(text);
}

std::string& chosenGameDirectory()
{
    static std::string folder;
    return folder;
}

}  // namespace

void ZDAreaMapData::setChosenGameDirectory(const std::string& folder)
{
    chosenGameDirectory() = folder;
}

std::string ZDAreaMapData::getChosenGameDirectory()
{
    return chosenGameDirectory();
}

ZDGameFinder ZDAreaMapData::findGame()
{
    return ZDGameFinder(
        [](ZDGameFinder::Place place) {
            return place == ZDGameFinder::PLACE_CHOSEN ? chosenGameDirectory()
                                                       : readRegistryPlace(place);
        },
        [](const std::string& folder) { return isDirectory(gameFolder(folder)); });
}

HFile ZDAreaMapData::getGameDirectory()
{
    return gameFolder(findGame().getFolder());
}

HFile ZDAreaMapData::getDefaultScenario()
{
    HFile game = getGameDirectory();
    return game.isEmpty() ? HFile() : join(game, "Default");
}

ZDEditArea* ZDAreaMapData::getArea(uint32_t index) const
{
    return index < m_areas.size() ? m_areas[index].get() : nullptr;
}

ZDEditBMap* ZDAreaMapData::getBMap(uint32_t index) const
{
    return index < m_maps.size() ? m_maps[index].get() : nullptr;
}

void ZDAreaMapData::clear()
{
    HLOG_START("clear");
    m_areas.clear();
    m_areaListEnd.clear();
    m_loadFaults.clear();
    m_maps.clear();
    m_read.clear();
    m_readAreas = 0;
    for (auto& image : m_images) {
        image.reset();
    }
    HLOG_END("clear");
}

void ZDAreaMapData::emptyPaths()
{
    m_scenario = HFile();
    m_areaData = HFile();
    m_callable = HFile();
    for (HFile& picture : m_pictures) {
        picture = HFile();
    }
}

// The scenario folder is the argument; an empty argument means the default scenario, and
// without one the previous folder stays. The AreaData file is the argument when it exists,
// otherwise "Data\AreaData" of a folder the caller named; with no folder named it stays as
// it was, so a reload keeps a list saved under another name. Pictures the scenario lacks come
// from the default scenario.
void ZDAreaMapData::resolvePaths(const HFile& scenario, const HFile& areaData)
{
    HFile defaultScenario = getDefaultScenario();
    if (!scenario.isEmpty()) {
        // A folder that is not there is not replaced by the previous one: the load fails.
        m_scenario = isDirectory(scenario) ? scenario : HFile();
    } else if (isDirectory(defaultScenario)) {
        m_scenario = defaultScenario;
    }
    if (!isDirectory(m_scenario)) {
        emptyPaths();
        return;
    }
    if (isFile(areaData)) {
        m_areaData = areaData;
    } else if (!scenario.isEmpty()) {
        m_areaData = join(m_scenario, "Data\\AreaData");
        if (!isFile(m_areaData)) {
            m_areaData = HFile();
        }
    }
    m_callable = join(m_scenario, "Data\\Callable");
    if (!m_callable.exists()) {
        m_callable = HFile();
    }
    for (int picture = 0; picture < PICTURES; ++picture) {
        m_pictures[picture] = join(m_scenario, kPictures[picture]);
        if (m_pictures[picture].exists()) {
            continue;
        }
        m_pictures[picture] = defaultScenario.isEmpty() ? HFile() : join(defaultScenario, kPictures[picture]);
        if (!m_pictures[picture].exists()) {
            m_pictures[picture] = HFile();
        }
    }
}

HFile ZDAreaMapData::areaDataOf(const HFile& scenario)
{
    return join(scenario, "Data\\AreaData");
}

std::string ZDAreaMapData::mapFileName(uint32_t number)
{
    return kMapPrefix + std::to_string(number);
}

bool ZDAreaMapData::isMapFileName(const std::string& name)
{
    size_t prefix = sizeof(kMapPrefix) - 1;
    if (name.size() <= prefix || name.compare(0, prefix, kMapPrefix) != 0) {
        return false;
    }
    return name.find_first_not_of("0123456789", prefix) == std::string::npos;
}

bool ZDAreaMapData::load(HFile scenario, HFile areaData)
{
    HLOG_START("load");
    clear();
    resolvePaths(scenario, areaData);
    m_readFolder = m_areaData.getDirectory();
    if (!isDirectory(m_scenario)) {
        HLOG_INFO("load:scenario directory isn't exist");
        addFault(scenario.isEmpty() ? getDefaultScenario() : scenario, ZDLoadFault::PART_FOLDER,
                 ZDLoadFault::MISSING);
        HLOG_END("load");
        return false;
    }
    bool ok = readAreas();
    ok = readMaps() && ok;
    ok = readImage(PICTURE_CHARACTER, "reset:BMAPCHAR.BMP読込失敗") && ok;
    ok = readImage(PICTURE_OBJECT, "reset:BMAPOBJ.BMP読込失敗") && ok;
    HLOG_END("load");
    return ok;
}

bool ZDAreaMapData::readAreas()
{
    if (m_areaData.isEmpty()) {
        return true;
    }
    HFileReader reader;
    if (!readFile(m_areaData, &reader)) {
        HLOG_INFO("load:error to file read");
        addFault(m_areaData, ZDLoadFault::PART_AREA_LIST, ZDLoadFault::UNREADABLE);
        return false;
    }
    // By its length: a NUL byte is part of a line, not the end of the list.
    std::string text(reader.getData(), static_cast<size_t>(reader.getSize()));
    std::vector<std::unique_ptr<ZDArea>> parsed;
    ZDArea::parseList(text, &parsed, m_areaData, &m_areaListEnd);
    for (const std::unique_ptr<ZDArea>& area : parsed) {
        m_areas.push_back(std::unique_ptr<ZDEditArea>(new ZDEditArea(*area)));
    }
    m_readAreas = m_areas.size();
    return true;
}

// The time is taken before the bytes, so that a change in between shows as a newer time.
bool ZDAreaMapData::readFile(const HFile& file, HFileReader* reader)
{
    HSystem::FileInfo info;
    bool there = HSystem::get().getFileInfo(file.getPath(), &info);
    reader->setFile(file);
    if (!reader->read()) {
        if (!there) {
            m_read[file.getName()] = ZDFileStamp();
        }
        return false;
    }
    m_read[file.getName()] = ZDFileStamp(info, reader->getData(), static_cast<size_t>(reader->getSize()));
    return true;
}

// Every area gets a map: a missing or short file gives an empty or partial one. The loaded
// copy is taken before the repair, so a repaired cell shows as a change to save.
bool ZDAreaMapData::readMaps()
{
    bool ok = true;
    ZDBMap scratch;
    for (const std::unique_ptr<ZDEditArea>& area : m_areas) {
        scratch.reset();
        uint32_t number = static_cast<uint32_t>(area->getNumber());
        HFile file(m_areaData.getDirectory(), mapFileName(number));
        scratch.setFile(file);
        scratch.setNumber(number);
        HFileReader reader;
        if (!readFile(file, &reader)) {
            HLOG_INFO("load:error to BMap file read");
            debug("load:file=%s", file.getPath().c_str());
            addFault(file, ZDLoadFault::PART_MAP,
                     file.exists() ? ZDLoadFault::UNREADABLE : ZDLoadFault::MISSING);
            ok = false;
        } else {
            if (!scratch.createFromBytes(reinterpret_cast<const uint8_t*>(reader.getData()),
                                         static_cast<size_t>(reader.getSize()), file, number)) {
                HLOG_INFO("load:error to BMap bytes read");
                debug("load:file=%s", file.getPath().c_str());
                ok = false;
            }
            // A shorter file is read from the wrong bytes, and a save would write what was
            // made of them over what is left of it.
            if (reader.getSize() < static_cast<int64_t>(ZDBMap::IMAGE_SIZE)) {
                addFault(file, ZDLoadFault::PART_MAP, ZDLoadFault::SHORT, reader.getSize());
                ok = false;
            }
        }
        m_maps.push_back(std::unique_ptr<ZDEditBMap>(new ZDEditBMap(scratch)));
        m_maps.back()->correct();
    }
    return ok;
}

HFile ZDAreaMapData::ownPicture(Picture picture) const
{
    return join(m_scenario, kPictures[picture]);
}

void ZDAreaMapData::addFault(const HFile& file, ZDLoadFault::Part part, ZDLoadFault::Reason reason,
                             int64_t detail)
{
    ZDLoadFault fault;
    fault.file = file;
    fault.part = part;
    fault.reason = reason;
    fault.detail = detail;
    m_loadFaults.push_back(fault);
}

bool ZDAreaMapData::save()
{
    if (m_areaData.isEmpty()) {
        return false;
    }
    HFile folder(m_areaData.getDirectory());
    if (!folder.exists()) {
        folder.makeDirectory();
    }
    HFileWriter writer(m_areaData);
    if (!writer.open()) {
        HLOG_INFO("save:error fileopen");
        return false;
    }
    std::string list = formatAreaList();
    for (size_t start = 0, end; (end = list.find("\r\n", start)) != std::string::npos; start = end + 2) {
        debug("outLine:%s", list.substr(start, end - start).c_str());
    }
    bool ok = writer.write(list.data(), static_cast<uint32_t>(list.size()));
    ok = writer.flush() && ok;
    // After any failure the writer leaves the file as it was.
    ok = writer.close() && ok;
    return ok;
}

std::string ZDAreaMapData::formatAreaList() const
{
    std::vector<const ZDArea*> areas;
    for (const std::unique_ptr<ZDEditArea>& area : m_areas) {
        areas.push_back(area.get());
    }
    return ZDArea::formatList(areas, m_areaListEnd);
}

bool ZDAreaMapData::saveAll()
{
    bool ok = true;
    for (uint32_t index = 0; index < m_maps.size(); ++index) {
        ok = saveBMap(index) && ok;
    }
    return ok;
}

bool ZDAreaMapData::saveBMap(uint32_t index)
{
    if (index >= m_maps.size()) {
        HLOG_INFO("saveBMap:error out of index");
        debug("saveBMap:index=%u", index);
        return false;
    }
    ZDEditBMap& map = *m_maps[index];
    if (!m_areaData.isEmpty()) {
        map.setFile(HFile(m_areaData.getDirectory(), map.getFile().getName()));
        debug("saveBMap:file=%s", map.getFile().getFullPath().c_str());
    }
    if (map.getFile().isEmpty()) {
        return false;
    }
    HFileWriter writer(map.getFile());
    if (!writer.open()) {
        HLOG_INFO("save:error fileopen");
        return false;
    }
    std::vector<uint8_t> image(ZDBMap::IMAGE_SIZE, 0);
    map.writeToBytes(image.data());
    bool ok = writer.write(image.data(), static_cast<uint32_t>(image.size()));
    ok = writer.flush() && ok;
    ok = writer.close() && ok;
    return ok;
}

bool ZDAreaMapData::isModified() const
{
    if (m_areas.size() != m_readAreas) {
        return true;
    }
    for (size_t index = 0; index < m_areas.size(); ++index) {
        if (m_areas[index]->isModified() || (index < m_maps.size() && m_maps[index]->isModified())) {
            return true;
        }
    }
    return false;
}

bool ZDAreaMapData::restoreFiles(const ZDFileSet& files)
{
    std::vector<std::unique_ptr<ZDArea>> areas;
    std::string end;
    const ZDFileSet::File* list = files.find(m_areaData.getName());
    if (list != nullptr && ZDArea::parseList(list->bytes, &areas, m_areaData, &end) < 0) {
        HLOG_INFO("restoreFiles:error area list");
        return false;
    }
    size_t count = list != nullptr ? areas.size() : m_areas.size();
    // Every map first, so that a map that does not read changes nothing.
    std::map<size_t, ZDBMap> maps;
    for (const ZDFileSet::File& file : files.getWrites()) {
        if (!isMapFileName(file.name)) {
            continue;
        }
        size_t number = static_cast<size_t>(HText::toInt(file.name.substr(sizeof(kMapPrefix) - 1)));
        ZDBMap& map = maps[number];
        if (number < 1 || number > count
            || !map.createFromBytes(reinterpret_cast<const uint8_t*>(file.bytes.data()), file.bytes.size(),
                                    HFile(), static_cast<uint32_t>(number))) {
            HLOG_INFO("restoreFiles:error map");
            debug("restoreFiles:file=%s", file.name.c_str());
            return false;
        }
    }
    m_areas.resize(std::min(m_areas.size(), count));
    m_maps.resize(std::min(m_maps.size(), count));
    for (size_t index = m_areas.size(); index < count; ++index) {
        ZDArea area;
        area.setFile(m_areaData);
        area.setNumber(static_cast<int32_t>(index + 1));
        m_areas.push_back(std::unique_ptr<ZDEditArea>(new ZDEditArea(area)));
    }
    for (size_t index = m_maps.size(); index < count; ++index) {
        ZDBMap map;
        map.setFile(HFile(m_areaData.getDirectory(), mapFileName(static_cast<uint32_t>(index + 1))));
        map.setNumber(static_cast<uint32_t>(index + 1));
        m_maps.push_back(std::unique_ptr<ZDEditBMap>(new ZDEditBMap(map)));
    }
    for (size_t index = 0; index < areas.size(); ++index) {
        static_cast<ZDArea&>(*m_areas[index]) = *areas[index];
    }
    if (list != nullptr) {
        m_areaListEnd = end;
    }
    for (auto& restored : maps) {
        ZDBMap& working = *m_maps[restored.first - 1];
        restored.second.setFile(working.getFile());
        restored.second.setNumber(working.getNumber());
        working = restored.second;
    }
    return true;
}
