#include "scenario/ZDGameFinder.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

namespace {

using Place = ZDGameFinder::Place;

// What each place holds (64-bit view, 32-bit view, user, chosen), which folders exist, and
// the folder and place that must win.
struct Case {
    const char* texts[ZDGameFinder::PLACE_COUNT];
    std::set<std::string> existing;
    const char* folder;
    Place winner;
};

TEST(GameFinderTest, FirstPlaceNamingAnExistingFolderWins)
{
    const Case cases[] = {
        {{"", "", "", ""}, {}, "", ZDGameFinder::PLACE_COUNT},
        {{"C:\\A", "C:\\B", "C:\\C", "C:\\D"}, {"C:\\A", "C:\\B", "C:\\C", "C:\\D"}, "C:\\A",
         ZDGameFinder::PLACE_MACHINE_64},
        {{"", "C:\\B", "C:\\C", ""}, {"C:\\B", "C:\\C"}, "C:\\B", ZDGameFinder::PLACE_MACHINE_32},
        // A missing folder is passed over, however early its place.
        {{"C:\\Gone", "C:\\B", "", ""}, {"C:\\B"}, "C:\\B", ZDGameFinder::PLACE_MACHINE_32},
        {{"C:\\Gone", "C:\\Gone", "C:\\C", ""}, {"C:\\C"}, "C:\\C", ZDGameFinder::PLACE_USER},
        {{"C:\\Gone", "", "", "D:\\ゲーム"}, {"D:\\ゲーム"}, "D:\\ゲーム",
         ZDGameFinder::PLACE_CHOSEN},
        {{"C:\\Gone", "C:\\Gone2", "C:\\Gone3", "C:\\Gone4"}, {}, "", ZDGameFinder::PLACE_COUNT},
    };
    for (const Case& c : cases) {
        std::string readOrder;
        ZDGameFinder finder(
            [&](Place place) {
                readOrder += static_cast<char>('0' + place);
                return std::string(c.texts[place]);
            },
            [&](const std::string& folder) { return c.existing.count(folder) != 0; });
        EXPECT_EQ(finder.getFolder(), c.folder) << c.texts[0] << "|" << c.texts[1];
        EXPECT_EQ(finder.getWinner(), c.winner) << c.folder;
        EXPECT_EQ(readOrder, "0123");  // every place is read, for the start panel
        // The start panel names every place and marks the ones whose folder is missing.
        const std::vector<std::string> lines = finder.describe();
        ASSERT_EQ(lines.size(), static_cast<size_t>(ZDGameFinder::PLACE_COUNT));
        for (int i = 0; i < ZDGameFinder::PLACE_COUNT; ++i) {
            const std::string text = c.texts[i];
            const bool missing = !text.empty() && c.existing.count(text) == 0;
            EXPECT_EQ(lines[i].find("(フォルダなし)") != std::string::npos, missing) << lines[i];
            EXPECT_NE(lines[i].find(text.empty() ? "なし" : text), std::string::npos);
        }
    }
}

TEST(GameFinderTest, AnEmptyTextIsNeverAskedAbout)
{
    int asked = 0;
    ZDGameFinder finder([](Place) { return std::string(); },
                        [&](const std::string&) { return ++asked, true; });
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(finder.getFolder(), "");
}

}  // namespace
