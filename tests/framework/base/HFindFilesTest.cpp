#include "framework/base/HFindFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/base/HSystem.h"
#include "framework/base/HWin32.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestFolder.h"

namespace {

std::vector<std::string> names(const std::vector<HFile>& files)
{
    std::vector<std::string> result;
    for (const HFile& file : files) {
        result.push_back(file.getName());
    }
    std::sort(result.begin(), result.end());
    return result;
}

}  // namespace

TEST(HFindFiles, ListsSubFoldersWithDotsOrNothingAndRestoresTheCurrentFolder)
{
    TestFolder folder;
    TestFolder::makeFolder("game\\Default");
    CreateDirectoryA("game\\ソ表", nullptr);  // the platform's own Shift-JIS name
    TestFolder::makeFolder("game\\Default\\Data");
    TestFolder::write("game\\Config", "");
    std::string before = HSystem::get().getCurrentDirectory();

    std::vector<HFile> list;
    list.push_back(HFile("kept"));
    HFile game(folder.path() + "\\game");
    EXPECT_EQ(HFindFiles::getDirectories(game, &list), 4);
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0].getName(), "kept");
    list.erase(list.begin());
    EXPECT_EQ(names(list), (std::vector<std::string>{".", "..", "Default", "ソ表"}));
    for (const HFile& entry : list) {
        EXPECT_EQ(entry.getDirectory(), game.getPath());
    }
    EXPECT_EQ(HSystem::get().getCurrentDirectory(), before);

    // A file stands for its folder.
    std::vector<HFile> fromFile;
    EXPECT_EQ(HFindFiles::getDirectories(HFile(game.getPath() + "\\Config"), &fromFile), 4);
    EXPECT_EQ(names(fromFile), names(list));
    EXPECT_EQ(fromFile[0].getDirectory(), game.getPath());
    EXPECT_EQ(HSystem::get().getCurrentDirectory(), before);

    // The files alone, not the folders; a missing folder has none.
    EXPECT_EQ(HFindFiles::getFileNames(game), std::vector<std::string>{"Config"});
    EXPECT_TRUE(HFindFiles::getFileNames(HFile(folder.path() + "\\none")).empty());
    EXPECT_EQ(HSystem::get().getCurrentDirectory(), before);

    // A missing folder lists nothing and leaves the current folder too.
    LogCapture log({"info"});
    std::vector<HFile> none;
    EXPECT_EQ(HFindFiles::getDirectories(HFile(folder.path() + "\\none\\deeper"), &none), 0);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(HSystem::get().getCurrentDirectory(), before);
    EXPECT_TRUE(log.contains("getDirectories:ディレクトリ変更に失敗"));
}
