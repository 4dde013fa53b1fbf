// Where an area's music is found: the scenario's folders before the install directory's,
// nearer folders before deeper ones, folders of one level by name, and names that would leave
// the searched folders refused; and the check that tells an area whose music is not found.
#include "scenario/ZDMusicFinder.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scenario/ZDArea.h"
#include "scenario/ZDScenarioCheck.h"
#include "tests/support/TestFolder.h"

namespace {

struct Case {
    const char* what;
    std::vector<std::string> files;    // made below the test folder; a trailing "\" a folder
    const char* name;
    const char* scenario;              // relative to the test folder; "" for none
    const char* game;
    const char* found;                 // relative to the test folder; "" for nothing
};

const Case kCases[] = {
    {"the scenario before the install directory", {"game\\a.mid", "game\\Default\\a.mid"},
     "a.mid", "game\\Default", "game", "game\\Default\\a.mid"},
    {"anywhere below the scenario before the install directory itself",
     {"game\\a.mid", "game\\Default\\Sound\\Old\\a.mid"},
     "a.mid", "game\\Default", "game", "game\\Default\\Sound\\Old\\a.mid"},
    {"a nearer folder before a deeper one whose name comes first",
     {"game\\Default\\A\\B\\a.mid", "game\\Default\\Z\\a.mid"},
     "a.mid", "game\\Default", "game", "game\\Default\\Z\\a.mid"},
    {"folders of one level in the order of their names, letters in either case",
     {"game\\Default\\b\\a.mid", "game\\Default\\A2\\a.mid", "game\\Default\\c\\a.mid"},
     "a.mid", "game\\Default", "game", "game\\Default\\A2\\a.mid"},
    {"the install directory's folders when the scenario has none",
     {"game\\Default\\Data\\x.mid", "game\\Islands\\Music\\a.mid", "game\\Music\\Old\\a.mid"},
     "a.mid", "game\\Default", "game", "game\\Islands\\Music\\a.mid"},
    {"three levels below a root, not four",
     {"game\\Default\\1\\2\\3\\a.mid", "game\\Default\\1\\2\\3\\4\\b.mid"},
     "a.mid", "game\\Default", "game", "game\\Default\\1\\2\\3\\a.mid"},
    {"nothing four levels down", {"game\\Default\\1\\2\\3\\4\\b.mid", "game\\1\\2\\3\\4\\b.mid"},
     "b.mid", "game\\Default", "game", ""},
    {"a name without extension finds the MIDI file", {"game\\Music\\a.mid"},
     "a", "game\\Default", "game", "game\\Music\\a.mid"},
    {"a file of the exact name before the added extension", {"game\\Music\\a.mid", "game\\Music\\a"},
     "a", "game\\Default", "game", "game\\Music\\a"},
    {"a folder of the name is no music", {"game\\Default\\a.mid\\", "game\\Music\\a.mid"},
     "a.mid", "game\\Default", "game", "game\\Music\\a.mid"},
    {"a name with a folder below a searched one", {"game\\Default\\Sound\\bgm\\a.mid"},
     "bgm\\a.mid", "game\\Default", "game", "game\\Default\\Sound\\bgm\\a.mid"},
    {"a name climbing out of the searched folders", {"outside.mid", "game\\Music\\x.mid"},
     "..\\outside.mid", "game\\Default", "game", ""},
    {"a name climbing out through a folder", {"outside.mid", "game\\Music\\x.mid"},
     "Music\\..\\..\\outside.mid", "game", "", ""},
    {"a name with a drive", {"game\\a.mid"}, "Z:a.mid", "game\\Default", "game", ""},
    {"a name with a leading separator", {"game\\a.mid"}, "\\a.mid", "game\\Default", "game", ""},
    {"an empty name", {"game\\a.mid"}, "", "game\\Default", "game", ""},
    {"no scenario open: the install directory alone", {"game\\Music\\a.mid"},
     "a.mid", "", "game", "game\\Music\\a.mid"},
    {"no install directory: the scenario alone", {"maps\\S\\a.mid", "game\\a.mid"},
     "a.mid", "maps\\S", "", "maps\\S\\a.mid"},
    {"a scenario outside the install directory", {"maps\\S\\x.mid", "game\\Music\\a.mid"},
     "a.mid", "maps\\S", "game", "game\\Music\\a.mid"},
    {"a missing scenario folder", {"game\\Music\\a.mid"}, "a.mid", "gone", "game",
     "game\\Music\\a.mid"},
};

HFile folderOf(const TestFolder& folder, const char* relative)
{
    return relative[0] == '\0' ? HFile() : HFile(folder.path() + "\\" + relative);
}

}  // namespace

TEST(MusicFinder, SearchesTheScenarioThenTheInstallDirectoryNearestFirst)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        TestFolder::makeFolder("game\\Default");
        for (const std::string& file : c.files) {
            size_t slash = file.rfind('\\');
            if (slash != std::string::npos) {
                TestFolder::makeFolder(file.substr(0, slash));
            }
            if (file.back() != '\\') {
                TestFolder::write(file, file);
            }
        }
        HFile found = ZDMusicFinder::find(c.name, folderOf(folder, c.scenario),
                                          folderOf(folder, c.game));
        std::string expected = c.found[0] == '\0' ? "" : folder.path() + "\\" + c.found;
        EXPECT_EQ(found.getPath(), expected);
        if (!found.isEmpty()) {
            EXPECT_EQ(TestFolder::read(found.getPath()), c.found) << "not the file named";
        }

        // The check finds the same, and tells it for an area with music only, once the game's
        // folder is known.
        ZDArea area;
        area.setMusic(c.name);
        std::map<std::string, bool> answers;
        std::vector<ZDProblem> problems;
        ZDScenarioCheck::checkMusic(7, area, folderOf(folder, c.scenario), folderOf(folder, c.game),
                                    &answers, &problems);
        const bool missing = found.isEmpty() && c.name[0] != '\0' && c.game[0] != '\0';
        ASSERT_EQ(problems.size(), missing ? 1u : 0u);
        if (missing) {
            EXPECT_EQ(problems[0].kind, ZDProblem::MUSIC_MISSING);
            EXPECT_EQ(problems[0].area, 7u);
            EXPECT_EQ(problems[0].text, c.name);
        } else if (!found.isEmpty()) {
            // Once found, the name is not looked for again while the answers are kept.
            ASSERT_EQ(std::remove(TestFolder::native(found.getPath()).c_str()), 0);
            ZDScenarioCheck::checkMusic(8, area, folderOf(folder, c.scenario),
                                        folderOf(folder, c.game), &answers, &problems);
            EXPECT_TRUE(problems.empty());
            ZDScenarioCheck::checkMusic(8, area, folderOf(folder, c.scenario),
                                        folderOf(folder, c.game), nullptr, &problems);
            const bool gone = ZDMusicFinder::find(c.name, folderOf(folder, c.scenario),
                                                  folderOf(folder, c.game)).isEmpty();
            EXPECT_EQ(problems.size(), gone && c.game[0] != '\0' ? 1u : 0u);
        }
    }
}
