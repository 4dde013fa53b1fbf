// The editor's problems list and `tessel_tool check` agree: over the sample scenarios and
// damaged copies, the findings of the checks they share are the same, one for one, as the
// check reports them and as the editor's list holds them after opening the folder.

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/model/BMData.h"
#include "editor/model/BMProblems.h"
#include "framework/graphics/HImage.h"
#include "scenario/ZDArea.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/TestFolder.h"
#include "tool/TCScenario.h"

namespace fs = std::filesystem;

namespace {

bool shared(TCFinding::Kind kind)
{
    return kind == TCFinding::LINE || kind == TCFinding::LINK || kind == TCFinding::AREA_COUNT
           || kind == TCFinding::LINK_SHORT || kind == TCFinding::ORIGIN
           || kind == TCFinding::CHIP_OUTSIDE || kind == TCFinding::MAP_UNREFERENCED
           || kind == TCFinding::MUSIC_MISSING;
}

// A finding without its file, which the two name from different places.
TCFinding bare(TCFinding finding)
{
    finding.file.clear();
    return finding;
}

std::vector<TCFinding> toolFindings(const std::string& folder)
{
    TCScenario scenario(folder);
    EXPECT_TRUE(scenario.load()) << scenario.getError();
    std::vector<TCFinding> found;
    for (const TCFinding& finding : scenario.check()) {
        if (shared(finding.kind)) {
            found.push_back(bare(finding));
        }
    }
    return found;
}

int side(const HImage* image, bool width)
{
    return image == nullptr ? 0 : width ? image->getWidth() : image->getHeight();
}

std::vector<TCFinding> editorFindings(const std::string& folder)
{
    BMData data;
    data.load(HFile(folder), HFile());
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder + "\\Data")) {
        files.push_back(entry.path().filename().string());
    }
    BMProblems problems;
    problems.setOptions(ZDScenarioCheck::sheetsOf(
        side(data.getCharacterImage(), true), side(data.getCharacterImage(), false),
        side(data.getObjectImage(), true), side(data.getObjectImage(), false)));
    problems.checkAll(data, files, ZDAreaMapData::getGameDirectory());
    std::vector<TCFinding> found;
    for (const ZDProblem& problem : problems.list()) {
        found.push_back(bare(TCFinding::fromProblem(problem, "")));
    }
    return found;
}

// Rewrites line number of the area list through the callback.
void rewriteLine(int number, const std::function<void(ZDArea&)>& edit, const std::string& extra = "")
{
    std::string text = TestFolder::read("S\\Data\\AreaData");
    size_t start = 0;
    for (int line = 1; line < number; ++line) {
        start = text.find("\r\n", start) + 2;
    }
    const size_t length = text.find("\r\n", start) - start;
    ZDArea area;
    EXPECT_TRUE(area.parseLine(text.substr(start, length), HFile(), number));
    edit(area);
    text.replace(start, length, area.formatLine() + extra);
    TestFolder::write("S\\Data\\AreaData", text);
}

}  // namespace

TEST(SharedCheck, TheEditorsListAndTheToolAgreeOnSamplesAndDamagedCopies)
{
    TestFolder folder;
    GameDirectory game{GameDirectory::sampleGame()};
    const struct {
        const char* name;
        const char* sample;
        std::function<void()> damage;
        std::vector<TCFinding::Kind> expected;  // kinds the damage adds, at least
    } cases[] = {
        {"Default", "Default", [] {}, {}},
        {"Islands", "Islands", [] {}, {}},
        {"Northland", "Northland", [] {}, {}},
        {"link to no area", "Default", [] { rewriteLine(3, [](ZDArea& a) { a.setLink(2, 40); }); },
         {TCFinding::LINK}},
        {"counts", "Default", [] { rewriteLine(5, [](ZDArea& a) { a.setWallCount(a.getWallCount() + 2); }); },
         {TCFinding::AREA_COUNT}},
        {"line kept as read", "Northland", [] { rewriteLine(4, [](ZDArea&) {}, " 7 notes"); },
         {TCFinding::LINE}},
        {"map files", "Northland",
         [] {
             TestFolder::write("S\\Data\\BMap_No6", std::string(4428, '\0'));
             TestFolder::write("S\\Data\\bmap_no02", "x");
         },
         {TCFinding::MAP_UNREFERENCED}},
        {"music not found", "Islands",
         [] {
             rewriteLine(2, [](ZDArea& a) { a.setMusic("nai.mid"); });
             rewriteLine(5, [](ZDArea& a) { a.setMusic("..\\Music\\umi.mid"); });
         },
         {TCFinding::MUSIC_MISSING}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all("S");
        fs::copy(GameDirectory::sampleGame() + "\\" + c.sample, "S", fs::copy_options::recursive);
        c.damage();
        const std::vector<TCFinding> tool = toolFindings("S");
        const std::vector<TCFinding> editor = editorFindings("S");
        EXPECT_TRUE(tool == editor) << tool.size() << " findings of the tool, " << editor.size()
                                    << " of the editor";
        for (TCFinding::Kind kind : c.expected) {
            EXPECT_TRUE(std::any_of(tool.begin(), tool.end(),
                                    [kind](const TCFinding& f) { return f.kind == kind; }))
                << TCFinding::name(kind);
        }
        if (c.expected.empty()) {
            EXPECT_TRUE(tool.empty()) << tool[0].line();
        }
    }
}
