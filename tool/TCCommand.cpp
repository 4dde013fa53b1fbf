#include "tool/TCCommand.h"

#include <algorithm>

#include "editor/view/BMOverviewPicture.h"
#include "framework/base/HFileReader.h"
#include "framework/base/HText.h"
#include "framework/graphics/HPngFile.h"
#include "scenario/ZDBMap.h"
#include "scenario/ZDLoadFault.h"
#include "tool/TCDiff.h"
#include "tool/TCJson.h"
#include "tool/TCPicture.h"
#include "tool/TCScenario.h"

namespace {

// The key under which a finding's index goes into JSON; nullptr when the kind has none.
const char* indexKey(TCFinding::Kind kind)
{
    switch (kind) {
    case TCFinding::CONNECT_COUNT:
    case TCFinding::CONNECT_ORDER:
    case TCFinding::PLACEMENT_CUT:
    case TCFinding::LINK:
        return "group";
    case TCFinding::ORDER_WRAPS:
    case TCFinding::AREA_COUNT:
        return "category";
    case TCFinding::MAP_BYTES:
    case TCFinding::AREA_NOT_TEXT:
        return "offset";
    case TCFinding::CHIPS_SIZE:
        return "chips";
    default:
        return nullptr;
    }
}

// The keys of a finding's two numbers in JSON; false when the kind has none.
bool valueKeys(TCFinding::Kind kind, const char** value, const char** result)
{
    *value = kind == TCFinding::CHIPS_SIZE ? "width" : "value";
    *result = kind == TCFinding::CHIPS_SIZE ? "height" : "result";
    switch (kind) {
    case TCFinding::MAP_MISSING:
    case TCFinding::MAP_UNREADABLE:
    case TCFinding::TEMPORARY:
    case TCFinding::LINE:
    case TCFinding::AREA_NONE:
    case TCFinding::CHIPS_MISSING:
    case TCFinding::CHIPS_UNREADABLE:
        return false;
    default:
        return true;
    }
}

void addFinding(TCJson* json, const TCFinding& finding)
{
    json->beginObject();
    json->value("kind", std::string(TCFinding::name(finding.kind)));
    json->value("repairable", TCFinding::isRepairable(finding.kind));
    json->value("file", finding.file);
    if (finding.map != 0) {
        json->value("map", static_cast<int64_t>(finding.map));
    }
    if (finding.x >= 0 && finding.y >= 0) {
        json->value("x", static_cast<int64_t>(finding.x));
        json->value("y", static_cast<int64_t>(finding.y));
    }
    const char* key = indexKey(finding.kind);
    bool category = finding.kind == TCFinding::ORDER_WRAPS || finding.kind == TCFinding::AREA_COUNT;
    if (category) {
        json->value(key, std::string(TCFinding::categoryName(finding.index)));
    } else if (key != nullptr) {
        json->value(key, static_cast<int64_t>(finding.index));
    }
    const char* value = nullptr;
    const char* result = nullptr;
    if (valueKeys(finding.kind, &value, &result)) {
        json->value(value, finding.value);
        json->value(result, finding.result);
    }
    if (finding.kind == TCFinding::LINE) {
        json->value("reasons", finding.text);
    }
    json->value("message", finding.describe());
    json->endObject();
}

void addFindings(TCJson* json, const char* key, const std::vector<TCFinding>& findings)
{
    json->beginArray(key);
    for (const TCFinding& finding : findings) {
        addFinding(json, finding);
    }
    json->endArray();
}

std::string lines(const std::vector<TCFinding>& findings, const char* prefix)
{
    std::string text;
    for (const TCFinding& finding : findings) {
        text += prefix + finding.line() + "\n";
    }
    return text;
}

std::string plural(size_t count, const char* one, const char* many)
{
    return HText::format("%u %s", static_cast<unsigned>(count), count == 1 ? one : many);
}

// Loads a scenario for a command; on failure writes the error line (and its JSON entry).
bool load(TCScenario* scenario, const std::string& folder, TCJson* json, std::string* err)
{
    if (scenario->load()) {
        return true;
    }
    *err += HText::format("cannot read scenario folder %s: %s\n", folder.c_str(),
                          scenario->getError().c_str());
    json->beginObject();
    json->value("folder", folder);
    json->value("error", scenario->getError());
    json->endObject();
    return false;
}

}  // namespace

int TCCommand::check(const std::vector<std::string>& folders, bool json, std::string* out,
                     std::string* err)
{
    TCJson document;
    document.beginObject();
    document.beginArray("folders");
    std::string text;
    int status = STATUS_CLEAN;
    for (const std::string& folder : folders) {
        TCScenario scenario(folder);
        if (!load(&scenario, folder, &document, err)) {
            status = STATUS_ERROR;
            continue;
        }
        std::vector<TCFinding> findings = scenario.check();
        status = std::max<int>(status, findings.empty() ? STATUS_CLEAN : STATUS_FOUND);
        size_t mendable = std::count_if(findings.begin(), findings.end(), [](const TCFinding& f) {
            return TCFinding::isRepairable(f.kind);
        });
        text += lines(findings, "");
        text += HText::format("%s: %s, %s", folder.c_str(),
                              plural(scenario.getData().getAreaCount(), "area", "areas").c_str(),
                              plural(findings.size(), "finding", "findings").c_str());
        text += findings.empty() ? "\n" : HText::format(" (%u the repair mends)\n",
                                                        static_cast<unsigned>(mendable));
        document.beginObject();
        document.value("folder", folder);
        document.value("areas", static_cast<int64_t>(scenario.getData().getAreaCount()));
        document.value("clean", findings.empty());
        addFindings(&document, "findings", findings);
        document.endObject();
    }
    document.endArray();
    document.endObject();
    *out += json ? document.text() : text;
    return status;
}

int TCCommand::repair(const std::vector<std::string>& folders, bool json, std::string* out,
                      std::string* err)
{
    TCJson document;
    document.beginObject();
    document.beginArray("folders");
    std::string text;
    int status = STATUS_CLEAN;
    for (const std::string& folder : folders) {
        TCScenario scenario(folder);
        if (!load(&scenario, folder, &document, err)) {
            status = STATUS_ERROR;
            continue;
        }
        std::vector<TCFinding> findings = scenario.check();
        TCScenario::Repair done;
        bool written = scenario.repair(&done);
        for (const std::string& file : done.failed) {
            *err += "cannot write or remove " + file + "\n";
        }
        // What is left is what a fresh load of the written files finds.
        TCScenario after(folder);
        if (!load(&after, folder, &document, err)) {
            status = STATUS_ERROR;
            continue;
        }
        std::vector<TCFinding> left = after.check();
        // Repaired is what was found before and is not found again.
        std::vector<TCFinding> repaired;
        std::copy_if(findings.begin(), findings.end(), std::back_inserter(repaired),
                     [&left](const TCFinding& f) { return std::find(left.begin(), left.end(), f) == left.end(); });
        status = std::max<int>(status, !written ? STATUS_ERROR
                                       : left.empty() ? STATUS_CLEAN : STATUS_FOUND);

        text += lines(repaired, "");
        for (const std::string& file : done.written) {
            text += "wrote " + file + "\n";
        }
        for (const std::string& file : done.removed) {
            text += "removed " + file + "\n";
        }
        for (const std::string& file : done.kept) {
            text += "kept " + file + ": a save would write in the columns a line they cannot carry\n";
        }
        text += lines(left, "left: ");
        text += HText::format("%s: %s, %s written, %s removed, %s left\n", folder.c_str(),
                              plural(repaired.size(), "repair", "repairs").c_str(),
                              plural(done.written.size(), "file", "files").c_str(),
                              plural(done.removed.size(), "temporary", "temporaries").c_str(),
                              plural(left.size(), "finding", "findings").c_str());
        document.beginObject();
        document.value("folder", folder);
        addFindings(&document, "repaired", repaired);
        document.valueArray("written", done.written);
        document.valueArray("removed", done.removed);
        document.valueArray("failed", done.failed);
        document.valueArray("kept", done.kept);
        addFindings(&document, "left", left);
        document.endObject();
    }
    document.endArray();
    document.endObject();
    *out += json ? document.text() : text;
    return status;
}

namespace {

// The differences of two maps, the lines prefixed with prefix and the JSON entries marked with
// the map number (0 for two map files).
size_t diffMaps(const ZDBMap& before, const ZDBMap& after, uint32_t map, const std::string& prefix,
                std::string* text, TCJson* cells, TCJson* counts)
{
    std::vector<TCDiff::Cell> changed = TCDiff::cells(before, after);
    for (const TCDiff::Cell& cell : changed) {
        *text += HText::format("%s%s (%u,%u): %u -> %u\n", prefix.c_str(), TCDiff::layerName(cell.layer),
                               cell.x, cell.y, cell.before, cell.after);
        cells->beginObject();
        if (map != 0) {
            cells->value("map", static_cast<int64_t>(map));
        }
        cells->value("layer", std::string(TCDiff::layerName(cell.layer)));
        cells->value("x", static_cast<int64_t>(cell.x));
        cells->value("y", static_cast<int64_t>(cell.y));
        cells->value("before", static_cast<int64_t>(cell.before));
        cells->value("after", static_cast<int64_t>(cell.after));
        cells->endObject();
    }
    const uint32_t was[] = {before.getCityCount(), before.getWallCount(), before.getRoadCount()};
    const uint32_t is[] = {after.getCityCount(), after.getWallCount(), after.getRoadCount()};
    size_t differences = changed.size();
    for (int category = 0; category < 3; ++category) {
        if (was[category] == is[category]) {
            continue;
        }
        ++differences;
        const char* name = TCFinding::categoryName(category);
        *text += HText::format("%s%s count: %u -> %u\n", prefix.c_str(), name, was[category], is[category]);
        counts->beginObject();
        if (map != 0) {
            counts->value("map", static_cast<int64_t>(map));
        }
        counts->value("count", std::string(name));
        counts->value("before", static_cast<int64_t>(was[category]));
        counts->value("after", static_cast<int64_t>(is[category]));
        counts->endObject();
    }
    return differences;
}

// A map file as the editor reads it, before any repair; false when it cannot be read.
bool readMap(const std::string& path, ZDBMap* map)
{
    HFileReader reader{HFile(path)};
    if (!reader.read()) {
        return false;
    }
    map->createFromBytes(reinterpret_cast<const uint8_t*>(reader.getData()),
                         static_cast<size_t>(reader.getSize()), HFile(path), 0);
    return true;
}

// Two scenario folders: the lines of their area lists field by field, then their maps (as
// read, before any repair) cell by cell. Areas are matched by number.
size_t diffFolders(TCScenario& before, TCScenario& after, std::string* text, TCJson* document)
{
    BMData& a = before.getData();
    BMData& b = after.getData();
    uint32_t areas = std::max(a.getAreaCount(), b.getAreaCount());
    size_t differences = 0;
    document->beginArray("areas");
    for (uint32_t index = 0; index < areas; ++index) {
        const ZDEditArea* was = a.getArea(index);
        const ZDEditArea* is = b.getArea(index);
        if (was != nullptr && is != nullptr) {
            for (const TCDiff::Field& field : TCDiff::fields(was->getLoaded(), is->getLoaded())) {
                ++differences;
                std::string name = TCFinding::fieldName(field.field);
                *text += HText::format("area %u: %s: %s -> %s\n", index + 1, name.c_str(),
                                       field.before.c_str(), field.after.c_str());
                document->beginObject();
                document->value("area", static_cast<int64_t>(index + 1));
                document->value("field", name);
                document->value("before", field.before);
                document->value("after", field.after);
                document->endObject();
            }
            continue;
        }
        ++differences;
        const ZDEditArea* only = was != nullptr ? was : is;
        const char* side = was != nullptr ? "before" : "after";
        *text += HText::format("area %u: only %s: %s\n", index + 1, side, only->getName().c_str());
        document->beginObject();
        document->value("area", static_cast<int64_t>(index + 1));
        document->value("only", std::string(side));
        document->value("name", only->getName());
        document->endObject();
    }
    document->endArray();

    TCJson cells;
    TCJson counts;
    cells.beginArray();
    counts.beginArray();
    uint32_t maps = std::min(a.getAreaCount(), b.getAreaCount());
    for (uint32_t index = 0; index < maps; ++index) {
        differences += diffMaps(a.getBMap(index)->getLoaded(), b.getBMap(index)->getLoaded(),
                                index + 1, HText::format("map %u: ", index + 1), text, &cells, &counts);
    }
    cells.endArray();
    counts.endArray();
    document->raw("cells", cells);
    document->raw("counts", counts);
    return differences;
}

}  // namespace

int TCCommand::diff(const std::string& before, const std::string& after, bool json, std::string* out,
                    std::string* err)
{
    HFile::Type types[] = {HFile(before).getType(), HFile(after).getType()};
    const std::string* paths[] = {&before, &after};
    for (int i = 0; i < 2; ++i) {
        if (types[i] == HFile::TYPE_NONE) {
            *err += "no such file or folder: " + *paths[i] + "\n";
            return STATUS_ERROR;
        }
    }
    if (types[0] != types[1]) {
        *err += "cannot compare a map file with a scenario folder: " + before + ", " + after + "\n";
        return STATUS_ERROR;
    }
    TCJson document;
    document.beginObject();
    document.value("before", before);
    document.value("after", after);
    std::string text;
    size_t differences = 0;
    if (types[0] == HFile::TYPE_FILE) {
        ZDBMap maps[2];
        for (int i = 0; i < 2; ++i) {
            if (!readMap(*paths[i], &maps[i])) {
                *err += "cannot read map file " + *paths[i] + "\n";
                return STATUS_ERROR;
            }
        }
        TCJson cells;
        TCJson counts;
        cells.beginArray();
        counts.beginArray();
        differences = diffMaps(maps[0], maps[1], 0, "", &text, &cells, &counts);
        cells.endArray();
        counts.endArray();
        document.raw("cells", cells);
        document.raw("counts", counts);
    } else {
        TCScenario was(before);
        TCScenario is(after);
        TCJson ignored;
        if (!load(&was, before, &ignored, err) || !load(&is, after, &ignored, err)) {
            return STATUS_ERROR;
        }
        differences = diffFolders(was, is, &text, &document);
    }
    document.value("equal", differences == 0);
    document.endObject();
    *out += json ? document.text() : text;
    return differences == 0 ? STATUS_CLEAN : STATUS_FOUND;
}

namespace {

// The editor's data instance for the length of one command.
class EditorData {
public:
    EditorData() : m_data(BMData::getInstance(true)) {}
    ~EditorData() { BMData::deleteInstance(); }
    EditorData(const EditorData&) = delete;
    EditorData& operator=(const EditorData&) = delete;
    BMData* get() const { return m_data; }

private:
    BMData* m_data;  // the instance
};

// An area number of 1..areas written in decimal digits; 0 for anything else.
uint32_t areaNumber(const std::string& text, uint32_t areas)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    uint32_t number = static_cast<uint32_t>(std::stoul(text));
    return number <= areas ? number : 0;
}

}  // namespace

int TCCommand::picture(const std::string& folder, const std::string& area, const std::string& file,
                       uint32_t layers, std::string* out, std::string* err)
{
    EditorData data;
    TCScenario scenario(folder, data.get());
    TCJson ignored;
    if (!load(&scenario, folder, &ignored, err)) {
        return STATUS_ERROR;
    }
    uint32_t areas = data.get()->getAreaCount();
    bool all = area == "all";
    uint32_t first = all ? 1 : areaNumber(area, areas);
    uint32_t last = all ? areas : first;
    if (first == 0 || areas == 0) {
        *err += HText::format("no area %s in %s: its areas are 1 to %u\n", area.c_str(), folder.c_str(),
                              areas);
        return STATUS_ERROR;
    }
    // The load leaves out a chip bitmap it could not use and the maps show numbered stand-ins
    // in its place: the pictures are then not what the game shows, so say so.
    for (const ZDLoadFault& fault : data.get()->getLoadFaults()) {
        if (fault.part == ZDLoadFault::PART_CHIPS) {
            *err += HText::format("warning: %s could not be used: its chips are drawn as numbered "
                                  "stand-ins\n",
                                  fault.file.getPath().c_str());
        }
    }
    // Every map goes into the folder named, as BMap_No<n>.png after its map file.
    HFile target(file);
    if (all && !target.exists()) {
        target.makeDirectory();
    }
    if (all && target.getType() != HFile::TYPE_DIRECTORY) {
        *err += "cannot make the folder " + file + "\n";
        return STATUS_ERROR;
    }
    std::vector<uint32_t> pixels;
    for (uint32_t map = first; map <= last; ++map) {
        std::string path = all ? HFile(file, HText::format("BMap_No%u.png", map)).getPath() : file;
        std::string error;
        if (!TCPicture::draw(map, layers, &pixels)) {
            *err += HText::format("cannot draw map %u of %s\n", map, folder.c_str());
            return STATUS_ERROR;
        }
        if (!HPngFile::write(HFile(path), pixels.data(), TCPicture::WIDTH, TCPicture::HEIGHT, &error)) {
            *err += error + "\n";
            return STATUS_ERROR;
        }
        *out += HText::format("wrote %s: map %u of %s, %d x %d pixels\n", path.c_str(), map,
                              folder.c_str(), TCPicture::WIDTH, TCPicture::HEIGHT);
    }
    return STATUS_CLEAN;
}

int TCCommand::overview(const std::string& folder, const std::string& file, std::string* out,
                        std::string* err)
{
    EditorData data;
    TCScenario scenario(folder, data.get());
    TCJson ignored;
    if (!load(&scenario, folder, &ignored, err)) {
        return STATUS_ERROR;
    }
    // No map is the current one outside the editor: no tile is framed.
    data.get()->setCurrent(0);
    BMOverviewPicture picture;
    picture.layout().setup(data.get()->getAreaCount(), 0, OVERVIEW_COLUMNS);
    std::vector<uint32_t> pixels;
    BMPoint size{};
    std::string error;
    if (!picture.drawWhole(*data.get(), &pixels, &size)) {
        *err += HText::format("cannot draw the overview of %s\n", folder.c_str());
        return STATUS_ERROR;
    }
    if (!HPngFile::write(HFile(file), pixels.data(), size.x, size.y, &error)) {
        *err += error + "\n";
        return STATUS_ERROR;
    }
    *out += HText::format("wrote %s: overview of %u areas of %s, %d x %d pixels\n", file.c_str(),
                          data.get()->getAreaCount(), folder.c_str(), size.x, size.y);
    return STATUS_CLEAN;
}
