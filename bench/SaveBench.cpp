#include "bench/SaveBench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "bench/BenchProcess.h"
#include "scenario/ZDAreaMapData.h"
#include "scenario/ZDFileSet.h"
#include "scenario/ZDRecoveryCopy.h"
#include "scenario/ZDScenarioSave.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

// Median and slowest of runs of work, each after its set-up (not timed).
void report(const char* what, int runs, const std::function<void(int)>& setUp,
            const std::function<bool()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        setUp(run);
        Clock::time_point start = Clock::now();
        if (!work()) {
            std::printf("%s: failed\n", what);
            return;
        }
        times.push_back(BenchProcess::msSince(start));
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.2f ms, slowest %.2f ms (%d runs)\n", what, times[times.size() / 2],
                times.back(), runs);
}

// Turns the chip of one cell of map index over, so that every call changes the map.
void toggle(ZDAreaMapData& data, uint32_t index, int run)
{
    ZDEditBMap* map = data.getBMap(index);
    map->setCharacter(static_cast<uint32_t>(run) % 32, 9, static_cast<uint8_t>((map->getCharacter(run % 32, 9) + 1) % 240));
}

// Takes the first area out and puts it back last, as moving it to the end does: every area and
// its map change number, so the save rewrites the area list and every map.
bool moveFirstToEnd(ZDAreaMapData& data)
{
    ZDFileSet all = ZDScenarioSave::allFiles(data, data.getAreaDataFile().getName());
    const std::vector<ZDFileSet::File>& files = all.getWrites();
    const std::string& list = files[0].bytes;
    size_t first = list.find("\r\n") + 2;
    size_t end = list.rfind("\r\n") + 2;
    ZDFileSet moved;
    moved.write(files[0].name, list.substr(first, end - first) + list.substr(0, first) + list.substr(end));
    uint32_t count = data.getAreaCount();
    for (uint32_t number = 1; number <= count; ++number) {
        moved.write(ZDAreaMapData::mapFileName(number), files[number % count + 1].bytes);
    }
    return data.restoreFiles(moved);
}

// A scenario of 200 areas made of the given one's areas and maps, over and over, whose first
// area moves to the end before every save.
void benchLargeScenario(const std::string& scenario, const fs::path& work)
{
    const uint32_t areas = 200;
    ZDAreaMapData source;
    if (!source.load(HFile(scenario), HFile()) || source.getAreaCount() == 0) {
        return;
    }
    ZDFileSet all = ZDScenarioSave::allFiles(source, "AreaData");
    const std::string& list = all.getWrites()[0].bytes;
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = list.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(list.substr(start, end - start + 2));
    }
    fs::create_directories(work / "Large" / "Data");
    std::string text;
    for (uint32_t number = 1; number <= areas; ++number) {
        text += lines[(number - 1) % lines.size()];
        std::string map = all.getWrites()[1 + (number - 1) % source.getAreaCount()].bytes;
        std::ofstream(work / "Large" / "Data" / ZDAreaMapData::mapFileName(number), std::ios::binary) << map;
    }
    std::ofstream(work / "Large" / "Data" / "AreaData", std::ios::binary) << text + list.substr(list.rfind("\r\n") + 2);
    std::string folder = (work / "Large").string();
    ZDAreaMapData data;
    report("save of 200 areas after the first moved to the end (every file, through the journal)", 5,
           [&](int) {
               data.load(HFile(folder), HFile());
               moveFirstToEnd(data);
           },
           [&] { return data.getAreaCount() == areas && ZDScenarioSave(data, data.getAreaDataFile()).commit(); });
}

}  // namespace

void benchSaving(const std::string& scenario)
{
    fs::path work = fs::temp_directory_path() / "tessel-save-bench";
    std::error_code error;
    fs::remove_all(work, error);
    fs::create_directories(work);
    fs::copy(fs::path(scenario), work / "S", fs::copy_options::recursive);
    std::string folder = (work / "S").string();
    ZDAreaMapData data;
    if (!data.load(HFile(folder), HFile())) {
        std::printf("save: skipped, %s does not load\n", folder.c_str());
        return;
    }
    uint32_t maps = data.getAreaCount();
    auto save = [&data] { return ZDScenarioSave(data, data.getAreaDataFile()).commit(); };
    auto reload = [&data, &folder] { return data.load(HFile(folder), HFile()); };
    const int runs = 30;
    report("save, one changed map (only what changed)", runs,
           [&](int run) { reload(); toggle(data, static_cast<uint32_t>(run) % maps, run); }, save);
    report("save, one changed map, and the scenario read back", runs,
           [&](int run) { reload(); toggle(data, static_cast<uint32_t>(run) % maps, run); },
           [&] { return save() && reload(); });
    report("save, every map changed (through the journal)", runs,
           [&](int run) {
               reload();
               for (uint32_t index = 0; index < maps; ++index) {
                   toggle(data, index, run);
               }
           },
           save);
    report("save, every file written (area list and every map, as before)", runs,
           [&](int run) { reload(); toggle(data, 0, run); }, [&] { return data.save() && data.saveAll(); });
    report("read back (the load after a save)", runs, [](int) {}, reload);

    ZDRecoveryCopy copy((work / "Recovery").string(), data.getAreaDataFile().getFullPath());
    ZDFileSet one;
    ZDFileSet every;
    report("recovery copy, one changed map", runs,
           [&](int run) {
               reload();
               toggle(data, 0, run);
               one = ZDScenarioSave::unsavedChanges(data);
           },
           [&] { return copy.write(one, "2024/01/01 00:00:00"); });
    report("recovery copy, every map changed", runs,
           [&](int run) {
               reload();
               for (uint32_t index = 0; index < maps; ++index) {
                   toggle(data, index, run);
               }
               every = ZDScenarioSave::unsavedChanges(data);
           },
           [&] { return copy.write(every, "2024/01/01 00:00:00"); });
    report("the changes a recovery copy keeps, worked out (every map changed)", runs, [](int) {},
           [&] { return !ZDScenarioSave::unsavedChanges(data).isEmpty(); });
    benchLargeScenario(folder, work);
    fs::remove_all(work, error);
}
