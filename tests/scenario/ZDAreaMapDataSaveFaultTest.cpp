// The scenario save under every injected fault: each file it writes is either its previous
// bytes or its new ones, the file whose step failed is its previous bytes, no temporary is
// left, and the failure is reported by the result and the log.
#include "scenario/ZDAreaMapData.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/base/HText.h"
#include "scenario/ZDArea.h"
#include "scenario/ZDBMap.h"
#include "tests/support/FaultySystem.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

namespace {

using Files = std::map<std::string, std::string>;  // name under S\Data -> bytes

const char* const kData = "S\\Data\\";

Files files()
{
    Files all;
    for (const auto& entry : std::filesystem::directory_iterator("S/Data")) {
        std::string name = entry.path().filename().string();
        all[name] = TestFolder::read(kData + name);
    }
    return all;
}

// A scenario of two areas and their maps, loaded and edited so that every file changes.
void prepare(ZDAreaMapData& data)
{
    TestFolder::makeFolder("S\\Data");
    std::string list;
    for (const char* name : {"North", "South"}) {
        ZDArea area;
        area.setName(name);
        list += area.formatLine() + "\r\n";
    }
    TestFolder::write(std::string(kData) + "AreaData", list + "End");
    for (int number : {1, 2}) {
        std::string image(ZDBMap::IMAGE_SIZE, '\0');
        image[number] = 7;  // a character chip
        TestFolder::write(kData + ("BMap_No" + std::to_string(number)), image);
    }
    ASSERT_TRUE(data.load(HFile("S"), HFile()));
    data.getArea(0)->setName("Changed");
    for (uint32_t index = 0; index < 2; ++index) {
        data.getBMap(index)->setCharacter(3, 3, 42);
    }
}

struct Save {
    const char* name;
    std::function<bool(ZDAreaMapData&)> run;
    std::vector<std::string> files;  // the files it writes, in order
};

const Save kSaves[] = {
    {"save", [](ZDAreaMapData& d) { return d.save(); }, {"AreaData"}},
    {"saveAll", [](ZDAreaMapData& d) { return d.saveAll(); }, {"BMap_No1", "BMap_No2"}},
};

struct Step {
    const char* name;
    int FaultySystem::*field;
    const char* logged;
};
const Step kSteps[] = {{"create", &FaultySystem::failCreateAt, "open error:5"},
                       {"write", &FaultySystem::failWriteAt, "write error:112"},
                       {"sync", &FaultySystem::failFlushAt, "flush error:1117"},
                       {"close", &FaultySystem::failCloseAt, "open error:21"},
                       {"replace", &FaultySystem::failReplaceAt, "replace error:32"}};

// The previous files, and the ones a save without fault writes.
void expected(const Save& save, Files* before, Files* after)
{
    TestFolder folder;
    GameDirectory game("");
    ZDAreaMapData data;
    prepare(data);
    *before = files();
    ASSERT_TRUE(save.run(data));
    *after = files();
    for (const std::string& file : save.files) {
        ASSERT_NE((*before)[file], (*after)[file]) << file;
    }
}

struct Fault {
    std::string where;
    std::function<void(FaultySystem&)> arrange;
    std::string failedFile;  // must keep its previous bytes; "" where any file may
    const char* logged;
};

}  // namespace

TEST(ScenarioSaveFaults, EveryFailedStepOrFullDiskKeepsEachFileWholeAndLeavesNoTemporary)
{
    for (const Save& save : kSaves) {
        Files before;
        Files after;
        expected(save, &before, &after);
        std::vector<Fault> faults;
        // Each file is one create, write, sync, close and replace: fail the k-th of them.
        for (const Step& step : kSteps) {
            for (int k = 1; k <= static_cast<int>(save.files.size()); ++k) {
                faults.push_back({HText::format("%s %d", step.name, k),
                                  [&step, k](FaultySystem& f) { f.*step.field = k; },
                                  save.files[k - 1], step.logged});
            }
        }
        // The disk fills up at the start, inside and at the end of every file.
        int64_t total = 0;
        std::vector<int64_t> spaces = {0, 1};
        for (const std::string& file : save.files) {
            int64_t size = static_cast<int64_t>(after[file].size());
            spaces.insert(spaces.end(), {total + size / 2, total + size - 1, total + size, total + size + 1});
            total += size;
        }
        for (int64_t space : spaces) {
            if (space < total) {
                faults.push_back({HText::format("%lld bytes left", static_cast<long long>(space)),
                                  [space](FaultySystem& f) { f.spaceLeft = space; }, "",
                                  "write error:112"});
            }
        }
        for (const Fault& fault : faults) {
            std::string where = std::string(save.name) + ", " + fault.where;
            TestFolder folder;
            GameDirectory game("");
            ZDAreaMapData data;
            prepare(data);
            LogCapture log({"info"});
            bool ok = true;
            {
                FaultySystem faulty;
                fault.arrange(faulty);
                ok = save.run(data);
            }
            EXPECT_FALSE(ok) << where;
            Files now = files();
            ASSERT_EQ(now.size(), before.size()) << where << ": a temporary was left";
            for (const auto& file : now) {
                bool previous = file.second == before[file.first];
                bool saved = file.second == after[file.first];
                EXPECT_TRUE(file.first == fault.failedFile ? previous : previous || saved)
                    << where << ": " << file.first;
            }
            EXPECT_NE(log.text().find(fault.logged), std::string::npos) << where;
        }
    }
}
