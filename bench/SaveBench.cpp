#include "bench/SaveBench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "scenario/ZDAreaMapData.h"
#include "scenario/ZDRecoveryCopy.h"
#include "scenario/ZDScenarioSave.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

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
        times.push_back(msSince(start));
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
    fs::remove_all(work, error);
}
