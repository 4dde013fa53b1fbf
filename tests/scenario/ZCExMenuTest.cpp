#include "scenario/ZCExMenu.h"

#include <string>

#include <gtest/gtest.h>

#include "framework/gui/HMenuBar.h"
#include "framework/gui/HMenuItem.h"
#include "framework/gui/HWindow.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/TestFolder.h"

namespace {

// A game folder with scenarios of every kind the menu must tell apart.
class ExMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestFolder::makeFolder("game\\Alpha\\Config");  // a folder named Config
        TestFolder::makeFolder("game\\Beta");
        TestFolder::write("game\\Beta\\Config", "");  // a file named Config
        TestFolder::makeFolder("game\\Gamma\\Data");  // no Config
        TestFolder::write("game\\Config", "");         // not a folder
    }

    TestFolder folder;
    HWindow window;
    HMenuBar bar{&window, 2000, ""};
    HMenuItem file{&bar, 2100, "ﾌｧｲﾙ(&F)", true, false};
};

// The menu's own look; which folders it lists and the commands that open them, the start
// panel's and the operations' tests settle on the sample game.
TEST_F(ExMenuTest, ScenarioFoldersWithConfigFollowASeparator)
{
    GameDirectory game(folder.path() + "\\game");
    ZCExMenu menu;
    EXPECT_EQ(menu.create(&file, 2500), 2);
    ASSERT_EQ(file.getCount(), 3);
    auto* separator = dynamic_cast<HMenuItem*>(file.getChild(0));
    ASSERT_NE(separator, nullptr);
    EXPECT_TRUE(separator->isSeparator());
    EXPECT_EQ(separator->getId(), 2500u);
    EXPECT_EQ(menu.getPath(2500), "");
}

TEST_F(ExMenuTest, NothingIsAddedWithoutAGameOrAScenarioInIt)
{
    // No install directory, and one without a scenario holding Config.
    for (const std::string& directory : {std::string(), folder.path() + "\\game\\Gamma"}) {
        GameDirectory game(directory);
        ZCExMenu menu;
        EXPECT_EQ(menu.create(&file, 2500), 0);
    }
    EXPECT_EQ(file.getCount(), 0);
}

}  // namespace
