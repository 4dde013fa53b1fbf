#include "tool/TCCommand.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/base/HSystem.h"
#include "framework/base/HWin32.h"
#include "scenario/ZDArea.h"
#include "tests/support/BitmapFile.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/MapImage.h"
#include "tests/support/TestFolder.h"
#include "tool/TCFinding.h"
#include "tool/TCScenario.h"

namespace fs = std::filesystem;

namespace {

using namespace MapImage;

std::string mapFile(int number)
{
    return "S\\Data\\BMap_No" + std::to_string(number);
}

// Copies a scenario of the sample game to "S" in the current folder.
void copySample(const char* scenario)
{
    fs::copy(GameDirectory::sampleGame() + "\\" + scenario, "S", fs::copy_options::recursive);
}

void setByte(const std::string& file, size_t offset, uint8_t value)
{
    std::string bytes = TestFolder::read(file);
    ASSERT_LT(offset, bytes.size());
    bytes[offset] = static_cast<char>(value);
    TestFolder::write(file, bytes);
}

uint8_t byteAt(const std::string& file, size_t offset)
{
    return static_cast<uint8_t>(TestFolder::read(file).at(offset));
}

// The first cell (in file order) whose object satisfies the test; -1 when none does.
template <typename Test>
int findObject(const std::string& file, Test test)
{
    std::string bytes = TestFolder::read(file);
    for (size_t i = 0; i < 1024; ++i) {
        if (test(static_cast<uint8_t>(bytes[OBJECTS + i]))) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The slots 0..19 of a placement group that hold a cell.
int usedSlots(const std::string& file, int group)
{
    std::string bytes = TestFolder::read(file);
    int used = 0;
    for (int order = 0; order < 20; ++order) {
        used += bytes[slot(group, order)] != 0 || bytes[slot(group, order) + 1] != 0 ? 1 : 0;
    }
    return used;
}

// The first placement group of the map whose 20 slots are all in use; 0 when none is.
int fullGroup(const std::string& file)
{
    for (int group = 1; group <= 8; ++group) {
        if (usedSlots(file, group) == 20) {
            return group;
        }
    }
    return 0;
}

void moveSlot(const std::string& file, int group, int from, int to)
{
    std::string bytes = TestFolder::read(file);
    bytes.replace(slot(group, to), 2, bytes.substr(slot(group, from), 2));
    TestFolder::write(file, bytes);
}

// Rewrites one line of the area list through the callback, leaving every other byte alone.
void rewriteLine(int number, const std::function<std::string(const std::string&)>& rewrite)
{
    std::string text = TestFolder::read("S\\Data\\AreaData");
    size_t start = 0;
    for (int line = 1; line < number; ++line) {
        start = text.find("\r\n", start) + 2;
    }
    size_t length = text.find("\r\n", start) - start;
    text.replace(start, length, rewrite(text.substr(start, length)));
    TestFolder::write("S\\Data\\AreaData", text);
}

// Rewrites one line of the area list, as the editor writes lines.
void editArea(int number, const std::function<void(ZDArea&)>& edit)
{
    rewriteLine(number, [number, edit](const std::string& line) {
        ZDArea area;
        EXPECT_TRUE(area.parseLine(line, HFile(), number));
        edit(area);
        return area.formatLine();
    });
}

// Appends text to one line of the area list, as a hand in a text editor would.
void appendToLine(int number, const std::string& text)
{
    rewriteLine(number, [&text](const std::string& line) { return line + text; });
}

struct Snapshot {
    std::string bytes;
    fs::file_time_type time;
};

std::map<std::string, Snapshot> snapshot()
{
    std::map<std::string, Snapshot> files;
    for (const auto& entry : fs::recursive_directory_iterator("S")) {
        if (entry.is_regular_file()) {
            std::string name = entry.path().string();
            files[name] = Snapshot{TestFolder::read(name), fs::last_write_time(entry.path())};
        }
    }
    return files;
}

std::vector<TCFinding> findingsOf(const std::string& folder)
{
    TCScenario scenario(folder);
    EXPECT_TRUE(scenario.load()) << scenario.getError();
    return scenario.check();
}

std::set<TCFinding::Kind> kindsOf(const std::vector<TCFinding>& findings)
{
    std::set<TCFinding::Kind> kinds;
    for (const TCFinding& finding : findings) {
        kinds.insert(finding.kind);
    }
    return kinds;
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The findings of one kind.
std::vector<TCFinding> ofKind(const std::vector<TCFinding>& findings, TCFinding::Kind kind)
{
    std::vector<TCFinding> found;
    std::copy_if(findings.begin(), findings.end(), std::back_inserter(found),
                 [kind](const TCFinding& f) { return f.kind == kind; });
    return found;
}

class ToolTest : public ::testing::Test {
protected:
    TestFolder m_folder;
    GameDirectory m_game{GameDirectory::sampleGame()};
};

}  // namespace

// Every kind of damage a file can carry that the editor's load and save mend: each is found
// where it is, the repair writes just the files that change, and the scenario is clean then.
TEST_F(ToolTest, EachKindOfDamageIsFoundAndTheRepairMendsItTouchingNothingElse)
{
    copySample("Default");
    setByte(mapFile(1), cell(3, 4), 245);
    setByte(mapFile(2), OBJECTS + cell(5, 1), 45);
    int empty = findObject(mapFile(3), [](uint8_t o) { return o == 0; });
    setByte(mapFile(3), ORDERS + empty, 3);
    setByte(mapFile(4), HEIGHTS + cell(31, 31), 20);
    // A wall or road chip swapped for another of its kind no longer fits its neighbours.
    int wall = findObject(mapFile(5), [](uint8_t o) { return o >= 16 && o <= 39; });
    ASSERT_GE(wall, 0);
    uint8_t chip = byteAt(mapFile(5), OBJECTS + wall);
    setByte(mapFile(5), OBJECTS + wall, chip <= 24 ? (chip == 16 ? 17 : 16) : (chip == 25 ? 26 : 25));
    setByte(mapFile(6), COUNTS, static_cast<uint8_t>(byteAt(mapFile(6), COUNTS) + 1));
    int city = findObject(mapFile(7), [](uint8_t o) { return o >= 1 && o <= 15; });
    setByte(mapFile(7), ORDERS + city, 250);
    // The slots are damaged in linked groups, which fill all 20; the groups are unlinked, so
    // that the 19 cells the repair keeps of each are no finding of their own.
    const int copied = fullGroup(mapFile(8));
    ASSERT_GT(copied, 0);
    editArea(8, [copied](ZDArea& area) { area.setLink(copied - 1, 0); });
    moveSlot(mapFile(8), copied, 0, 19);  // a copy: two slots name one cell
    const int emptied = fullGroup(mapFile(9));
    ASSERT_GT(emptied, 0);
    editArea(9, [emptied](ZDArea& area) { area.setLink(emptied - 1, 0); });
    setByte(mapFile(9), slot(emptied, 10), 0);  // a gap in the orders
    setByte(mapFile(9), slot(emptied, 10) + 1, 0);
    TestFolder::write(mapFile(10), TestFolder::read(mapFile(10)) + std::string(100, '\x7f'));
    fs::remove(mapFile(11));
    // The empty map the repair writes in its place holds no placement group to link.
    editArea(11, [](ZDArea& area) {
        for (int group = 0; group < ZDArea::LINKS; ++group) {
            area.setLink(group, 0);
        }
    });
    setByte(mapFile(12), slot(8, 19), 40);  // the last slot names no cell of the map
    editArea(12, [](ZDArea& area) { area.setLink(7, 0); });  // the group keeps 19 cells
    setByte(mapFile(12), slot(8, 19) + 1, 3);
    TestFolder::write(mapFile(13) + ".tmp", "half a map");
    TestFolder::write(mapFile(13) + ".tmp7", "");
    editArea(14, [](ZDArea& area) { area.setCityCount(area.getCityCount() + 3); });

    std::vector<TCFinding> findings = findingsOf("S");
    const std::set<TCFinding::Kind> expected = {
        TCFinding::CHARACTER_RANGE, TCFinding::OBJECT_RANGE,  TCFinding::ORDER_ON_EMPTY,
        TCFinding::HEIGHT_RANGE,    TCFinding::SHAPE,         TCFinding::CITY_COUNT,
        TCFinding::CITY_ORDER,      TCFinding::CONNECT_COUNT, TCFinding::CONNECT_ORDER,
        TCFinding::MAP_LONG,        TCFinding::MAP_MISSING,   TCFinding::MAP_BYTES,
        TCFinding::TEMPORARY,       TCFinding::AREA_COUNT};
    EXPECT_EQ(kindsOf(findings), expected);
    struct Where {
        TCFinding::Kind kind;
        const char* file;
        uint32_t map;
    };
    const Where places[] = {
        {TCFinding::CHARACTER_RANGE, "Data\\BMap_No1", 1}, {TCFinding::OBJECT_RANGE, "Data\\BMap_No2", 2},
        {TCFinding::ORDER_ON_EMPTY, "Data\\BMap_No3", 3},  {TCFinding::HEIGHT_RANGE, "Data\\BMap_No4", 4},
        {TCFinding::SHAPE, "Data\\BMap_No5", 5},           {TCFinding::CITY_COUNT, "Data\\BMap_No6", 6},
        {TCFinding::CITY_ORDER, "Data\\BMap_No7", 7},      {TCFinding::CONNECT_COUNT, "Data\\BMap_No8", 8},
        {TCFinding::CONNECT_ORDER, "Data\\BMap_No9", 9},   {TCFinding::MAP_LONG, "Data\\BMap_No10", 10},
        {TCFinding::MAP_MISSING, "Data\\BMap_No11", 11},   {TCFinding::MAP_BYTES, "Data\\BMap_No12", 12},
        {TCFinding::TEMPORARY, "Data\\BMap_No13.tmp", 0},  {TCFinding::AREA_COUNT, "Data\\AreaData", 14},
    };
    for (const Where& place : places) {
        SCOPED_TRACE(TCFinding::name(place.kind));
        std::vector<TCFinding> all = ofKind(findings, place.kind);
        auto at = std::find_if(all.begin(), all.end(), [&](const TCFinding& f) {
            return f.map == place.map && endsWith(f.file, place.file);
        });
        EXPECT_NE(at, all.end());
    }
    EXPECT_EQ(ofKind(findings, TCFinding::CHARACTER_RANGE)[0].x, 3);
    EXPECT_EQ(ofKind(findings, TCFinding::CHARACTER_RANGE)[0].y, 4);
    EXPECT_EQ(ofKind(findings, TCFinding::CHARACTER_RANGE)[0].value, 245);
    EXPECT_EQ(ofKind(findings, TCFinding::SHAPE)[0].result, chip);
    EXPECT_EQ(ofKind(findings, TCFinding::TEMPORARY).size(), 2u);

    std::map<std::string, Snapshot> before = snapshot();
    std::string out;
    std::string err;
    EXPECT_EQ(TCCommand::repair({"S"}, false, &out, &err), TCCommand::STATUS_CLEAN) << out << err;
    EXPECT_EQ(err, "");
    EXPECT_NE(out.find("removed .\\S\\Data\\BMap_No13.tmp\n"), std::string::npos) << out;
    std::map<std::string, Snapshot> after = snapshot();
    std::set<std::string> changed;
    for (const auto& file : after) {
        auto old = before.find(file.first);
        if (old == before.end() || old->second.bytes != file.second.bytes
            || old->second.time != file.second.time) {
            changed.insert(file.first);
            EXPECT_NE(out.find("wrote .\\" + file.first + "\n"), std::string::npos) << file.first;
        }
    }
    std::set<std::string> expectedChanged = {"S\\Data\\AreaData"};
    for (int map = 1; map <= 12; ++map) {
        expectedChanged.insert(mapFile(map));
    }
    EXPECT_EQ(changed, expectedChanged);
    EXPECT_EQ(after.size(), before.size() + 1 - 2);  // map 11 back, both temporaries gone
    EXPECT_EQ(after.at(mapFile(11)).bytes, std::string(4428, '\0'));

    EXPECT_TRUE(findingsOf("S").empty());
    out.clear();
    EXPECT_EQ(TCCommand::check({"S"}, false, &out, &err), TCCommand::STATUS_CLEAN);
    EXPECT_EQ(out, "S: 16 areas, 0 findings\n");
    out.clear();
    EXPECT_EQ(TCCommand::repair({"S"}, false, &out, &err), TCCommand::STATUS_CLEAN);
    EXPECT_EQ(out, "S: 0 repairs, 0 files written, 0 temporaries removed, 0 findings left\n");
}

// What the editor would not change stays for the modder to mend, and its files stay as they
// are; a map that cannot be read keeps both its file and the counts of its area line.
TEST_F(ToolTest, FindingsTheRepairCannotMendAreLeftWithTheirFilesUntouched)
{
    copySample("Default");
    editArea(2, [](ZDArea& area) { area.setLink(0, 99); });
    appendToLine(15, " and a note");
    BitmapFile small;
    small.width = 64;
    small.picture.assign(64 * 64, 0x336699);
    TestFolder::write("S\\Picture\\BMAPOBJ.BMP", small.build());
    std::string os2 = BitmapFile::sample(24).build();
    BitmapFile::put32(&os2, BitmapFile::OFFSET_HEADER_SIZE, 12);
    TestFolder::write("S\\Picture\\BMAPCHAR.BMP", os2);
    // Counts that differ from the cells of a locked or cut map would be mended if the map could
    // be read whole.
    editArea(16, [](ZDArea& area) { area.setCityCount(area.getCityCount() + 1); });
    editArea(14, [](ZDArea& area) { area.setRoadCount(area.getRoadCount() + 1); });
    TestFolder::write(mapFile(14), TestFolder::read(mapFile(14)).substr(0, 4000));
    HSystem::Handle locked = HSystem::get().open(mapFile(16), HSystem::OPEN_READ, nullptr);  // not shared
    ASSERT_NE(locked, nullptr);

    std::vector<TCFinding> findings = findingsOf("S");
    const std::set<TCFinding::Kind> expected = {TCFinding::LINK,       TCFinding::LINE,
                                                TCFinding::CHIPS_SIZE, TCFinding::CHIPS_UNREADABLE,
                                                TCFinding::MAP_UNREADABLE, TCFinding::MAP_SHORT};
    EXPECT_EQ(kindsOf(findings), expected);
    for (const TCFinding& finding : findings) {
        EXPECT_FALSE(TCFinding::isRepairable(finding.kind)) << finding.line();
    }
    TCFinding link = ofKind(findings, TCFinding::LINK).at(0);
    EXPECT_EQ(link.map, 2u);
    EXPECT_EQ(link.index, 1);
    EXPECT_EQ(link.value, 99);
    TCFinding size = ofKind(findings, TCFinding::CHIPS_SIZE).at(0);
    EXPECT_TRUE(endsWith(size.file, "Picture\\BMAPOBJ.BMP"));
    EXPECT_EQ(size.value, 64);
    EXPECT_EQ(size.result, 64);
    EXPECT_EQ(ofKind(findings, TCFinding::LINE).at(0).map, 15u);
    EXPECT_EQ(ofKind(findings, TCFinding::MAP_UNREADABLE).at(0).map, 16u);
    EXPECT_EQ(ofKind(findings, TCFinding::MAP_SHORT).at(0).map, 14u);

    std::map<std::string, Snapshot> before = snapshot();
    std::string out;
    std::string err;
    EXPECT_EQ(TCCommand::repair({"S"}, false, &out, &err), TCCommand::STATUS_FOUND) << out << err;
    std::map<std::string, Snapshot> after = snapshot();
    for (const auto& file : before) {
        EXPECT_EQ(after.at(file.first).bytes, file.second.bytes) << file.first;
        EXPECT_TRUE(after.at(file.first).time == file.second.time) << file.first;
    }
    EXPECT_NE(out.find("left: "), std::string::npos);
    EXPECT_NE(out.find("0 repairs, 0 files written, 0 temporaries removed, 6 findings left\n"),
              std::string::npos)
        << out;

    // Once the map can be read, its area's count is the one thing left to repair.
    HSystem::get().close(locked);
    EXPECT_EQ(kindsOf(ofKind(findingsOf("S"), TCFinding::AREA_COUNT)),
              std::set<TCFinding::Kind>{TCFinding::AREA_COUNT});
}

// A line the columns cannot carry stays as read when the repair mends a count elsewhere; a
// count to mend on such a line would write it in the columns, so the list is kept instead.
TEST_F(ToolTest, ALineTheColumnsCannotCarryStaysAsReadThroughTheRepair)
{
    copySample("Islands");
    editArea(4, [](ZDArea& area) { area.setWallCount(area.getWallCount() + 1); });
    const std::string notes("\tnotes\0 and more", 16);
    appendToLine(2, notes);
    std::string out;
    std::string err;
    EXPECT_EQ(TCCommand::repair({"S"}, false, &out, &err), TCCommand::STATUS_FOUND) << out;
    std::string list = TestFolder::read("S\\Data\\AreaData");
    EXPECT_NE(list.find(notes + "\r\n"), std::string::npos);
    EXPECT_EQ(kindsOf(findingsOf("S")), std::set<TCFinding::Kind>{TCFinding::LINE});

    editArea(2, [](ZDArea& area) { area.setWallCount(area.getWallCount() + 1); });
    appendToLine(2, notes);
    list = TestFolder::read("S\\Data\\AreaData");
    out.clear();
    EXPECT_EQ(TCCommand::repair({"S"}, false, &out, &err), TCCommand::STATUS_FOUND);
    EXPECT_EQ(TestFolder::read("S\\Data\\AreaData"), list);
    EXPECT_NE(out.find("kept .\\S\\Data\\AreaData: a save would write in the columns a line they "
                       "cannot carry\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(kindsOf(findingsOf("S")), (std::set<TCFinding::Kind>{TCFinding::LINE, TCFinding::AREA_COUNT}));
}

// A file the repair cannot replace is an error in one line; the file stays whole and as it
// was, and the other files are still repaired.
TEST_F(ToolTest, AFileThatCannotBeWrittenStaysAsItWasAndIsAnError)
{
    copySample("Northland");
    setByte(mapFile(1), cell(0, 0), 250);
    setByte(mapFile(2), cell(0, 0), 250);
    std::string damaged = TestFolder::read(mapFile(1));
    ASSERT_TRUE(SetFileAttributesA(mapFile(1).c_str(), FILE_ATTRIBUTE_READONLY));
    std::string out;
    std::string err;
    EXPECT_EQ(TCCommand::repair({"S"}, false, &out, &err), TCCommand::STATUS_ERROR);
    EXPECT_EQ(err, "cannot write or remove .\\S\\Data\\BMap_No1\n");
    EXPECT_EQ(TestFolder::read(mapFile(1)), damaged);
    EXPECT_EQ(byteAt(mapFile(2), cell(0, 0)), 0);
    EXPECT_FALSE(TestFolder::exists(mapFile(1) + ".tmp"));
    EXPECT_NE(out.find("left: .\\S\\Data\\BMap_No1: map 1: cell (0,0): character 250"), std::string::npos)
        << out;
    EXPECT_NE(out.find("S: 1 repair, 1 file written, 0 temporaries removed, 1 finding left\n"),
              std::string::npos)
        << out;
}

TEST_F(ToolTest, ChipBitmapsMissingEverywhereAreFound)
{
    copySample("Northland");
    fs::remove_all("S\\Picture");
    EXPECT_TRUE(findingsOf("S").empty());  // the default scenario's bitmaps serve
    GameDirectory none("");
    std::vector<TCFinding> findings = findingsOf("S");
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].kind, TCFinding::CHIPS_MISSING);
    EXPECT_EQ(findings[0].text, "BMAPCHAR.BMP");
    EXPECT_EQ(findings[1].text, "BMAPOBJ.BMP");
}

TEST_F(ToolTest, CheckWritesOneJsonDocumentWithEveryFinding)
{
    copySample("Islands");
    setByte(mapFile(2), cell(0, 1), 241);
    editArea(3, [](ZDArea& area) { area.setLink(7, -1); });
    std::string out;
    std::string err;
    EXPECT_EQ(TCCommand::check({"S", "Missing"}, true, &out, &err), TCCommand::STATUS_ERROR);
    EXPECT_EQ(err, "cannot read scenario folder Missing: no such folder\n");
    EXPECT_EQ(out.substr(0, 44), "{\"folders\":[{\"folder\":\"S\",\"areas\":6,\"clean\":");
    EXPECT_NE(out.find("{\"kind\":\"character-range\",\"repairable\":true,\"file\":\".\\\\S\\\\Data\\\\BMap_No2\","
                       "\"map\":2,\"x\":0,\"y\":1,\"value\":241,\"result\":0,"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("{\"kind\":\"link\",\"repairable\":false,\"file\":\".\\\\S\\\\Data\\\\AreaData\","
                       "\"map\":3,\"group\":8,\"value\":-1,\"result\":6,"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("{\"folder\":\"Missing\",\"error\":\"no such folder\"}]}\n"), std::string::npos);
}

TEST_F(ToolTest, FoldersThatCannotBeReadAreErrorsInOneLine)
{
    TestFolder::makeFolder("Empty");
    TestFolder::write("File", "x");
    struct Case {
        const char* folder;
        const char* error;
    };
    const Case cases[] = {
        {"Nowhere", "cannot read scenario folder Nowhere: no such folder\n"},
        {"File", "cannot read scenario folder File: not a folder\n"},
        {"Empty", "cannot read scenario folder Empty: no area list Data\\AreaData in it\n"},
    };
    for (const Case& c : cases) {
        std::string out;
        std::string err;
        EXPECT_EQ(TCCommand::check({c.folder}, false, &out, &err), TCCommand::STATUS_ERROR);
        EXPECT_EQ(err, c.error);
        EXPECT_EQ(out, "");
        err.clear();
        EXPECT_EQ(TCCommand::repair({c.folder}, false, &out, &err), TCCommand::STATUS_ERROR);
        EXPECT_EQ(err, c.error);
    }
}

TEST_F(ToolTest, DiffListsEveryChangedCellAndFieldOfTwoScenarios)
{
    copySample("Islands");
    fs::copy("S", "Before", fs::copy_options::recursive);
    std::string out;
    std::string err;
    EXPECT_EQ(TCCommand::diff("Before", "S", false, &out, &err), TCCommand::STATUS_CLEAN);
    EXPECT_EQ(out, "");

    uint8_t height = byteAt(mapFile(3), HEIGHTS + cell(5, 6));
    uint8_t roads = byteAt(mapFile(3), COUNTS + 8);
    setByte(mapFile(3), HEIGHTS + cell(5, 6), static_cast<uint8_t>(height ^ 1));
    setByte(mapFile(3), COUNTS + 8, static_cast<uint8_t>(roads + 2));
    editArea(2, [](ZDArea& area) { area.setName("Renamed"); });
    std::vector<std::unique_ptr<ZDArea>> areas;
    ZDArea::parseList(TestFolder::read("Before\\Data\\AreaData"), &areas, HFile());
    EXPECT_EQ(TCCommand::diff("Before", "S", false, &out, &err), TCCommand::STATUS_FOUND);
    EXPECT_EQ(out, "area 2: name: " + areas.at(1)->getName() + " -> Renamed\n"
                   + "map 3: height (5,6): " + std::to_string(height) + " -> " + std::to_string(height ^ 1)
                   + "\nmap 3: road count: " + std::to_string(roads) + " -> " + std::to_string(roads + 2)
                   + "\n");
    EXPECT_EQ(err, "");

    out.clear();
    EXPECT_EQ(TCCommand::diff("Before\\Data\\BMap_No3", mapFile(3), true, &out, &err),
              TCCommand::STATUS_FOUND);
    EXPECT_NE(out.find("\"cells\":[{\"layer\":\"height\",\"x\":5,\"y\":6,\"before\":"
                       + std::to_string(height) + ",\"after\":" + std::to_string(height ^ 1) + "}],"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\"counts\":[{\"count\":\"road\","), std::string::npos) << out;
    EXPECT_NE(out.find("\"equal\":false}"), std::string::npos) << out;
    out.clear();
    EXPECT_EQ(TCCommand::diff(mapFile(4), mapFile(4), false, &out, &err), TCCommand::STATUS_CLEAN);
    EXPECT_EQ(out, "");

    EXPECT_EQ(TCCommand::diff(mapFile(4), "S", false, &out, &err), TCCommand::STATUS_ERROR);
    EXPECT_EQ(TCCommand::diff(mapFile(4), "Nowhere", false, &out, &err), TCCommand::STATUS_ERROR);
    EXPECT_EQ(err, "cannot compare a map file with a scenario folder: S\\Data\\BMap_No4, S\n"
                   "no such file or folder: Nowhere\n");
}

// What hands and other tools leave in and beside an area list is found, with the line that
// says so, and the repair writes none of it away.
TEST_F(ToolTest, LinesTheColumnsCannotCarryStrayMapFilesAndNotesAreFoundAndKept)
{
    copySample("Northland");  // five areas
    appendToLine(3, std::string("\0 x", 3));
    appendToLine(4, " 1 2");
    const std::string map = TestFolder::read(mapFile(1));
    for (const char* name : {"BMap_No6", "bmap_no07", "BMap_No0", "BMap_No2.bak", "BMap_NoX"}) {
        TestFolder::write(std::string("S\\Data\\") + name, map);
    }
    TestFolder::write("S\\Data\\AreaData", TestFolder::read("S\\Data\\AreaData") + "\r\nメモ\x1A");
    const std::string list = TestFolder::read("S\\Data\\AreaData");

    std::string out;
    std::string err;
    EXPECT_EQ(TCCommand::check({"S"}, false, &out, &err), TCCommand::STATUS_FOUND);
    const char* const kLines[] = {
        ".\\S\\Data\\AreaData: 5 bytes follow the terminator line \"End\"; a save keeps them as they are\n",
        ".\\S\\Data\\AreaData: area 3: the columns cannot carry this line (a NUL byte; 20 fields where 19 "
        "are read); a save writes it as read until the area is edited\n",
        ".\\S\\Data\\AreaData: area 4: the columns cannot carry this line (21 fields where 19 are read); "
        "a save writes it as read until the area is edited\n",
        ".\\S\\Data\\BMap_No6: map file of area 6, which does not exist (5 areas): the editor neither "
        "reads nor writes it\n",
        ".\\S\\Data\\bmap_no07: map file of area 7",
        ".\\S\\Data\\BMap_No0: map file of area 0",
        "S: 5 areas, 6 findings (0 the repair mends)\n",
    };
    for (const char* line : kLines) {
        EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;
    }
    EXPECT_EQ(TCCommand::repair({"S"}, false, &out, &err), TCCommand::STATUS_FOUND);
    EXPECT_EQ(TestFolder::read("S\\Data\\AreaData"), list);
}

// A file of bytes that no text holds is never a clean list of no areas.
TEST_F(ToolTest, AnAreaListThatIsNoTextIsFound)
{
    copySample("Northland");
    std::string binary;
    for (int i = 0; i < 512; ++i) {
        binary += static_cast<char>(i * 7 % 256);
    }
    const struct {
        std::string bytes;
        std::set<TCFinding::Kind> kinds;  // of the area list as a whole and its lines
    } kCases[] = {
        {std::string(64, '\0'), {TCFinding::LINE}},
        {binary, {TCFinding::LINE, TCFinding::AREA_NOT_TEXT}},
        {"END\r\n" + binary, {TCFinding::AREA_NONE, TCFinding::AREA_AFTER_END}},
    };
    const std::set<TCFinding::Kind> listKinds = {TCFinding::LINE, TCFinding::AREA_NOT_TEXT,
                                                 TCFinding::AREA_NONE, TCFinding::AREA_AFTER_END};
    for (const auto& c : kCases) {
        TestFolder::write("S\\Data\\AreaData", c.bytes);
        std::set<TCFinding::Kind> kinds;
        for (TCFinding::Kind kind : kindsOf(findingsOf("S"))) {
            if (listKinds.count(kind) != 0) {
                kinds.insert(kind);
            }
        }
        EXPECT_EQ(kinds, c.kinds);
        std::string out;
        std::string err;
        EXPECT_EQ(TCCommand::check({"S"}, false, &out, &err), TCCommand::STATUS_FOUND) << out;
    }
}
