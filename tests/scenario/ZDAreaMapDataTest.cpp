#include "scenario/ZDAreaMapData.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/graphics/HImage.h"
#include "sample/SGCanvas.h"
#include "tests/support/FaultySystem.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

namespace {

std::string areaLine(const std::string& name)
{
    ZDArea area;
    area.setName(name);
    area.setLink(0, 2);
    area.setMusic("bgm.mid");
    return area.formatLine();
}

std::string areaList(std::initializer_list<std::string> names)
{
    std::string text;
    for (const std::string& name : names) {
        text += areaLine(name) + "\r\n";
    }
    return text + "End";
}

// A map of grass with one city, counted.
std::string mapImage()
{
    ZDBMap map;
    map.setObject(5, 6, 3);
    map.setHeight(5, 6, 2);
    map.correct();
    std::string image(ZDBMap::IMAGE_SIZE, '\0');
    map.writeToBytes(reinterpret_cast<uint8_t*>(&image[0]));
    return image;
}

std::string bitmap(int width, int height)
{
    SGCanvas canvas(width, height);
    canvas.fill(SGColor{30, 120, 60});
    return canvas.toBmp();
}

// A scenario folder: AreaData with the given names, the listed map files, and (optionally)
// its own chip bitmaps of a given width.
void makeScenario(const std::string& folder, std::initializer_list<std::string> names,
                  std::initializer_list<int> maps, int pictureWidth = 0)
{
    TestFolder::makeFolder(folder + "\\Data");
    TestFolder::write(folder + "\\Data\\AreaData", areaList(names));
    for (int number : maps) {
        TestFolder::write(folder + "\\Data\\BMap_No" + std::to_string(number), mapImage());
    }
    if (pictureWidth > 0) {
        TestFolder::makeFolder(folder + "\\Picture");
        TestFolder::write(folder + "\\Picture\\BMAPCHAR.BMP", bitmap(pictureWidth, 384));
        TestFolder::write(folder + "\\Picture\\BMAPOBJ.BMP", bitmap(pictureWidth, 64));
    }
}

// Every file under a folder with its bytes, to tell that nothing on disk changed (compared
// with EXPECT_TRUE: the bytes make no readable message).
std::map<std::string, std::string> snapshot(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        std::string path = entry.path().string();
        files[path] = entry.is_regular_file() ? TestFolder::read(path) : "folder";
    }
    return files;
}

std::string absolute(const TestFolder& folder, const std::string& relative)
{
    return folder.path() + "\\" + relative;
}

}  // namespace

TEST(ScenarioLoading, WithoutAreaDataOrPicturesAScenarioLoadsNoAreasOrNoImages)
{
    TestFolder folder;
    GameDirectory game("");
    TestFolder::makeFolder("S\\Picture");
    TestFolder::write("S\\Picture\\BMAPCHAR.BMP", bitmap(640, 384));
    TestFolder::write("S\\Picture\\BMAPOBJ.BMP", bitmap(640, 64));
    ZDAreaMapData data;
    EXPECT_TRUE(data.load(HFile("S"), HFile()));
    EXPECT_EQ(data.getAreaCount(), 0u);
    EXPECT_EQ(data.getBMap(0), nullptr);
    EXPECT_TRUE(data.getAreaDataFile().isEmpty());
    ASSERT_NE(data.getCharacterImage(), nullptr);
    EXPECT_EQ(data.getCharacterImage()->getWidth(), 640);
    EXPECT_EQ(data.getObjectImage()->getHeight(), 64);
    EXPECT_FALSE(data.isModified());

    // Without an install directory a scenario without pictures has no images.
    makeScenario("T", {"一"}, {1});
    ZDAreaMapData bare;
    EXPECT_TRUE(bare.load(HFile("T"), HFile()));
    EXPECT_TRUE(ZDAreaMapData::getGameDirectory().isEmpty());
    EXPECT_TRUE(bare.getCharacterImageFile().isEmpty());
    EXPECT_TRUE(bare.getObjectImageFile().isEmpty());
    EXPECT_EQ(bare.getCharacterImage(), nullptr);
    EXPECT_EQ(bare.getObjectImage(), nullptr);
}

TEST(ScenarioLoading, MissingShortAndLongMapFilesLoadAsFarAsTheyGoAndStayAsTheyAre)
{
    TestFolder folder;
    GameDirectory game("");
    LogCapture log({"info", "debug"});
    makeScenario("S", {"一", "二", "三", "四", "五", "六"}, {1});
    // Map 3 holds its character and object layers; the rest is read from earlier bytes.
    TestFolder::write("S\\Data\\BMap_No3", mapImage().substr(0, 2100));
    TestFolder::write("S\\Data\\BMap_No4", mapImage() + std::string(100, '\x07'));
    TestFolder::write("S\\Data\\BMap_No5", std::string(3, '\x05'));
    TestFolder::write("S\\Data\\BMap_No6", "");
    auto before = snapshot("S");
    ZDAreaMapData data;
    EXPECT_FALSE(data.load(HFile("S"), HFile()));
    ASSERT_EQ(data.getAreaCount(), 6u);
    EXPECT_EQ(data.getBMap(0)->getObject(5, 6), 3);
    EXPECT_EQ(data.getBMap(0)->getHeight(5, 6), 2);
    EXPECT_EQ(data.getBMap(1)->getObject(5, 6), 0);
    EXPECT_EQ(data.getBMap(1)->getNumber(), 2u);
    EXPECT_EQ(data.getBMap(1)->getFile().getName(), "BMap_No2");
    EXPECT_EQ(data.getBMap(2)->getObject(5, 6), 3);
    EXPECT_EQ(data.getBMap(2)->getHeight(5, 6), 0) << "the height layer was not in the file";
    EXPECT_EQ(data.getBMap(3)->getObject(5, 6), 3);
    EXPECT_FALSE(data.getBMap(3)->isModified());
    EXPECT_EQ(data.getBMap(4)->getCharacter(0, 0), 0);
    EXPECT_EQ(data.getBMap(5)->getCityCount(), 0u);
    EXPECT_TRUE(snapshot("S") == before);
    // Every file that failed, with why: the maps in area order, then the chip bitmaps that
    // are nowhere (no install directory), which block nothing.
    const struct {
        const char* file;
        ZDLoadFault::Reason reason;
        int64_t detail;
    } kFaults[] = {{"BMap_No2", ZDLoadFault::MISSING, 0},      {"BMap_No3", ZDLoadFault::SHORT, 2100},
                   {"BMap_No5", ZDLoadFault::SHORT, 3},        {"BMap_No6", ZDLoadFault::SHORT, 0},
                   {"BMAPCHAR.BMP", ZDLoadFault::MISSING, 0}, {"BMAPOBJ.BMP", ZDLoadFault::MISSING, 0}};
    const std::vector<ZDLoadFault>& faults = data.getLoadFaults();
    ASSERT_EQ(faults.size(), 6u);
    for (size_t i = 0; i < faults.size(); ++i) {
        EXPECT_EQ(faults[i].file.getName(), kFaults[i].file);
        EXPECT_EQ(faults[i].reason, kFaults[i].reason) << kFaults[i].file;
        EXPECT_EQ(faults[i].detail, kFaults[i].detail) << kFaults[i].file;
        EXPECT_EQ(faults[i].blocksOpen(), i < 4) << kFaults[i].file;
    }
    EXPECT_EQ(log.missing({"load:error to BMap file read", "load:file=.\\S\\Data\\BMap_No2",
                           "load:error to BMap bytes read"}),
              "");
}

TEST(ScenarioLoading, TheDefaultScenarioStandsInForMissingPicturesAndAnEmptyFolder)
{
    TestFolder folder;
    makeScenario("Game\\Default", {"既定", "二"}, {1, 2}, 320);
    makeScenario("Game\\Other", {"他"}, {1});
    makeScenario("Elsewhere", {"別"}, {1});
    // A closing separator in the registry value does not matter.
    GameDirectory game(absolute(folder, "Game\\"));
    ZDAreaMapData data;
    EXPECT_TRUE(data.load(HFile("Game\\Other"), HFile()));
    EXPECT_EQ(data.getAreaCount(), 1u);
    EXPECT_EQ(data.getCharacterImageFile().getPath(), absolute(folder, "Game\\Default\\Picture\\BMAPCHAR.BMP"));
    ASSERT_NE(data.getObjectImage(), nullptr);
    EXPECT_EQ(data.getObjectImage()->getWidth(), 320);

    // The scenario's own pictures win.
    TestFolder::makeFolder("Game\\Other\\Picture");
    TestFolder::write("Game\\Other\\Picture\\BMAPOBJ.BMP", bitmap(64, 64));
    EXPECT_TRUE(data.load(HFile("Game\\Other"), HFile()));
    EXPECT_EQ(data.getObjectImage()->getWidth(), 64);
    EXPECT_EQ(data.getCharacterImage()->getWidth(), 320);

    // An empty folder argument means the default scenario.
    EXPECT_TRUE(data.load(HFile(), HFile(absolute(folder, "Game\\Default\\Data\\AreaData"))));
    EXPECT_EQ(data.getScenarioDirectory().getPath(), absolute(folder, "Game\\Default"));
    EXPECT_EQ(data.getAreaCount(), 2u);

    // An AreaData file named by the caller is read wherever it lies, with its own maps.
    EXPECT_TRUE(data.load(HFile("Game\\Default"), HFile("Elsewhere\\Data\\AreaData")));
    ASSERT_EQ(data.getAreaCount(), 1u);
    EXPECT_EQ(data.getArea(0)->getName(), "別");
    EXPECT_EQ(data.getBMap(0)->getFile().getPath(), "Elsewhere\\Data\\BMap_No1");
}

TEST(ScenarioLoading, AMissingFolderOrAnUnreadableAreaListFailsAndEmptiesEverything)
{
    TestFolder folder;
    GameDirectory game("");
    LogCapture log({"info"});
    makeScenario("S", {"一"}, {1});
    ZDAreaMapData data;
    ASSERT_TRUE(data.load(HFile("S"), HFile()));
    // Neither the previous scenario nor a file of that name stands in for the folder.
    TestFolder::write("File", "x");
    for (const char* missing : {"Gone", "File"}) {
        EXPECT_FALSE(data.load(HFile(missing), HFile()));
        EXPECT_EQ(data.getAreaCount(), 0u);
        EXPECT_TRUE(data.getScenarioDirectory().isEmpty());
        EXPECT_TRUE(data.getAreaDataFile().isEmpty());
        EXPECT_TRUE(data.getCallableDirectory().isEmpty());
    }
    // An AreaData file that cannot be read is a failure too.
    {
        FaultySystem faulty;
        faulty.failReadAt = FaultySystem::EVERY;
        EXPECT_FALSE(data.load(HFile("S"), HFile()));
    }
    EXPECT_EQ(data.getAreaCount(), 0u);
    EXPECT_FALSE(data.getAreaDataFile().isEmpty());
    EXPECT_EQ(log.missing({"load:scenario directory isn't exist", "load:error to file read"}), "");
}

// (The one missing folder a save makes, and the maps it takes there: the scenario save's tests.)
TEST(ScenarioSaving, MakesNoTwoMissingFoldersAndNoMapOutOfRange)
{
    TestFolder folder;
    GameDirectory game("");
    LogCapture log({"info", "debug"});
    makeScenario("S", {"一"}, {1});
    ZDAreaMapData data;
    ASSERT_TRUE(data.load(HFile("S"), HFile()));
    auto before = snapshot("S");
    EXPECT_FALSE(data.saveBMap(1));
    EXPECT_FALSE(data.saveBMap(0xFFFFFFFFu));
    EXPECT_TRUE(snapshot("S") == before);

    data.setAreaDataFile(HFile("Two\\Levels\\AreaData"));
    EXPECT_FALSE(data.save());
    EXPECT_FALSE(data.saveAll());
    EXPECT_FALSE(TestFolder::exists("Two\\Levels"));
    EXPECT_EQ(log.missing({"save:error fileopen", "saveBMap:error out of index",
                           "saveBMap:index=1"}),
              "");
}

// The plain save under a failed step of each file it writes: that file keeps its previous
// bytes, the others their previous or new ones, no temporary is left, and the result and the
// log say so. A disk that fills up inside a file fails that file's write, whose every
// boundary the writer's own fault matrix tries.
TEST(ScenarioSaving, AFailedStepOfAnyFileKeepsEveryFileWholeAndIsReported)
{
    const struct {
        const char* name;
        bool (ZDAreaMapData::*run)();
        std::vector<std::string> files;  // the files it writes, in order
    } saves[] = {{"save", &ZDAreaMapData::save, {"AreaData"}},
                 {"saveAll", &ZDAreaMapData::saveAll, {"BMap_No1", "BMap_No2"}}};
    const struct {
        const char* name;
        int FaultySystem::*field;
        const char* logged;
    } steps[] = {{"create", &FaultySystem::failCreateAt, "open error:5"},
                 {"write", &FaultySystem::failWriteAt, "write error:112"},
                 {"sync", &FaultySystem::failFlushAt, "flush error:1117"},
                 {"close", &FaultySystem::failCloseAt, "open error:21"},
                 {"replace", &FaultySystem::failReplaceAt, "replace error:32"}};
    // A scenario whose every file a save changes.
    auto prepare = [](ZDAreaMapData& data) {
        makeScenario("S", {"北", "南"}, {1, 2});
        ASSERT_TRUE(data.load(HFile("S"), HFile()));
        data.getArea(0)->setName("変更");
        data.getBMap(0)->setCharacter(3, 3, 42);
        data.getBMap(1)->setCharacter(3, 3, 42);
    };
    for (const auto& save : saves) {
        std::map<std::string, std::string> before;
        std::map<std::string, std::string> after;
        {
            TestFolder folder;
            GameDirectory game("");
            ZDAreaMapData data;
            prepare(data);
            before = snapshot("S\\Data");
            ASSERT_TRUE((data.*save.run)());
            after = snapshot("S\\Data");
        }
        for (const auto& step : steps) {
            for (size_t k = 1; k <= save.files.size(); ++k) {
                std::string failed = "S\\Data\\" + save.files[k - 1];
                SCOPED_TRACE(std::string(save.name) + ", " + step.name + " of " + failed);
                ASSERT_NE(before[failed], after[failed]);
                TestFolder folder;
                GameDirectory game("");
                ZDAreaMapData data;
                prepare(data);
                LogCapture log({"info"});
                {
                    FaultySystem faulty;
                    faulty.*step.field = static_cast<int>(k);
                    EXPECT_FALSE((data.*save.run)());
                }
                std::map<std::string, std::string> now = snapshot("S\\Data");
                ASSERT_EQ(now.size(), before.size()) << "a temporary was left";
                for (const auto& file : now) {
                    bool previous = file.second == before[file.first];
                    EXPECT_TRUE(previous || (file.first != failed && file.second == after[file.first]))
                        << file.first;
                }
                EXPECT_TRUE(log.contains(step.logged));
            }
        }
    }
}

TEST(ScenarioBadInput, ABrokenChipBitmapStillOpensTheAreasAndMaps)
{
    struct Broken {
        std::string bytes;
        bool fails;  // a file without the "BM" signature is the loader's own choice
    };
    const Broken broken[] = {
        {"BM", true},  // cut short
        {std::string("BM") + std::string(12, '\0') + std::string("\x0c\0\0\0", 4) + std::string(20, '\x01'), true},
        {bitmap(640, 384).substr(0, 60), true},  // pixels missing
        {std::string(500, '\xFF'), false},
    };
    for (const Broken& item : broken) {
        const std::string& bytes = item.bytes;
        TestFolder folder;
        GameDirectory game("");
        LogCapture log({"info"});
        makeScenario("S", {"一", "二"}, {1, 2}, 640);
        TestFolder::write("S\\Picture\\BMAPCHAR.BMP", bytes);
        auto before = snapshot("S");
        ZDAreaMapData data;
        bool ok = data.load(HFile("S"), HFile());
        EXPECT_EQ(data.getAreaCount(), 2u);
        EXPECT_EQ(data.getBMap(1)->getObject(5, 6), 3);
        ASSERT_NE(data.getObjectImage(), nullptr);
        EXPECT_EQ(data.getObjectImage()->getWidth(), 640);
        // A bitmap that could not be read is left out, for the views to draw stand-ins.
        EXPECT_EQ(data.getCharacterImage() == nullptr, !ok);
        if (item.fails) {
            EXPECT_FALSE(ok);
        }
        EXPECT_EQ(ok, !log.contains("reset:BMAPCHAR.BMP読込失敗"));
        EXPECT_EQ(data.getLoadFaults().size(), ok ? 0u : 1u);
        for (const ZDLoadFault& fault : data.getLoadFaults()) {
            EXPECT_EQ(fault.part, ZDLoadFault::PART_CHIPS);
            EXPECT_EQ(fault.file.getName(), "BMAPCHAR.BMP");
            EXPECT_FALSE(fault.blocksOpen());
        }
        EXPECT_TRUE(snapshot("S") == before);
    }
}

