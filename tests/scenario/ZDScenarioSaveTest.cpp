// Saving a scenario: which files a save writes, asks about and removes, checked against the
// plain writer of every file; what it costs in writes; and a save under a new name.
#include "scenario/ZDScenarioSave.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/base/HText.h"
#include "scenario/ZDAreaMapData.h"
#include "scenario/ZDFileSet.h"
#include "tests/scenario/ScenarioFolder.h"
#include "tests/support/FaultySystem.h"
#include "tests/support/TestFolder.h"

namespace fs = std::filesystem;

namespace {

using Files = ScenarioFolder::Files;
const char kData[] = "Islands\\Data";

std::string inData(const std::string& name)
{
    return std::string(kData) + "\\" + name;
}

// What the plain writer of the area list and of every map puts into a folder for the data.
Files reference(ZDAreaMapData& data)
{
    HFile own = data.getAreaDataFile();
    TestFolder::makeFolder("Reference");
    data.setAreaDataFile(HFile("Reference\\Data\\AreaData"));
    EXPECT_TRUE(data.save());
    EXPECT_TRUE(data.saveAll());
    data.setAreaDataFile(own);
    Files files = ScenarioFolder::files("Reference\\Data");
    fs::remove_all("Reference");
    return files;
}

std::set<std::string> namesOf(const std::vector<ZDFileSet::File>& files)
{
    std::set<std::string> names;
    for (const ZDFileSet::File& file : files) {
        names.insert(file.name);
    }
    return names;
}

// Another program's hand on a file between the open and the save. Each moves the file's time
// on, as a later write does on any clock.
enum Outside { REWRITTEN, TOUCHED, REMOVED, WRITTEN_AS_SAVED, OUTSIDE_KINDS };

void touch(const std::string& name)
{
    fs::path path = TestFolder::native(name);
    fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(2));
}

}  // namespace

// Random edits in memory (cells, area lines, the last area dropped) and random hands of other
// programs on the files; the save must write exactly the files whose bytes differ from the
// disk, ask about exactly those another program changed or removed, remove the map no area
// owns, and leave the folder as the plain writer writes it.
TEST(ScenarioSave, WritesExactlyWhatDiffersAndAsksOnlyAboutOtherProgramsChanges)
{
    std::mt19937 random(20240501);
    int asked = 0;
    int removed = 0;
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(HText::format("round %d", round));
        TestFolder folder;
        ScenarioFolder::make("Islands");
        ZDAreaMapData data;
        data.load(HFile("Islands"), HFile());
        ASSERT_EQ(data.getAreaCount(), 6u);
        for (int edits = static_cast<int>(random() % 4); edits > 0; --edits) {
            ZDEditBMap* map = data.getBMap(random() % 6);
            map->setCharacter(random() % 32, random() % 32, static_cast<uint8_t>(random() % 240));
        }
        if (random() % 3 == 0) {
            data.getArea(random() % 6)->setValue(1 + random() % 9, static_cast<int32_t>(random() % 100));
        }
        if (random() % 4 == 0) {
            std::string list = data.formatAreaList();
            size_t last = list.rfind("\r\n", list.size() - 6);  // the start of the last line
            ZDFileSet shorter;
            shorter.write("AreaData", list.substr(0, last + 2) + "End");
            ASSERT_TRUE(data.restoreFiles(shorter));
            ASSERT_EQ(data.getAreaCount(), 5u);
        }
        Files expected = reference(data);
        Files before = ScenarioFolder::files(kData);
        std::set<std::string> changedElsewhere;
        for (int hands = static_cast<int>(random() % 3); hands > 0; --hands) {
            auto file = before.begin();
            std::advance(file, random() % before.size());
            std::string path = inData(file->first);
            if (!TestFolder::exists(path)) {
                continue;
            }
            switch (random() % OUTSIDE_KINDS) {
            case REWRITTEN: {
                std::string bytes = TestFolder::read(path);
                bytes[random() % bytes.size()] ^= 0x20;
                TestFolder::write(path, bytes);
                touch(path);
                changedElsewhere.insert(file->first);
                break;
            }
            case TOUCHED:
                touch(path);
                break;
            case REMOVED:
                fs::remove(TestFolder::native(path));
                changedElsewhere.insert(file->first);
                break;
            case WRITTEN_AS_SAVED:
                if (expected.count(file->first) != 0) {
                    TestFolder::write(path, expected[file->first]);
                    touch(path);
                    changedElsewhere.erase(file->first);
                }
                break;
            }
        }
        Files disk = ScenarioFolder::files(kData);
        std::set<std::string> writes;
        std::set<std::string> asks;
        for (const auto& file : expected) {
            auto now = disk.find(file.first);
            if (now == disk.end() || now->second != file.second) {
                writes.insert(file.first);
                if (changedElsewhere.count(file.first) != 0) {
                    asks.insert(inData(file.first));
                }
            }
        }
        std::set<std::string> removals;
        for (const auto& file : disk) {
            if (expected.count(file.first) == 0) {
                removals.insert(file.first);
                if (changedElsewhere.count(file.first) != 0) {
                    asks.insert(inData(file.first));
                }
            }
        }

        ZDScenarioSave save(data, data.getAreaDataFile());
        EXPECT_EQ(namesOf(save.getChanges().getWrites()), writes);
        const std::vector<std::string>& removing = save.getChanges().getRemovals();
        EXPECT_EQ(std::set<std::string>(removing.begin(), removing.end()), removals);
        std::set<std::string> asking;
        for (const std::string& path : save.getChangedElsewhere()) {
            asking.insert(path.substr(path.find(kData)));
        }
        EXPECT_EQ(asking, asks);
        EXPECT_TRUE(save.commit());
        EXPECT_EQ(ScenarioFolder::summary(ScenarioFolder::files(kData)), ScenarioFolder::summary(expected));
        asked += static_cast<int>(asks.size());
        removed += static_cast<int>(removals.size());
    }
    // The rounds reached the questions and the removals.
    EXPECT_GT(asked, 3);
    EXPECT_GT(removed, 3);
}

// The writes of a save counted at the file layer's seam: one changed map is one file, the
// area list is written only when its bytes change, several files go through the journal.
TEST(ScenarioSave, OneChangedMapWritesThatMapAloneAndTheAreaListOnlyWhenItChanged)
{
    struct Case {
        const char* what;
        std::function<void(ZDAreaMapData&)> edit;
        std::vector<std::string> written;  // in order
    };
    auto cell = [](uint32_t index, uint8_t chip) {
        return [index, chip](ZDAreaMapData& data) { data.getBMap(index)->setCharacter(4, 7, chip); };
    };
    const Case cases[] = {
        {"no edit", [](ZDAreaMapData&) {}, {}},
        {"a cell set to the chip it holds",
         [](ZDAreaMapData& data) { data.getBMap(2)->setCharacter(4, 7, data.getBMap(2)->getCharacter(4, 7)); },
         {}},
        {"one cell of map 3", cell(2, 200), {"BMap_No3"}},
        {"map 3 with its area's city count",
         [&](ZDAreaMapData& data) {
             cell(2, 200)(data);
             data.getArea(2)->setCityCount(data.getArea(2)->getCityCount() + 1);
         },
         {"Save.journal", "AreaData", "BMap_No3"}},
        {"an area line alone", [](ZDAreaMapData& data) { data.getArea(4)->setValue(1, 77); }, {"AreaData"}},
        {"every map",
         [](ZDAreaMapData& data) {
             for (uint32_t index = 0; index < 6; ++index) {
                 data.getBMap(index)->setHeight(1, 1, static_cast<uint8_t>(data.getBMap(index)->getHeight(1, 1) ^ 1));
             }
         },
         {"Save.journal", "BMap_No1", "BMap_No2", "BMap_No3", "BMap_No4", "BMap_No5", "BMap_No6"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        TestFolder folder;
        ScenarioFolder::make("Islands");
        ZDAreaMapData data;
        data.load(HFile("Islands"), HFile());
        test.edit(data);
        std::vector<std::string> written;
        FaultySystem counter;
        EXPECT_TRUE(ZDScenarioSave(data, data.getAreaDataFile()).commit());
        for (const std::string& path : counter.replaced) {
            written.push_back(path.substr(path.rfind('\\') + 1));
        }
        EXPECT_EQ(written, test.written);
        EXPECT_EQ(counter.creates, static_cast<int>(test.written.size()));
        EXPECT_FALSE(TestFolder::exists(inData("Save.journal")));
    }
}

// Under a new name in another folder every file is written there, nothing is asked or
// removed, and the folder it was read from stays as it was; under a new name beside the old
// list, only the new list and the changed map are written.
TEST(ScenarioSave, UnderANewNameWritesEveryFileInAnotherFolderAndTheChangesBeside)
{
    TestFolder folder;
    ScenarioFolder::make("Islands");
    ZDAreaMapData data;
    data.load(HFile("Islands"), HFile());
    data.getBMap(1)->setCharacter(0, 0, 9);
    Files before = ScenarioFolder::files(kData);
    fs::remove(TestFolder::native(inData("BMap_No6")));  // another program's removal: not asked elsewhere
    Files expected = reference(data);

    ZDScenarioSave elsewhere(data, HFile("Copy\\Data\\AreaData"));
    EXPECT_EQ(elsewhere.getChanges().getWrites().size(), 7u);
    EXPECT_TRUE(elsewhere.getChangedElsewhere().empty());
    TestFolder::makeFolder("Copy");
    EXPECT_TRUE(elsewhere.commit());
    EXPECT_EQ(ScenarioFolder::summary(ScenarioFolder::files("Copy\\Data")), ScenarioFolder::summary(expected));

    TestFolder::write(inData("BMap_No6"), before["BMap_No6"]);
    ZDScenarioSave beside(data, HFile(inData("AreaData2")));
    EXPECT_EQ(namesOf(beside.getChanges().getWrites()), (std::set<std::string>{"AreaData2", "BMap_No2"}));
    EXPECT_TRUE(beside.commit());
    Files now = ScenarioFolder::files(kData);
    EXPECT_EQ(now["AreaData"], before["AreaData"]);
    EXPECT_EQ(now["AreaData2"], expected["AreaData"]);
    EXPECT_EQ(now["BMap_No2"], expected["BMap_No2"]);
}
